#include "base/FormatoDataHora.h"

#include <algorithm>
#include <cmath>

#include "base/internal/Texto.h"

namespace Rtl {
namespace {

// Days of 1 January 0001 and 31 December 9999: the calendar the date-time covers.
constexpr double kPrimeiroDia = -693593;
constexpr double kUltimoDia = 2958465;

// A pattern letter may name another pattern once; the expansion of that one names no further.
constexpr int kNiveis = 2;

bool NoCalendario(TDateTime valor) {
    return std::isfinite(valor) && valor > kPrimeiroDia - 1 && valor < kUltimoDia + 1;
}

// Whether texto starts with marca (ASCII letters and "/") in either case.
bool ComecaCom(QStringView texto, QLatin1StringView marca) {
    return texto.startsWith(marca, Qt::CaseInsensitive);
}

class Escritor {
public:
    Escritor(TDateTime valor, const TFormatSettings& fs)
        : fs_(fs), data_(DataHora::ToQDate(valor)), hora_(DataHora::ToQTime(valor)) {}

    void Escrever(QStringView f, int nivel) {
        if (nivel >= kNiveis)
            return;
        QChar ultimaLetra = u' ';
        bool dozeHoras = false;
        qsizetype i = 0;
        while (i < f.size()) {
            const QChar inicial = f[i];
            qsizetype fim = i + 1;
            while (fim < f.size() && f[fim] == inicial)
                ++fim;
            const qsizetype n = fim - i;
            QChar letra = TextoInterno::MaiusculaAscii(inicial);
            if (TextoInterno::LetraAscii(inicial)) {
                if (letra == u'M' && ultimaLetra == u'H')
                    letra = u'N';
                ultimaLetra = letra;
            }
            switch (letra.unicode()) {
                case 'Y':
                    Numero(n <= 2 ? data_.year() % 100 : data_.year(), n <= 2 ? 2 : 4);
                    break;
                case 'M':
                    Mes(n);
                    break;
                case 'D':
                    Dia(n, nivel);
                    break;
                case 'H':
                    dozeHoras = dozeHoras || DozeHorasAdiante(f.mid(fim));
                    Numero(dozeHoras ? Hora12() : hora_.hour(), std::min<qsizetype>(n, 2));
                    break;
                case 'N':
                    Numero(hora_.minute(), std::min<qsizetype>(n, 2));
                    break;
                case 'S':
                    Numero(hora_.second(), std::min<qsizetype>(n, 2));
                    break;
                case 'Z':
                    Numero(hora_.msec(), std::min<qsizetype>(n, 3));
                    break;
                case 'T':
                    Escrever(n == 1 ? fs_.ShortTimeFormat : fs_.LongTimeFormat, nivel + 1);
                    break;
                case 'C':
                    Completo(nivel);
                    break;
                case 'A':
                    fim = i + MeioDia(f.mid(i), dozeHoras);
                    break;
                case '/':
                    Separador(fs_.DateSeparator, n);
                    break;
                case ':':
                    Separador(fs_.TimeSeparator, n);
                    break;
                case '\'':
                case '"':
                    fim = Literal(f, i);
                    break;
                default:
                    for (qsizetype k = 0; k < n; ++k)
                        out_ += inicial;
            }
            i = fim;
        }
    }

    QString Texto() const { return out_; }

private:
    void Numero(int valor, qsizetype digitos) {
        out_ += QString::number(valor).rightJustified(digitos, u'0');
    }

    void Separador(QChar separador, qsizetype n) {
        if (!separador.isNull())
            out_ += QString(n, separador);
    }

    int DiaDaSemana() const { return data_.dayOfWeek() % 7; }  // 0 = Sunday

    int Hora12() const {
        const int h = hora_.hour() % 12;
        return h == 0 ? 12 : h;
    }

    void Mes(qsizetype n) {
        if (n <= 2)
            Numero(data_.month(), n);
        else
            out_ += (n == 3 ? fs_.ShortMonthNames : fs_.LongMonthNames)[data_.month() - 1];
    }

    void Dia(qsizetype n, int nivel) {
        if (n <= 2)
            Numero(data_.day(), n);
        else if (n <= 4)
            out_ += (n == 3 ? fs_.ShortDayNames : fs_.LongDayNames)[DiaDaSemana()];
        else
            Escrever(n == 5 ? fs_.ShortDateFormat : fs_.LongDateFormat, nivel + 1);
    }

    void Completo(int nivel) {
        Escrever(fs_.ShortDateFormat, nivel + 1);
        if (hora_.hour() != 0 || hora_.minute() != 0 || hora_.second() != 0) {
            out_ += u' ';
            Escrever(fs_.LongTimeFormat, nivel + 1);
        }
    }

    // Writes what an "a" at the start of resto stands for and answers how many characters it
    // took; an am/pm, a/p or ampm marker turns on the 12-hour clock for the hours after it.
    qsizetype MeioDia(QStringView resto, bool& dozeHoras) {
        const bool tarde = hora_.hour() >= 12;
        if (ComecaCom(resto, QLatin1StringView("am/pm"))) {
            out_ += resto.mid(tarde ? 3 : 0, 2);
            dozeHoras = true;
            return 5;
        }
        if (ComecaCom(resto, QLatin1StringView("a/p"))) {
            out_ += resto[tarde ? 2 : 0];
            dozeHoras = true;
            return 3;
        }
        if (ComecaCom(resto, QLatin1StringView("ampm"))) {
            out_ += tarde ? fs_.TimePMString : fs_.TimeAMString;
            dozeHoras = true;
            return 4;
        }
        if (ComecaCom(resto, QLatin1StringView("aaaa"))) {
            out_ += fs_.LongDayNames[DiaDaSemana()];
            return 4;
        }
        if (ComecaCom(resto, QLatin1StringView("aaa"))) {
            out_ += fs_.ShortDayNames[DiaDaSemana()];
            return 3;
        }
        out_ += resto[0];
        return 1;
    }

    // Copies the quoted text that starts at i and answers where the pattern goes on.
    qsizetype Literal(QStringView f, qsizetype i) {
        qsizetype fecha = f.indexOf(f[i], i + 1);
        if (fecha < 0)
            fecha = f.size();
        out_ += f.mid(i + 1, fecha - i - 1);
        return std::min(fecha + 1, f.size());
    }

    // Whether an hour is on the 12-hour clock: the first "a" or "h" after it (outside quotes)
    // is an "a" that starts am/pm, a/p or ampm.
    static bool DozeHorasAdiante(QStringView resto) {
        bool entreAspas = false;
        for (qsizetype i = 0; i < resto.size(); ++i) {
            const QChar c = TextoInterno::MaiusculaAscii(resto[i]);
            if (c == u'\'' || c == u'"')
                entreAspas = !entreAspas;
            else if (c == u'H' && !entreAspas)
                return false;
            else if (c == u'A' && !entreAspas)
                return ComecaCom(resto.mid(i), QLatin1StringView("am/pm")) ||
                       ComecaCom(resto.mid(i), QLatin1StringView("a/p")) ||
                       ComecaCom(resto.mid(i), QLatin1StringView("ampm"));
        }
        return false;
    }

    const TFormatSettings& fs_;
    const QDate data_;
    const QTime hora_;
    QString out_;
};

}  // namespace

QString FormatDateTime(QStringView formato, TDateTime valor, const TFormatSettings& fs) {
    if (!NoCalendario(valor))
        return {};
    Escritor escritor(valor, fs);
    escritor.Escrever(formato.isEmpty() ? QStringView(u"c") : formato, 0);
    return escritor.Texto();
}

QString FormatDateTime(QStringView formato, TDateTime valor) {
    return FormatDateTime(formato, valor, FormatSettings());
}

}  // namespace Rtl
