#include "base/RtlNumeros.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

#include "base/internal/Digitos.h"
#include "base/internal/Texto.h"

namespace Rtl {

QString FloatToStr(double value, const TFormatSettings& fs) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");
    const DigitosInterno::Digitos escrito = DigitosInterno::Escrever(std::fabs(value), 15);
    const int expoente = escrito.expoente;
    std::string digitos(escrito.digitos, std::size_t(escrito.quantidade));
    while (digitos.size() > 1 && digitos.back() == '0')
        digitos.pop_back();

    QString out;
    if (value < 0)
        out += QLatin1Char('-');
    if (expoente < -5 || expoente >= 15) {
        out += QLatin1Char(digitos[0]);
        if (digitos.size() > 1) {
            out += fs.DecimalSeparator;
            out += QLatin1String(digitos.data() + 1, int(digitos.size() - 1));
        }
        out += QLatin1Char('E') + QString::number(expoente);
        return out;
    }
    if (expoente < 0) {
        out += QLatin1Char('0');
        out += fs.DecimalSeparator;
        out += QString(-expoente - 1, QLatin1Char('0'));
        out += QLatin1String(digitos.data(), int(digitos.size()));
        return out;
    }
    const int inteiros = expoente + 1;
    if (int(digitos.size()) <= inteiros) {
        out += QLatin1String(digitos.data(), int(digitos.size()));
        out += QString(inteiros - int(digitos.size()), QLatin1Char('0'));
    } else {
        out += QLatin1String(digitos.data(), inteiros);
        out += fs.DecimalSeparator;
        out += QLatin1String(digitos.data() + inteiros, int(digitos.size()) - inteiros);
    }
    return out;
}

QString FloatToStr(double value) {
    return FloatToStr(value, FormatSettings());
}

QString CurrToStr(Currency value, const TFormatSettings& fs) {
    const std::int64_t raw = value.Raw();
    const std::uint64_t mag = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : raw;
    QString out = raw < 0 ? QStringLiteral("-") : QString();
    out += QString::number(mag / Currency::Escala);
    std::uint64_t frac = mag % Currency::Escala;
    if (frac) {
        QString casas = QString::number(frac).rightJustified(4, QLatin1Char('0'));
        while (casas.endsWith(QLatin1Char('0')))
            casas.chop(1);
        out += fs.DecimalSeparator + casas;
    }
    return out;
}

QString CurrToStr(Currency value) {
    return CurrToStr(value, FormatSettings());
}

namespace {

using TextoInterno::Digito;

// Rewrites a strict float text into the C locale form from_chars reads, or nothing when the text
// breaks the grammar.
std::optional<std::string> FormaC(QStringView texto, QChar decimal) {
    const QStringView text = TextoInterno::SemEspacosETabsNasPontas(texto);
    qsizetype i = 0;
    const qsizetype n = text.size();
    std::string out;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        if (text[i++] == QLatin1Char('-'))
            out += '-';  // from_chars takes no plus sign
    int digitos = 0;
    bool separador = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (Digito(c)) {
            out += char(c.unicode());
            ++digitos;
        } else if (c == decimal && !separador) {
            out += '.';
            separador = true;
        } else {
            break;
        }
    }
    if (digitos == 0)
        return std::nullopt;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        out += 'e';
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            out += char(text[i++].unicode());
        int exp = 0;
        for (; i < n && Digito(text[i]); ++i, ++exp)
            out += char(text[i].unicode());
        if (exp == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    return out;
}

// Whether a C-form number that from_chars finds out of range lies below the smallest double
// rather than above the largest: its magnitude is below 1. Only the order of magnitude matters
// there, so the exponent saturates.
bool AbaixoDeUm(std::string_view c) {
    const std::size_t e = std::min(c.find('e'), c.size());
    const std::string_view mantissa = c.substr(0, e);
    const std::size_t ponto = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t primeiro = mantissa.find_first_not_of("-0.");
    if (primeiro == std::string_view::npos)
        return true;
    // Decimal exponent just above the magnitude: 10^ordem > |mantissa| >= 10^(ordem - 1).
    long ordem = primeiro < ponto ? long(ponto - primeiro) : -long(primeiro - ponto - 1);
    if (e < c.size()) {
        const bool negativo = c[e + 1] == '-';
        long expoente = 0;
        for (std::size_t i = e + 1 + (negativo || c[e + 1] == '+'); i < c.size(); ++i)
            expoente = std::min(expoente * 10 + (c[i] - '0'), 100000L);
        ordem += negativo ? -expoente : expoente;
    }
    return ordem <= 0;
}

// 0..15 for an ASCII hexadecimal digit, -1 otherwise.
int ValorDigito(QChar c) {
    const char16_t u = c.unicode();
    if (Digito(c))
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

enum class Prefixos { Hexadecimais, Nenhum };

// The base a "$", "x" or "0x" prefix at i selects (16, and i moves past it), else 10.
int BaseDoPrefixo(QStringView text, qsizetype& i) {
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        ++i;
        return 16;
    }
    if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        i += 2;
        return 16;
    }
    return 10;
}

template <typename T>
std::optional<T> InteiroEstrito(QStringView text, Prefixos prefixos) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && TextoInterno::EspacoOuTab(text[i]))
        ++i;
    bool negativo = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negativo = text[i++] == QLatin1Char('-');
    const int base = prefixos == Prefixos::Hexadecimais ? BaseDoPrefixo(text, i) : 10;
    using U = std::make_unsigned_t<T>;
    const U limiteDecimal = static_cast<U>(std::numeric_limits<T>::max()) + (negativo ? 1 : 0);
    const U limite = base == 16 ? std::numeric_limits<U>::max() : limiteDecimal;
    if (i == n)
        return std::nullopt;
    U valor = 0;
    for (; i < n; ++i) {
        const int d = ValorDigito(text[i]);
        if (d < 0 || d >= base)
            return std::nullopt;
        if (valor > (limite - U(d)) / U(base))
            return std::nullopt;
        valor = valor * U(base) + U(d);
    }
    return static_cast<T>(negativo ? U(0) - valor : valor);
}

}  // namespace

std::optional<double> TryStrToFloat(QStringView text, const TFormatSettings& fs) {
    const auto c = FormaC(text, fs.DecimalSeparator);
    if (!c)
        return std::nullopt;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(c->data(), c->data() + c->size(), value);
    if (ec == std::errc::result_out_of_range && AbaixoDeUm(*c))
        return c->front() == '-' ? -0.0 : 0.0;
    if (ec != std::errc() || ptr != c->data() + c->size() || std::isinf(value))
        return std::nullopt;
    return value;
}

std::optional<double> TryStrToFloat(QStringView text) {
    return TryStrToFloat(text, FormatSettings());
}

std::optional<Currency> TryStrToCurr(QStringView text, const TFormatSettings& fs) {
    const auto c = FormaC(text, fs.DecimalSeparator);
    return c ? Currency::FromDecimalC(*c) : std::nullopt;
}

std::optional<Currency> TryStrToCurr(QStringView text) {
    return TryStrToCurr(text, FormatSettings());
}

std::optional<std::int32_t> TryStrToInt(QStringView text) {
    return InteiroEstrito<std::int32_t>(text, Prefixos::Hexadecimais);
}

std::optional<std::int64_t> TryStrToInt64(QStringView text) {
    return InteiroEstrito<std::int64_t>(text, Prefixos::Hexadecimais);
}

std::optional<std::int32_t> TryStrToIntDecimal(QStringView text) {
    return InteiroEstrito<std::int32_t>(text, Prefixos::Nenhum);
}

}  // namespace Rtl
