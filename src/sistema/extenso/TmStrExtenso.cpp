#include "sistema/extenso/TmStrExtenso.h"

#include <QStringList>
#include <array>
#include <cmath>

#include "base/internal/Texto.h"
#include "texto/separacao/TmStrSepara.h"

// The amount is laid out as the 15 characters «BBBMMMmmmUUU.CC» (billions, millions, thousands,
// units, cents) and each of its five groups is written in words on its own, then joined with
// the connectors Brazilian usage puts between them.

namespace {

constexpr std::array<const char16_t*, 10> kUnidades = {
    u"", u"Um", u"Dois", u"Três", u"Quatro", u"Cinco", u"Seis", u"Sete", u"Oito", u"Nove"};
constexpr std::array<const char16_t*, 10> kDezenas = {
    u"",          u"",         u"Vinte",   u"Trinta",  u"Quarenta",
    u"Cinqüenta", u"Sessenta", u"Setenta", u"Oitenta", u"Noventa"};
constexpr std::array<const char16_t*, 10> kDezADezenove = {
    u"Dez",    u"Onze",      u"Doze",      u"Treze",   u"Quatorze",
    u"Quinze", u"Dezesseis", u"Dezessete", u"Dezoito", u"Dezenove"};
constexpr std::array<const char16_t*, 10> kCentenas = {
    u"",           u"Cento",      u"Duzentos",   u"Trezentos",  u"Quatrocentos",
    u"Quinhentos", u"Seiscentos", u"Setecentos", u"Oitocentos", u"Novecentos"};
// Group names in the order billions, millions, thousands, units, cents; "!" and "?" stand for
// the singular and plural names of the hundredth until the end.
constexpr std::array<const char16_t*, 5> kNomesSingular = {u" Bilhão", u" Milhão", u" Mil", u"",
                                                           u" !"};
constexpr std::array<const char16_t*, 5> kNomesPlural = {u" Bilhões", u" Milhões", u" Mil", u"",
                                                         u" ?"};
constexpr int kCentavos = 4;
constexpr int kUnidadesGrupo = 3;
constexpr qint64 kLimiteCentavos = 100'000'000'000'000;  // one trillion, in cents

int Algarismo(const QString& texto, int posicao) {
    return texto[posicao - 1].digitValue();
}

// The words of three digits, «000» none; the parts joined by " e ".
QString PalavrasDoGrupo(const QString& digitos) {
    if (digitos == u"000")
        return {};
    if (digitos == u"100")
        return QStringLiteral(" Cem ");
    const int h = Algarismo(digitos, 1), t = Algarismo(digitos, 2), u = Algarismo(digitos, 3);
    QStringList partes;
    if (h != 0)
        partes << QString::fromUtf16(kCentenas[h]);
    if (t == 1)
        partes << QString::fromUtf16(kDezADezenove[u]);
    else if (t >= 2)
        partes << QString::fromUtf16(kDezenas[t]);
    if (u != 0 && t != 1)
        partes << QString::fromUtf16(kUnidades[u]);
    return partes.join(QStringLiteral(" e "));
}

// The amount in cents, rounded half away from zero from ten-thousandths.
qint64 EmCentavos(Currency valor) {
    const qint64 centavos = valor.Raw() / 100, resto = valor.Raw() % 100;
    return centavos + (resto >= 50) - (resto <= -50);
}

QString SemBrancosDuplos(QString texto) {
    while (texto.contains(QStringLiteral("  ")))
        texto.replace(QStringLiteral("  "), QStringLiteral(" "));
    return texto.trimmed();
}

}  // namespace

namespace TmStr {

QString Extenso(Currency Valor, const QString& IntSing, const QString& IntPlural,
                const QString& DecSing, const QString& DecPlural) {
    const qint64 centavos = EmCentavos(Valor);
    if (centavos < 0 || centavos >= kLimiteCentavos)
        return {};
    if (centavos == 0)
        return QStringLiteral("Zero");
    const QString s = QStringLiteral("%1.%2")
                          .arg(centavos / 100, 12, 10, QLatin1Char('0'))
                          .arg(centavos % 100, 2, 10, QLatin1Char('0'));
    std::array<QString, 5> digitos;
    for (int g = 0; g < kCentavos; ++g)
        digitos[g] = s.mid(3 * g, 3);
    digitos[kCentavos] = u'0' + s.mid(13, 2);

    std::array<QString, 5> grupos;
    for (int g = 0; g < 5; ++g)
        grupos[g] = PalavrasDoGrupo(digitos[g]);
    const auto temPalavras = [&](int g) { return !grupos[g].isEmpty(); };
    const bool inteiroTemPalavras =
        temPalavras(0) || temPalavras(1) || temPalavras(2) || temPalavras(kUnidadesGrupo);
    if (temPalavras(kCentavos) && inteiroTemPalavras)
        grupos[kCentavos].prepend(QStringLiteral(" e "));
    for (int g = 0; g < 5; ++g) {
        if (temPalavras(g))
            grupos[g] +=
                QString::fromUtf16(digitos[g] == u"001" ? kNomesSingular[g] : kNomesPlural[g]);
    }

    // Connectors between the integer groups.
    if (temPalavras(0) && (temPalavras(1) || temPalavras(2) || temPalavras(kUnidadesGrupo)))
        grupos[0] += s.mid(3, 6) != u"000000" ? QStringLiteral(", ") : QStringLiteral(" e ");
    if (temPalavras(1) && (temPalavras(2) || temPalavras(kUnidadesGrupo)))
        grupos[1] += s.mid(6, 3) != u"000" ? QStringLiteral(", ") : QStringLiteral(" e ");
    if (temPalavras(2) && temPalavras(kUnidadesGrupo))
        grupos[2] +=
            s[9] == u'0' || s.mid(10, 2) == u"00" ? QStringLiteral(" e ") : QStringLiteral(", ");
    for (int g = 0; g + 1 < 5; ++g) {
        if (temPalavras(g) && temPalavras(g + 1))
            grupos[g] += u' ';
    }

    // The currency noun.
    const qint64 inteiro = centavos / 100;
    if (inteiro == 0)
        grupos[kCentavos] += QStringLiteral(" de ") + IntSing;
    else if (inteiro == 1)
        grupos[kUnidadesGrupo] += u' ' + IntSing + u' ';
    else if (inteiro >= 1'000'000 && !temPalavras(kUnidadesGrupo))
        grupos[kUnidadesGrupo] = QStringLiteral(" de ") + IntPlural + u' ';
    else
        grupos[kUnidadesGrupo] += u' ' + IntPlural + u' ';

    QString texto;
    for (const QString& grupo : grupos)
        texto += grupo;
    texto.replace(u'!', DecSing).replace(u'?', DecPlural);
    return SemBrancosDuplos(texto);
}

QString QuebraExtenso(double Valor, int Linha1, int Linha2) {
    if (Linha1 <= 0 || Linha2 <= 0 || !std::isfinite(Valor))
        return {};
    const QString palavras =
        Extenso(Currency::FromDouble(Valor), QStringLiteral("Real"), QStringLiteral("Reais"),
                QStringLiteral("Centavo"), QStringLiteral("Centavos"));
    if (palavras.isEmpty())
        return {};
    const QString t = RemoveAcentos(palavras.toUpper(), true);
    const auto asteriscos = [](qsizetype n) { return QString(std::max<qsizetype>(n, 0), u'*'); };
    if (t.size() <= Linha1)
        return t + asteriscos(Linha1 - t.size()) + u'^' + asteriscos(Linha2);

    // The break: the last blank after a non-blank within the first line (1-based; 0 for none).
    qsizetype k = 0;
    for (qsizetype i = 1; i < Linha1; ++i) {
        if (t[i] == u' ' && t[i - 1] != u' ')
            k = i + 1;
    }
    const QString linha1 =
        TextoInterno::Aparar(QStringView(t).left(std::max<qsizetype>(k - 1, 0))).toString();
    const QString resto = TextoInterno::Copy(t, k, Linha2);
    if (resto.size() >= Linha2)
        return {};
    return linha1 + asteriscos(Linha1 - linha1.size()) + u'^' + resto +
           asteriscos(Linha2 - resto.size()) + u'^';
}

}  // namespace TmStr
