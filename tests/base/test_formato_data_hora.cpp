#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <random>

#include "base/FormatoDataHora.h"
#include "base/TDateTime.h"
#include "base/mConst.h"

namespace {

const TFormatSettings kBr = TFormatSettings::Brasileiro();

TDateTime Em(int ano, int mes, int dia, int h = 0, int n = 0, int s = 0, int ms = 0) {
    return DataHora::Combinar(DataHora::FromQDate(QDate(ano, mes, dia)),
                              DataHora::FromQTime(QTime(h, n, s, ms)));
}

TEST(FormatDateTime, DelphiLettersNotQtLetters) {
    const TDateTime terca = Em(2024, 3, 5, 7, 8, 9, 45);  // a Tuesday
    const struct {
        const char16_t* formato;
        const char* esperado;
    } casos[] = {
        {u"dd/mm/yyyy hh:nn:ss", "05/03/2024 07:08:09"},
        {u"DD/MM/YYYY HH:NN:SS", "05/03/2024 07:08:09"},
        {u"d/m/yy h:n:s", "5/3/24 7:8:9"},
        {u"y yyy", "24 2024"},
        {u"ddd dddd", "ter terça-feira"},
        {u"DDD", "ter"},
        {u"ddddd", "05/03/2024"},
        {u"dddddd", "terça-feira, 5 de março de 2024"},
        {u"mmm mmmm mmmmm", "mar março março"},
        {u"z zz zzz zzzz", "45 45 045 045"},
        {u"hhh nnn sss", "07 08 09"},
        // "m" after an hour is minutes, across separators and quoted text but not across
        // another letter.
        {u"hh:mm", "07:08"},
        {u"hhmm", "0708"},
        {u"hh 'x' mm", "07 x 08"},
        {u"mm/hh", "03/07"},
        {u"hh d mm", "07 5 03"},
        {u"hh:mm:mm", "07:08:03"},
        {u"t|tt", "07:08|07:08:09"},
        {u"c", "05/03/2024 07:08:09"},
        {u"", "05/03/2024 07:08:09"},
        {u"aaa aaaa", "ter terça-feira"},
        {u"'dd/mm' \"hh\"dd", "dd/mm hh05"},
        {u"'aberto", "aberto"},
        {u"dD", "55"},
        {u"x%Q", "x%Q"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Rtl::FormatDateTime(c.formato, terca, kBr), QString::fromUtf8(c.esperado))
            << QString::fromUtf16(c.formato).toStdString();
}

TEST(FormatDateTime, TwelveHourClock) {
    const struct {
        int hora;
        const char16_t* formato;
        const char* esperado;
    } casos[] = {
        {15, u"hh:nn am/pm", "03:04 pm"},
        {7, u"h AM/PM", "7 AM"},
        {0, u"h:nn a/p", "12:04 a"},
        {12, u"h A/P", "12 P"},
        {23, u"hh ampm", "11 PM"},
        {15, u"hh 'am/pm'", "15 am/pm"},  // quoted: not a marker
        {15, u"hh h am/pm", "15 3 pm"},   // only the hour right before the marker
        {15, u"am/pm hh", "pm 03"},       // after a marker every hour is on the 12-hour clock
        {15, u"hh a", "15 a"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Rtl::FormatDateTime(c.formato, Em(2024, 3, 5, c.hora, 4), kBr),
                  QString::fromUtf8(c.esperado))
            << c.hora << " " << QString::fromUtf16(c.formato).toStdString();
}

TEST(FormatDateTime, SeparatorsAndPatternsComeFromTheSettings) {
    TFormatSettings s = kBr;
    s.DateSeparator = QLatin1Char('-');
    s.TimeSeparator = QLatin1Char('.');
    s.ShortDateFormat = QStringLiteral("yyyy/mm/dd");
    const TDateTime v = Em(2024, 3, 5, 7, 8, 9);
    EXPECT_EQ(Rtl::FormatDateTime(u"dd/mm/yyyy hh:nn:ss", v, s), u"05-03-2024 07.08.09");
    EXPECT_EQ(Rtl::FormatDateTime(u"c", v, s), u"2024-03-05 07.08.09");
    EXPECT_EQ(Rtl::FormatDateTime(u"c", Em(2024, 3, 5), s), u"2024-03-05");  // no time at 00:00:00
    // A pattern that names itself expands once instead of recursing.
    s.ShortDateFormat = QStringLiteral("ddddd|dd");
    EXPECT_EQ(Rtl::FormatDateTime(u"ddddd", v, s), u"|05");
    // The live record serves the short form.
    EXPECT_EQ(Rtl::FormatDateTime(u"dd/mm/yyyy", v), u"05/03/2024");
}

TEST(FormatDateTime, CalendarEdges) {
    EXPECT_EQ(Rtl::FormatDateTime(u"dd/mm/yyyy hh:nn", -1.25, kBr), u"29/12/1899 06:00");
    EXPECT_EQ(Rtl::FormatDateTime(u"dd/mm/yyyy yy", Em(5, 1, 2), kBr), u"02/01/0005 05");
    EXPECT_EQ(Rtl::FormatDateTime(u"dd/mm/yyyy", Em(9999, 12, 31, 23, 59, 59, 999), kBr),
              u"31/12/9999");
    for (double fora : {1e300, -1e300, std::nan(""), 2958466.0, -693594.0})
        EXPECT_EQ(Rtl::FormatDateTime(u"dd 'x'", fora, kBr), QString()) << fora;
}

// Python's datetime reads the same day counts independently: the calendar comes from its
// timedelta arithmetic and the text from strftime. Only the split of a value into day and
// millisecond of the day is the library's convention (the fraction counts forward from midnight
// also before 1899, milliseconds rounded), restated in the script.
constexpr char kScript[] = R"(
import sys, math, datetime
base = datetime.datetime(1899, 12, 30)
for linha in sys.stdin:
    v = float(linha)
    dia = math.trunc(v)
    x = abs(v - dia) * 86400000
    ms = int(x) + (1 if x - int(x) >= 0.5 else 0)
    if ms >= 86400000:
        ms -= 86400000
        dia += -1 if v < 0 else 1
    d = base + datetime.timedelta(days=dia, milliseconds=ms)
    # glibc's %Y writes years below 1000 without leading zeros; the year is padded here.
    print(d.strftime('%d/%m/') + '%04d' % d.year + d.strftime(' %H:%M:%S.%f')[:-3])
)";

TEST(FormatDateTime, NumericLettersAgreeWithPythonStrftime) {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        GTEST_SKIP() << "python3 not installed";
    std::mt19937_64 gerador(20240305);
    std::uniform_real_distribution<double> qualquer(-693593.0, 2958465.999);
    std::uniform_real_distribution<double> perto(-800.0, 800.0);
    QStringList valores;
    for (int i = 0; i < 4000; ++i) {
        const double v = i % 4 == 0 ? perto(gerador) : qualquer(gerador);
        valores << QString::number(v, 'g', 17);
    }
    QProcess processo;
    processo.start(python, {QStringLiteral("-c"), QString::fromUtf8(kScript)});
    ASSERT_TRUE(processo.waitForStarted());
    processo.write((valores.join(u'\n') + u'\n').toUtf8());
    processo.closeWriteChannel();
    ASSERT_TRUE(processo.waitForFinished(60000));
    ASSERT_EQ(processo.exitCode(), 0) << processo.readAllStandardError().toStdString();
    const QStringList esperados = QString::fromUtf8(processo.readAllStandardOutput()).split(u'\n');
    ASSERT_GE(esperados.size(), valores.size());
    int diferencas = 0;
    for (qsizetype i = 0; i < valores.size() && diferencas < 10; ++i) {
        const QString nosso =
            Rtl::FormatDateTime(u"dd/mm/yyyy hh:nn:ss.zzz", valores[i].toDouble(), kBr);
        if (nosso != esperados[i]) {
            ++diferencas;
            ADD_FAILURE() << valores[i].toStdString() << ": " << nosso.toStdString()
                          << " != " << esperados[i].toStdString();
        }
    }
}

}  // namespace
