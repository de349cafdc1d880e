#include "sistema/documentos/TmStrChaveAcesso.h"

#include <QDate>

#include <algorithm>
#include <cstdlib>

#include "base/Relogio.h"
#include "base/internal/Texto.h"
#include "sistema/codbarras/TmStrCodBarras.h"
#include "sistema/documentos/TmStrDocumentos.h"
#include "sistema/documentos/TmUF.h"
#include "sistema/documentos/internal/Alfanumerico.h"

namespace {

using TextoInterno::Aparar;
using TextoInterno::Copy;

QString Zeros(qint64 valor, int largura) {
    return QString::number(valor).rightJustified(largura, u'0');
}

QString Modelo(TModeloDocumentoEletronico tipo) {
    switch (tipo) {
        case mdeNFe:
            return QStringLiteral("55");
        case mdeNFCe:
            return QStringLiteral("65");
        case mdeCTe:
            return QStringLiteral("57");
        case mdeCFe:
            return QStringLiteral("60");
        case mdeMDFe:
            return QStringLiteral("58");
    }
    return {};
}

// The number's digits reversed; the sign is not a digit.
QString Invertido(int numero) {
    QString digitos = QString::number(std::abs(qint64(numero)));
    std::reverse(digitos.begin(), digitos.end());
    return digitos;
}

// Steps 1 to 3 of the control code for one day.
QString CodigoDoDia(int numero, const QDate& dia) {
    const QString corpo = QString::number(std::abs(dia.year() - 2018)) + Zeros(dia.dayOfYear(), 3) +
                          Invertido(numero);
    QString codigo = (corpo + TmStr::GetCodBarraDigito(corpo)).right(8);
    if (codigo.toLongLong() == numero) {
        const int primeiro = codigo[0].unicode() - u'0';
        codigo[0] = QString::number(primeiro + 1)[0];
    }
    return codigo;
}

bool Repetido(const QString& codigo) {
    return codigo.size() == 8 && codigo[0] != u'0' && codigo.count(codigo[0]) == 8;
}

struct Campo {
    const QString& informado;
    int inicio;
    int largura;
    const char* palavras;
};

[[noreturn]] void Discordar(const QString& chave, const Campo& campo) {
    const QString marcada = u'"' + Copy(chave, 1, campo.inicio - 1) + QStringLiteral(" ---> ") +
                            Copy(chave, campo.inicio, campo.largura) + QStringLiteral(" <--- ") +
                            Copy(chave, campo.inicio + campo.largura, 44) + QStringLiteral(" \" ");
    throw EChaveAcesso(QString::fromUtf8(campo.palavras) + u'"' + campo.informado + u'"' +
                       QStringLiteral(" difere do informado na composição da chave de acesso.") +
                       QStringLiteral("\r\r Local na chave de acesso: ") + marcada);
}

bool Concorda(const QString& chave, const Campo& campo) {
    const QString valor = Aparar(campo.informado).toString().toUpper();
    const QString naChave = Copy(chave, campo.inicio, campo.largura).toUpper();
    const QString aDireita = valor.rightJustified(campo.largura, u'0').right(campo.largura);
    const QString aEsquerda = valor.leftJustified(campo.largura, u'0', true);
    return naChave == aDireita || naChave == aEsquerda;
}

}  // namespace

namespace TmStr {

int GetCodigoParaNFe(int Numero, TDateTime dataVenda) {
    const QDate dia = DataHora::ToQDate(dataVenda);
    QString codigo = CodigoDoDia(Numero, dia);
    if (isNumeroSequencial(codigo, 4) || Repetido(codigo))
        codigo = CodigoDoDia(Numero, dia.addDays(1));
    return codigo.toInt();
}

QString CalculaChaveEletronica(const QString& asUF, TDateTime ahDtEmisDocto,
                               const QString& asCNPJEmissor, TModeloDocumentoEletronico aeTipo,
                               int aiSerie, int aiNumero, int aiTpEmissao, int aiControle) {
    static const TDateTime kInicioCodigo = DataHora::FromQDate(QDate(2019, 9, 2));
    const QDate emissao = DataHora::ToQDate(ahDtEmisDocto);
    int controle = aiControle;
    if (controle == -1)
        controle = DataHora::DatePart(Relogio::Agora()) >= kInicioCodigo
                       ? GetCodigoParaNFe(aiNumero, ahDtEmisDocto)
                       : aiNumero;
    const QString cnpj = Alfanumerico::Extrair(asCNPJEmissor);
    const QString chave = QString::number(TmUF::IBGE(asUF)) + Zeros(emissao.year() % 100, 2) +
                          Zeros(emissao.month(), 2) + cnpj.rightJustified(14, u'0').right(14) +
                          Modelo(aeTipo) + Zeros(aiSerie, 3) + Zeros(aiNumero, 9) +
                          QString::number(aiTpEmissao) + Zeros(controle, 8);
    return chave + CalcModulo11(chave, 0);
}

QString FormataChaveNFe(const QString& Valor) {
    qsizetype inicio = 0;
    while (inicio < Valor.size() && !TextoInterno::Digito(Valor[inicio]))
        ++inicio;
    QString out = Valor.left(inicio);
    if (inicio > 0)
        out += u' ';
    for (qsizetype i = inicio; i < Valor.size(); i += 4) {
        if (i > inicio)
            out += u' ';
        out += QStringView(Valor).mid(i, 4);
    }
    return out;
}

}  // namespace TmStr

namespace TmRot {

void ValidaChaveAcesso(const QString& asChaveAcesso, const QString& asUF, const QString& asAAMM,
                       const QString& asCNPJ, const QString& asMod, const QString& asSerie,
                       const QString& asNrNF, const QString& asTpEmis, const QString& asDV) {
    if (Aparar(asChaveAcesso).isEmpty())
        return;
    if (asChaveAcesso.size() != 44)
        throw EChaveAcesso(QStringLiteral("Chave de acesso deve ter o tamanho de 44 caracteres."));
    const int serie = Aparar(asSerie).toInt();  // 0 when unreadable
    const bool comCnpj = serie < 890 || serie >= 900;
    const QString cnpj = comCnpj ? asCNPJ : QString();
    const Campo campos[] = {
        {asUF, 1, 2, "Código da UF do emitente do documento fiscal "},
        {asAAMM, 3, 4, "Ano e Mês de emissão da NF-e "},
        {cnpj, 7, 14, "CNPJ do emitente "},
        {asMod, 21, 2, "Modelo do Documento Fiscal "},
        {asSerie, 23, 3, "Série do Documento Fiscal "},
        {asNrNF, 26, 9, "Número do Documento Fiscal "},
        {asTpEmis, 35, 1, "Forma de emissão da NF-e "},
        {asDV, 44, 1, "Dígito verificador da chave de acesso "},
    };
    for (const Campo& campo : campos)
        if (!Aparar(campo.informado).isEmpty() && !Concorda(asChaveAcesso, campo))
            Discordar(asChaveAcesso, campo);
}

}  // namespace TmRot
