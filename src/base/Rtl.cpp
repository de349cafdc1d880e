#include "base/Rtl.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace Rtl {

QString FloatToStr(double value, const TFormatSettings& fs) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));  // d.dddddddddddddde±xx
    const char* e = std::strchr(buf, 'e');
    const int expoente = std::atoi(e + 1);
    std::string digitos(1, buf[0]);
    digitos.append(buf + 2, static_cast<std::size_t>(e - (buf + 2)));
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

bool Branco(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Rewrites a strict float text into the C locale form strtod reads, or nothing when the text
// breaks the grammar.
std::optional<std::string> FormaC(QStringView text, QChar decimal) {
    qsizetype i = 0, n = text.size();
    while (i < n && Branco(text[i]))
        ++i;
    while (n > i && Branco(text[n - 1]))
        --n;
    std::string out;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        if (text[i++] == QLatin1Char('-'))
            out += '-';  // from_chars takes no plus sign
    int digitos = 0;
    bool separador = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c.unicode() >= '0' && c.unicode() <= '9') {
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
        for (; i < n && text[i].unicode() >= '0' && text[i].unicode() <= '9'; ++i, ++exp)
            out += char(text[i].unicode());
        if (exp == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    return out;
}

// 0..15 for an ASCII hexadecimal digit, -1 otherwise.
int ValorDigito(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

template <typename T>
std::optional<T> InteiroEstrito(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && Branco(text[i]))
        ++i;
    bool negativo = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negativo = text[i++] == QLatin1Char('-');
    int base = 10;
    if (i < n && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i < n && (text[i] == QLatin1Char('x') || text[i] == QLatin1Char('X'))) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0') &&
               (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
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
    return InteiroEstrito<std::int32_t>(text);
}

std::optional<std::int64_t> TryStrToInt64(QStringView text) {
    return InteiroEstrito<std::int64_t>(text);
}

namespace {

// Days of 1 January 0001 and 31 December 9999: the calendar the date-time covers.
constexpr double kPrimeiroDia = -693593;
constexpr double kUltimoDia = 2958465;

bool NoCalendario(TDateTime value) {
    return std::isfinite(value) && value > kPrimeiroDia - 1 && value < kUltimoDia + 1;
}

QString DoisDigitos(int n) {
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

struct Numero {
    int valor = 0;
    int digitos = 0;
};

// Reads one to maxDigitos decimal digits at i.
std::optional<Numero> LerNumero(QStringView t, qsizetype& i, int maxDigitos) {
    Numero n;
    while (i < t.size() && n.digitos < maxDigitos && t[i].unicode() >= '0' &&
           t[i].unicode() <= '9') {
        n.valor = n.valor * 10 + (t[i++].unicode() - '0');
        ++n.digitos;
    }
    if (n.digitos == 0)
        return std::nullopt;
    return n;
}

bool Consumir(QStringView t, qsizetype& i, QChar c) {
    if (i >= t.size() || t[i] != c)
        return false;
    ++i;
    return true;
}

QStringView Aparar(QStringView t) {
    qsizetype i = 0, n = t.size();
    while (i < n && Branco(t[i]))
        ++i;
    while (n > i && Branco(t[n - 1]))
        --n;
    return t.mid(i, n - i);
}

// The order of day, month and year in a short-date pattern, as "dmy", "mdy" or "ymd".
QString OrdemDaData(const QString& formato) {
    QString ordem;
    for (QChar c : formato) {
        const QChar l = c.toLower();
        if ((l == u'd' || l == u'm' || l == u'y') && !ordem.contains(l))
            ordem += l;
    }
    return ordem.size() == 3 ? ordem : QStringLiteral("dmy");
}

int AnoPorExtenso(const Numero& ano) {
    if (ano.digitos > 2)
        return ano.valor;
    return ano.valor + (ano.valor < 50 ? 2000 : 1900);
}

std::optional<QDate> LerData(QStringView t, qsizetype& i, const TFormatSettings& fs) {
    int dia = 0, mes = 0, ano = 0;
    const QString ordem = OrdemDaData(fs.ShortDateFormat);
    for (int k = 0; k < 3; ++k) {
        if (k > 0 && !Consumir(t, i, fs.DateSeparator))
            return std::nullopt;
        const QChar campo = ordem[k];
        const auto n = LerNumero(t, i, campo == u'y' ? 4 : 2);
        if (!n)
            return std::nullopt;
        if (campo == u'd')
            dia = n->valor;
        else if (campo == u'm')
            mes = n->valor;
        else
            ano = AnoPorExtenso(*n);
    }
    const QDate data(ano, mes, dia);
    if (ano < 1 || !data.isValid())
        return std::nullopt;
    return data;
}

std::optional<QTime> LerHora(QStringView t, qsizetype& i, const TFormatSettings& fs) {
    const auto h = LerNumero(t, i, 2);
    if (!h || !Consumir(t, i, fs.TimeSeparator))
        return std::nullopt;
    const auto m = LerNumero(t, i, 2);
    if (!m)
        return std::nullopt;
    int s = 0, ms = 0;
    if (Consumir(t, i, fs.TimeSeparator)) {
        const auto seg = LerNumero(t, i, 2);
        if (!seg)
            return std::nullopt;
        s = seg->valor;
        if (Consumir(t, i, fs.DecimalSeparator)) {
            const auto fracao = LerNumero(t, i, 3);
            if (!fracao)
                return std::nullopt;
            ms = fracao->valor * (fracao->digitos == 1 ? 100 : fracao->digitos == 2 ? 10 : 1);
        }
    }
    if (h->valor > 23 || m->valor > 59 || s > 59)
        return std::nullopt;
    return QTime(h->valor, m->valor, s, ms);
}

// The date-time of a day and a time of day, with the library's sign convention.
TDateTime Combinar(const QDate& data, const QTime& hora) {
    const double dia = DataHora::FromQDate(data);
    const double fracao = DataHora::FromQTime(hora);
    return dia < 0 ? dia - fracao : dia + fracao;
}

}  // namespace

QString DateToStr(TDateTime value, const TFormatSettings& fs) {
    if (!NoCalendario(value))
        return {};
    const QDate d = DataHora::ToQDate(value);
    return DoisDigitos(d.day()) + fs.DateSeparator + DoisDigitos(d.month()) + fs.DateSeparator +
           QString::number(d.year()).rightJustified(4, QLatin1Char('0'));
}

QString DateToStr(TDateTime value) {
    return DateToStr(value, FormatSettings());
}

QString TimeToStr(TDateTime value, const TFormatSettings& fs) {
    if (!NoCalendario(value))
        return {};
    const QTime t = DataHora::ToQTime(value);
    return DoisDigitos(t.hour()) + fs.TimeSeparator + DoisDigitos(t.minute()) + fs.TimeSeparator +
           DoisDigitos(t.second());
}

QString TimeToStr(TDateTime value) {
    return TimeToStr(value, FormatSettings());
}

QString DateTimeToStr(TDateTime value, const TFormatSettings& fs) {
    if (!NoCalendario(value))
        return {};
    return DateToStr(value, fs) + QLatin1Char(' ') + TimeToStr(value, fs);
}

QString DateTimeToStr(TDateTime value) {
    return DateTimeToStr(value, FormatSettings());
}

std::optional<TDateTime> TryStrToDate(QStringView text, const TFormatSettings& fs) {
    const QStringView t = Aparar(text);
    qsizetype i = 0;
    const auto data = LerData(t, i, fs);
    if (!data || i != t.size())
        return std::nullopt;
    return DataHora::FromQDate(*data);
}

std::optional<TDateTime> TryStrToDate(QStringView text) {
    return TryStrToDate(text, FormatSettings());
}

std::optional<TDateTime> TryStrToTime(QStringView text, const TFormatSettings& fs) {
    const QStringView t = Aparar(text);
    qsizetype i = 0;
    const auto hora = LerHora(t, i, fs);
    if (!hora || i != t.size())
        return std::nullopt;
    return DataHora::FromQTime(*hora);
}

std::optional<TDateTime> TryStrToTime(QStringView text) {
    return TryStrToTime(text, FormatSettings());
}

std::optional<TDateTime> TryStrToDateTime(QStringView text, const TFormatSettings& fs) {
    const QStringView t = Aparar(text);
    qsizetype i = 0;
    const auto data = LerData(t, i, fs);
    if (!data)
        return TryStrToTime(t, fs);
    if (i == t.size())
        return DataHora::FromQDate(*data);
    const qsizetype aposData = i;
    while (i < t.size() && Branco(t[i]))
        ++i;
    if (i == aposData)
        return std::nullopt;
    const auto hora = LerHora(t, i, fs);
    if (!hora || i != t.size())
        return std::nullopt;
    return Combinar(*data, *hora);
}

std::optional<TDateTime> TryStrToDateTime(QStringView text) {
    return TryStrToDateTime(text, FormatSettings());
}

}  // namespace Rtl
