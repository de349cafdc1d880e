#include "texto/conversao/TmStrNumeros.h"

#include <algorithm>
#include <cmath>

#include "base/EConvertError.h"
#include "base/RtlNumeros.h"
#include "texto/conversao/FormatoNumerico.h"
#include "texto/separacao/TmStrSepara.h"

namespace {

// A column width or repeat count: below 0 counts as 0; beyond any report's width is refused
// rather than allocated.
int Largura(qint64 tamanho) {
    if (tamanho > TmStr::kLarguraMaxima)
        throw EConvertError(QStringLiteral("Tamanho inválido: %1").arg(tamanho));
    return int(std::max<qint64>(tamanho, 0));
}

QString Repetir(QChar c, qint64 vezes) {
    return QString(Largura(vezes), c);
}

QString Padrao(double valor, QStringView formato) {
    return FormatoNumerico::Formatar(valor, formato, FormatSettings());
}

// Right-aligned in `tamanho` fill characters and cut to the rightmost `tamanho` characters.
QString AlinharCortar(const QString& texto, int tamanho, QChar preenchimento = u' ') {
    const int largura = Largura(tamanho);
    if (texto.size() >= largura)
        return texto.right(largura);
    return Repetir(preenchimento, largura - int(texto.size())) + texto;
}

// Filled on the left to `tamanho` characters, never cut.
QString AlinharSemCortar(const QString& texto, int tamanho, QChar preenchimento = u' ') {
    const int largura = Largura(tamanho);
    if (texto.size() >= largura)
        return texto;
    return Repetir(preenchimento, largura - int(texto.size())) + texto;
}

// True when the digits of the text read as 0.
bool SemAlgarismoSignificativo(QStringView texto) {
    return std::none_of(texto.begin(), texto.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
}

// Pattern of `decimais` decimals after an integer section.
QString ComDecimais(QStringView inteiros, int decimais) {
    QString formato = inteiros.toString();
    if (decimais > 0)
        formato += QLatin1Char('.') + Repetir(u'0', decimais);
    return formato;
}

// The decimals the value shows in its general text form (at most 18): 2.5 has 1, 1E-6 has 6.
int CasasProprias(double valor) {
    const QString geral = Rtl::FloatToStr(valor, FormatSettings());
    const qsizetype e = geral.indexOf(u'E');
    const QStringView mantissa = e < 0 ? QStringView(geral) : QStringView(geral).left(e);
    const qsizetype separador = mantissa.indexOf(FormatSettings().DecimalSeparator);
    const int casas = separador < 0 ? 0 : int(mantissa.size() - separador - 1);
    const int expoente = e < 0 ? 0 : geral.mid(e + 1).toInt();
    return std::clamp(casas - expoente, 0, 18);
}

}  // namespace

bool TmStr::IsNumero(QStringView asText, bool abTrueIfEmpty) {
    if (asText.isEmpty())
        return abTrueIfEmpty;
    return asText == SomenteNumeros(asText, false);
}

QString TmStr::Formata(double Valor, QStringView Formato, bool abPontoQuandoZero) {
    if (abPontoQuandoZero && Valor == 0)
        return QStringLiteral(". ");
    return Padrao(Valor, Formato);
}

QString TmStr::Formata(Currency Valor, QStringView Formato, bool abPontoQuandoZero) {
    if (abPontoQuandoZero && Valor == Currency())
        return QStringLiteral(". ");
    return FormatoNumerico::Formatar(Valor, Formato, FormatSettings());
}

QString TmStr::Formata(double adValor, int adDecimais) {
    return Padrao(adValor, ComDecimais(u"##,##0", adDecimais));
}

QString TmStr::FormataDecimal(QStringView asValor, int aiCasasDecimais, bool abAnsi) {
    const qsizetype corte =
        std::clamp<qsizetype>(asValor.size() - std::max(aiCasasDecimais, 0), 0, asValor.size());
    const QChar virgula = abAnsi ? u'.' : u',';
    return asValor.left(corte).toString().append(virgula).append(asValor.mid(corte));
}

QString TmStr::StrZero(int Valor, int Tamanho) {
    return Padrao(Valor, Repetir(u'0', Tamanho));
}

QString TmStr::StrZeroFloat(double Valor, int Tamanho, int Decimais) {
    QString texto = Padrao(Valor, ComDecimais(u"0", Decimais));
    texto.remove(QLatin1Char('-'));
    return AlinharSemCortar(texto, Tamanho, u'0');
}

QString TmStr::StrZeroNegativo(int Valor, int Tamanho, bool /*RemoveNegativo*/) {
    return StrZero(Valor, Tamanho);
}

QString TmStr::FormataNumeroPontos(QStringView Numero) {
    QString out;
    out.reserve(Numero.size() + Numero.size() / 3);
    for (qsizetype i = 0; i < Numero.size(); ++i) {
        if (i > 0 && (Numero.size() - i) % 3 == 0)
            out += QLatin1Char('.');
        out += Numero[i];
    }
    return out;
}

QString TmStr::FormataNumeroPontos(int Numero) {
    const QString digitos = QString::number(std::abs(qint64(Numero)));
    return (Numero < 0 ? QStringLiteral("-") : QString()) + FormataNumeroPontos(digitos);
}

QString TmStr::FormataValor(double Valor, int Tamanho, int Decimal, bool MostraPontoNoLugarDeZero,
                            bool cIsAtivaMenosZero, QChar cPreenchimentoVazio,
                            QStringView cStrFinal) {
    const int largura = Largura(Tamanho);
    const int decimais = Largura(Decimal);
    const bool pequeno = cIsAtivaMenosZero && Valor != 0 && Valor > -1 && Valor < 1;
    QString texto = Padrao(Valor, decimais > 0 ? ComDecimais(u"###,###,###,##0", decimais)
                                               : QStringLiteral("###,###,###,###"));
    const int inteiros = std::max(largura - decimais - 1, 0);
    if (MostraPontoNoLugarDeZero && SemAlgarismoSignificativo(texto)) {
        if (pequeno && Valor < 0)
            return Repetir(u' ', std::max(inteiros - 1, 0)) + QStringLiteral("-0") +
                   Repetir(u' ', decimais);
        return Repetir(u' ', inteiros) + QLatin1Char(pequeno ? '0' : '.') + Repetir(u' ', decimais);
    }
    // Too wide: drop thousands separators from the left, then give up with asterisks.
    const QChar milhar = FormatSettings().ThousandSeparator;
    for (qsizetype p; texto.size() > largura && (p = texto.indexOf(milhar)) >= 0;)
        texto.remove(p, 1);
    if (texto.size() > largura)
        return Repetir(u'*', inteiros) + QLatin1Char('.') + Repetir(u'*', decimais);
    const int preenchimento = largura - int(texto.size()) - int(cStrFinal.size());
    const QString final = cStrFinal.toString() + texto;
    if (preenchimento < 0)
        return final.right(largura);
    return Repetir(cPreenchimentoVazio, preenchimento) + final;
}

QString TmStr::FormataPonto(double Valor, int Tamanho, bool Alinhado, QStringView Formato,
                            bool NumInteiro, bool MilhaoSemPonto, bool MilSemPonto) {
    QString texto = AlinharCortar(Padrao(Valor, Formato), Tamanho);
    const QString marca = Alinhado ? QStringLiteral(" .  ") : QStringLiteral("   .");
    if ((MilhaoSemPonto && Valor > 1000000) || (MilSemPonto && Valor > 1000)) {
        const qsizetype p = texto.indexOf(FormatSettings().ThousandSeparator);
        if (p >= 0)
            texto.remove(p, 1).prepend(QLatin1Char(' '));
    }
    if (NumInteiro) {
        if (texto.trimmed().isEmpty())
            texto = Repetir(u' ', qint64(Tamanho) - 1) + QLatin1Char('.');
        return texto;
    }
    if (texto.trimmed() == u"0")
        return marca;
    const qsizetype zero = texto.indexOf(u"0,00");
    if (zero > 0 && texto[zero - 1] == u' ')
        texto.replace(zero, 4, marca);
    return texto;
}

QString TmStr::FormataPonto3Casas(Currency Valor, int Tamanho, QStringView Formato) {
    return AlinharCortar(Formata(Valor, Formato, false), Tamanho)
        .replace(QStringLiteral(" 0,000"), QStringLiteral("  .   "))
        .replace(QStringLiteral(",000"), QStringLiteral("    "));
}

QString TmStr::FormataPontoEx(double Valor, int Tamanho, QStringView Formato) {
    const qsizetype ponto = Formato.indexOf(u'.');
    if (Valor == 0) {
        const int casas = ponto < 0 ? 0 : int(Formato.size() - ponto - 1);
        return AlinharSemCortar(QStringLiteral(" .") + Repetir(u' ', casas), Tamanho);
    }
    return AlinharSemCortar(
        Padrao(Valor, ComDecimais(ponto < 0 ? Formato : Formato.left(ponto), CasasProprias(Valor))),
        Tamanho);
}

QString TmStr::PadRight(double Valor, int Tamanho, QChar PadChar, QStringView Formato,
                        bool abCortarTexto) {
    const QString texto = Padrao(Valor, Formato);
    return abCortarTexto ? AlinharCortar(texto, Tamanho, PadChar)
                         : AlinharSemCortar(texto, Tamanho, PadChar);
}

QString TmStr::PadRightPonto(double Valor, int Tamanho, QChar PadChar, QStringView Formato,
                             bool abCortarTexto) {
    if (Valor == 0)
        return Repetir(PadChar, qint64(Tamanho) - 1) + QLatin1Char('.');
    return PadRight(Valor, Tamanho, PadChar, Formato, abCortarTexto);
}
