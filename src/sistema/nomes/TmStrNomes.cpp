#include "sistema/nomes/TmStrNomes.h"

#include <QStringList>
#include <optional>
#include <utility>

#include "base/internal/Texto.h"
#include "sistema/xml/TmXMLLeitura.h"
#include "texto/separacao/TmStrSepara.h"

// AbreviarNome cuts the name with ". " already written "." (the form its length is counted in),
// so that a cut name keeps every character that fits.

namespace {

constexpr QStringView kParticulas[] = {u"DE", u"DA",  u"DAS", u"DO", u"DOS", u"NA", u"NAS",
                                       u"NO", u"NOS", u"A",   u"E",  u"O",   u"EM", u"COM"};

// Word and abbreviation, sought in this order. The two-word keys never match a word (names are
// split at blanks) and stay as the library has always had them.
constexpr std::pair<QStringView, QStringView> kAbreviaturas[] = {
    {u"INDÚSTRIA", u"IND."},
    {u"INDUSTRIA", u"IND."},
    {u"INDUSTRIAL", u"INDL."},
    {u"COMÉRCIO", u"COM."},
    {u"COMERCIO", u"COM."},
    {u"COMERCIAL", u"COML."},
    {u"LIMITADA", u"LTDA."},
    {u"SOCIEDADE ANÔNIMA", u"S.A."},
    {u"SOCIEDADE ANONIMA", u"S.A."},
    {u"ACADEMIA", u"ACAD."},
    {u"ILUSTRÍSSIMO", u"ILMO."},
    {u"ILUSTRISSIMO", u"ILMO."},
    {u"AGRICULTURA", u"AGRIC."},
    {u"IMPORTAÇÃO", u"IMP."},
    {u"IMPORTACÃO", u"IMP."},
    {u"IMPORTAÇAO", u"IMP."},
    {u"IMPORTACAO", u"IMP."},
    {u"AGROPECUÁRIA", u"AGROPEC."},
    {u"AGROPECUARIA", u"AGROPEC."},
    {u"IMPORTADORA", u"IMPORT."},
    {u"ALAMEDA", u"AL."},
    {u"ALIMENTOS", u"ALIM."},
    {u"JARDIM", u"JD."},
    {u"ALMIRANTE", u"ALM."},
    {u"LABORATÓRIO", u"LAB."},
    {u"LABORATORIO", u"LAB."},
    {u"ASSOCIAÇÃO", u"ASSOC."},
    {u"ASSOCIACÃO", u"ASSOC."},
    {u"ASSOCIAÇAO", u"ASSOC."},
    {u"ASSOCIACAO", u"ASSOC."},
    {u"LARGO", u"LG."},
    {u"AVENIDA", u"AV."},
    {u"MAJOR", u"MAJ."},
    {u"BECO", u"B."},
    {u"MARECHAL", u"MAL."},
    {u"BISPO", u"BPO."},
    {u"MARINHA", u"MAR."},
    {u"BRIGADEIRO", u"BRIG."},
    {u"MÉDICO", u"MED."},
    {u"MEDICO", u"MED."},
    {u"CALÇADA", u"CAL."},
    {u"CALCADA", u"CAL."},
    {u"MERCADO", u"MERC."},
    {u"MERCEARIA", u"MERC."},
    {u"CAPITÃO", u"CAP."},
    {u"CAPITAO", u"CAP."},
    {u"NOSSA SENHORA", u"N.SA."},
    {u"COMANDANTE", u"COM."},
    {u"NOSSO SENHOR", u"N.S."},
    {u"COMBUSTÍVEL", u"COMB."},
    {u"COMBUSTIVEL", u"COMB."},
    {u"ORGANIZAÇÃO", u"ORG."},
    {u"ORGANIZAÇAO", u"ORG."},
    {u"ORGANIZACÃO", u"ORG."},
    {u"ORGANIZACAO", u"ORG."},
    {u"PADARIA", u"PAD."},
    {u"PADRE", u"PE."},
    {u"COMPANHIA", u"CIA."},
    {u"PARADA", u"PDA."},
    {u"CONFECÇÃO", u"CONFEC."},
    {u"CONFECCÃO", u"CONFEC."},
    {u"CONFECÇAO", u"CONFEC."},
    {u"CONFECCAO", u"CONFEC."},
    {u"PARQUE", u"PQ."},
    {u"CONFEITARIA", u"CONF."},
    {u"PRAÇA", u"PÇ."},
    {u"PRACA", u"PÇ."},
    {u"CONSELHEIRO", u"CONS."},
    {u"PRAIA", u"PR."},
    {u"CORONEL", u"COR."},
    {u"PREFEITO", u"PREF."},
    {u"DEPARTAMENTO", u"DEP."},
    {u"PROCURADOR", u"PROC."},
    {u"DESEMBARGADOR", u"DES."},
    {u"PROFESSOR", u"PROF."},
    {u"PROFESSORA", u"PROFA."},
    {u"DISTRITO", u"DIST."},
    {u"REPRESENTAÇÃO", u"REPR."},
    {u"REPRESENTACÃO", u"REPR."},
    {u"REPRESENTAÇAO", u"REPR."},
    {u"REPRESENTACAO", u"REPR."},
    {u"DOUTOR", u"DR."},
    {u"RETORNO", u"RTN."},
    {u"ECONOMIA", u"ECON."},
    {u"RODOVIA", u"ROD."},
    {u"ELETRICIDADE", u"ELETR."},
    {u"RUA", u"R."},
    {u"EMPRESA", u"EMP."},
    {u"SANTA", u"STA."},
    {u"SANTO", u"STO."},
    {u"SÃO", u"S."},
    {u"SAO", u"S."},
    {u"ENGENHARIA", u"ENG."},
    {u"SARGENTO", u"SARG."},
    {u"ENGENHEIRO", u"ENGO."},
    {u"SECRETÁRIO", u"SEC."},
    {u"SECRETARIO", u"SEC."},
    {u"ESTRADA", u"EST."},
    {u"SENADOR", u"SEN."},
    {u"EXPORTAÇÃO", u"EXP."},
    {u"EXPORTACÃO", u"EXP."},
    {u"EXPORTAÇAO", u"EXP."},
    {u"EXPORTACAO", u"EXP."},
    {u"SOCIEDADE", u"SOC."},
    {u"EXPORTADORA", u"EXPORT."},
    {u"SOCIEDADE ANÔNIMA", u"S.A."},
    {u"SOCIEDADE ANONIMA", u"S.A."},
    {u"FÁBRICA", u"FAB."},
    {u"FABRICA", u"FAB."},
    {u"TENENTE", u"TEN."},
    {u"FARMÁCIA", u"FARM."},
    {u"FARMACIA", u"FARM."},
    {u"TRANSPORTE", u"TRANSP."},
    {u"FEDERAL", u"FED."},
    {u"TRAVESSA", u"TV."},
    {u"FRANCISCO", u"FRANCO."},
    {u"TREVO", u"TRV."},
    {u"FUNDAÇÃO", u"FUND."},
    {u"FUNDACÃO", u"FUND."},
    {u"FUNDAÇAO", u"FUND."},
    {u"FUNDACAO", u"FUND."},
    {u"UNIVERSIDADE", u"UNIV."},
    {u"GALERIA", u"GAL."},
    {u"VEREADOR", u"VER."},
    {u"GARAGE", u"GAR."},
    {u"VETERINÁRIO", u"VET."},
    {u"VETERINARIO", u"VET."},
    {u"GENERAL", u"GEN."},
    {u"VIA", u"V."},
    {u"GOVERNO", u"GOV."},
    {u"VIADUTO", u"VD."},
    {u"HOSPITAL", u"HOSP."},
    {u"VISCONDE", u"VDE."},
};

// The length of the character (a code point: one or two UTF-16 units) at i; 0 past the end.
qsizetype TamanhoDoCaractere(QStringView texto, qsizetype i) {
    if (i >= texto.size())
        return 0;
    return i + 1 < texto.size() && texto[i].isHighSurrogate() && texto[i + 1].isLowSurrogate() ? 2
                                                                                               : 1;
}

// The character at i in capitals, the rest as it is.
QString MaiusculoEm(const QString& texto, qsizetype i) {
    const qsizetype n = TamanhoDoCaractere(texto, i);
    return texto.first(i) + texto.sliced(i, n).toUpper() + texto.sliced(i + n);
}

QString CapitalizarPalavra(const QString& palavra) {
    const QString maiusculas = palavra.toUpper();
    for (const QStringView particula : kParticulas) {
        if (maiusculas == particula)
            return palavra.toLower();
    }
    const qsizetype n = TamanhoDoCaractere(palavra, 0);
    const QString resultado = palavra.first(n).toUpper() + palavra.sliced(n).toLower();
    const qsizetype ponto = resultado.indexOf(u'.');
    return ponto < 0 ? resultado : MaiusculoEm(resultado, ponto + 1);
}

std::optional<QStringView> Abreviatura(QStringView palavra) {
    for (const auto& [extenso, abreviado] : kAbreviaturas) {
        if (palavra == extenso)
            return abreviado;
    }
    return std::nullopt;
}

// One of the table's abbreviations, alone or followed by a comma.
bool EhAbreviatura(QStringView palavra) {
    if (palavra.endsWith(u','))
        palavra.chop(1);
    for (const auto& par : kAbreviaturas) {
        if (palavra == par.second)
            return true;
    }
    return false;
}

// The form a name's length is counted in: every ". " written ".".
QString Compacto(QString texto) {
    return texto.replace(QLatin1StringView(". "), QLatin1StringView("."));
}

bool Cabe(const QStringList& palavras, int aiMax) {
    return Compacto(palavras.join(u' ')).size() <= aiMax;
}

}  // namespace

QString TmStr::Capitaliza(QStringView S) {
    QStringList palavras = S.toString().split(u' ');
    for (QString& palavra : palavras)
        palavra = CapitalizarPalavra(palavra);
    return palavras.join(u' ');
}

QString TmStr::AbreviarNome(QStringView asNome, int aiMax) {
    const QString maiusculas = asNome.toString().toUpper();
    QStringList palavras = TmXMLLeitura::pfConvertSpecialEntities(
                               RemoveEspacosDuplos(TextoInterno::Aparar(maiusculas)))
                               .split(u' ');
    for (qsizetype i = 0; i < palavras.size() && !Cabe(palavras, aiMax); ++i) {
        if (palavras[i].size() > 2) {
            if (const auto abreviatura = Abreviatura(palavras[i]))
                palavras[i] = abreviatura->toString();
        }
    }
    // The first word is never shortened to its initial.
    for (qsizetype i = 1; i < palavras.size() && !Cabe(palavras, aiMax); ++i) {
        if (palavras[i].size() > 2 && !EhAbreviatura(palavras[i]))
            palavras[i] = palavras[i].first(TamanhoDoCaractere(palavras[i], 0)) + u'.';
    }
    QString nome = TextoInterno::Copy(Compacto(palavras.join(u' ')), 1, aiMax);
    for (const char* sigla : {"IND", "INDL", "COM", "COML"})
        nome.replace(u' ' + QLatin1StringView(sigla) + u' ',
                     u' ' + QLatin1StringView(sigla) + QLatin1StringView(". "));
    return Compacto(nome);
}
