#include "base/mConst.h"

#include <QLocale>

#include "base/internal/Regionais.h"

namespace {

std::array<QString, 7> Dias(const char* const (&nomes)[7]) {
    std::array<QString, 7> out;
    for (int i = 0; i < 7; ++i)
        out[i] = QString::fromUtf8(nomes[i]);
    return out;
}

std::array<QString, 12> Meses(const char* const (&nomes)[12]) {
    std::array<QString, 12> out;
    for (int i = 0; i < 12; ++i)
        out[i] = QString::fromUtf8(nomes[i]);
    return out;
}

// Windows abbreviates day names to three letters; Qt's short forms may end in a point
// ("seg.") which must never reach file names or screen texts.
QString SemPonto(QString nome) {
    while (nome.endsWith(QLatin1Char('.')))
        nome.chop(1);
    return nome;
}

// Turns Qt's short date format into the library's pattern ("dd/mm/yyyy" order and separator).
void DataCurtaDoQt(const QString& qtFormat, TFormatSettings& s) {
    for (QChar c : qtFormat)
        if (!c.isLetter() && c != QLatin1Char('\'') && !c.isSpace()) {
            s.DateSeparator = c;
            break;
        }
    if (s.DateSeparator.isNull())
        s.DateSeparator = QLatin1Char('/');
    QStringList partes;
    for (QChar c : RegionaisInterno::OrdemDaData(qtFormat))
        partes << (c == 'y' ? QStringLiteral("yyyy") : QString(2, c));
    s.ShortDateFormat = partes.join(QLatin1Char('/'));
}

}  // namespace

TFormatSettings TFormatSettings::Brasileiro() {
    TFormatSettings s;
    s.DecimalSeparator = QLatin1Char(',');
    s.ThousandSeparator = QLatin1Char('.');
    s.DateSeparator = QLatin1Char('/');
    s.TimeSeparator = QLatin1Char(':');
    s.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    s.LongDateFormat = QStringLiteral("dddd, d' de 'mmmm' de 'yyyy");
    s.ShortTimeFormat = QStringLiteral("hh:nn");
    s.LongTimeFormat = QStringLiteral("hh:nn:ss");
    s.TimeAMString = QStringLiteral("AM");
    s.TimePMString = QStringLiteral("PM");
    s.CurrencyString = QStringLiteral("R$");
    s.CurrencyDecimals = 2;
    s.ShortDayNames = Dias({"dom", "seg", "ter", "qua", "qui", "sex", "sáb"});
    s.LongDayNames = Dias({"domingo", "segunda-feira", "terça-feira", "quarta-feira",
                           "quinta-feira", "sexta-feira", "sábado"});
    s.ShortMonthNames =
        Meses({"jan", "fev", "mar", "abr", "mai", "jun", "jul", "ago", "set", "out", "nov", "dez"});
    s.LongMonthNames = Meses({"janeiro", "fevereiro", "março", "abril", "maio", "junho", "julho",
                              "agosto", "setembro", "outubro", "novembro", "dezembro"});
    return s;
}

TFormatSettings TFormatSettings::DoLocale(const QLocale& locale) {
    if (locale.language() == QLocale::C)
        return Brasileiro();
    TFormatSettings s;
    s.DecimalSeparator = locale.decimalPoint().at(0);
    s.ThousandSeparator =
        locale.groupSeparator().isEmpty() ? QChar(QLatin1Char(' ')) : locale.groupSeparator().at(0);
    DataCurtaDoQt(locale.dateFormat(QLocale::ShortFormat), s);
    const QString hora = locale.timeFormat(QLocale::ShortFormat);
    s.TimeSeparator = QLatin1Char(':');
    for (QChar c : hora)
        if (!c.isLetter() && !c.isSpace()) {
            s.TimeSeparator = c;
            break;
        }
    s.LongDateFormat = s.ShortDateFormat;
    s.ShortTimeFormat = QStringLiteral("hh:nn");
    s.LongTimeFormat = QStringLiteral("hh:nn:ss");
    s.TimeAMString = locale.amText();
    s.TimePMString = locale.pmText();
    s.CurrencyString = locale.currencySymbol();
    s.CurrencyDecimals = 2;
    for (int i = 0; i < 7; ++i) {
        const int qtDay = i == 0 ? 7 : i;  // Qt counts Monday = 1 .. Sunday = 7
        s.ShortDayNames[i] = SemPonto(locale.dayName(qtDay, QLocale::ShortFormat)).left(3);
        s.LongDayNames[i] = locale.dayName(qtDay, QLocale::LongFormat);
    }
    for (int i = 0; i < 12; ++i) {
        s.ShortMonthNames[i] = SemPonto(locale.monthName(i + 1, QLocale::ShortFormat));
        s.LongMonthNames[i] = locale.monthName(i + 1, QLocale::LongFormat);
    }
    return s;
}

namespace {
struct Estado {
    TFormatSettings vivo = TFormatSettings::DoLocale(QLocale::system());
    TFormatSettings copia = vivo;
};
Estado& Global() {
    static Estado estado;
    return estado;
}
}  // namespace

TFormatSettings& FormatSettings() {
    return Global().vivo;
}

namespace mConst {
const TFormatSettings& Regionais() {
    return Global().copia;
}
void DefinirRegionais(const TFormatSettings& settings) {
    Global().vivo = settings;
    Global().copia = settings;
}
}  // namespace mConst
