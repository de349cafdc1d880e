#include <gtest/gtest.h>

#include <QLocale>

#include "base/CaminhoWindows.h"
#include "base/CodePage.h"
#include "base/Currency.h"
#include "base/Rtl.h"
#include "base/TDateTime.h"
#include "base/mConst.h"
#include "support/RaizTemporaria.h"

namespace {

TFormatSettings ComPonto() {
    TFormatSettings s = TFormatSettings::Brasileiro();
    s.DecimalSeparator = QLatin1Char('.');
    s.ThousandSeparator = QLatin1Char(',');
    return s;
}

TEST(Regionais, LocaleCGivesBrazilianSettingsAndDayNamesHaveNoPoint) {
    const TFormatSettings c = TFormatSettings::DoLocale(QLocale::c());
    EXPECT_EQ(c.DecimalSeparator, QLatin1Char(','));
    EXPECT_EQ(c.ShortDateFormat, QStringLiteral("dd/mm/yyyy"));
    const TFormatSettings br = TFormatSettings::DoLocale(QLocale(QStringLiteral("pt_BR")));
    const QStringList esperado = {"dom", "seg", "ter", "qua", "qui", "sex", "sáb"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(br.ShortDayNames[i], esperado[i]) << i;
    EXPECT_EQ(br.DecimalSeparator, QLatin1Char(','));
    const TFormatSettings us = TFormatSettings::DoLocale(QLocale(QStringLiteral("en_US")));
    EXPECT_EQ(us.DecimalSeparator, QLatin1Char('.'));
    EXPECT_EQ(us.ShortDateFormat, QStringLiteral("mm/dd/yyyy"));
}

TEST(Rtl, GeneralTextFormOfFloats) {
    const struct {
        double valor;
        const char* br;
    } casos[] = {
        {0, "0"},
        {1, "1"},
        {-2.5, "-2,5"},
        {0.1, "0,1"},
        {1234.5, "1234,5"},
        {1e-5, "0,00001"},
        {1e-6, "1E-6"},
        {1.5e20, "1,5E20"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {1.0 / 3, "0,333333333333333"},
        {2.675, "2,675"},
        {-0.0, "0"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Rtl::FloatToStr(c.valor, TFormatSettings::Brasileiro()), QString::fromUtf8(c.br))
            << c.valor;
    EXPECT_EQ(Rtl::FloatToStr(-2.5, ComPonto()), QStringLiteral("-2.5"));
    EXPECT_EQ(Rtl::CurrToStr(Currency::FromRaw(-123450), TFormatSettings::Brasileiro()),
              QStringLiteral("-12,345"));
    EXPECT_EQ(Rtl::CurrToStr(Currency::FromRaw(INT64_MIN), TFormatSettings::Brasileiro()),
              QStringLiteral("-922337203685477,5808"));
}

TEST(Rtl, StrictFloatParse) {
    const TFormatSettings br = TFormatSettings::Brasileiro();
    const struct {
        const char* texto;
        std::optional<double> valor;
    } casos[] = {
        {"1,5", 1.5},  {"  -2,25 ", -2.25}, {"1E3", 1000}, {"1,5e-2", 0.015}, {"1.5", {}},
        {"", {}},      {"1,2,3", {}},       {",5", 0.5},   {"1e", {}},        {"abc", {}},
        {"1e999", {}}, {"+7", 7},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Rtl::TryStrToFloat(QString::fromUtf8(c.texto), br), c.valor) << c.texto;
    EXPECT_EQ(Rtl::TryStrToFloat(u"1.5", ComPonto()), 1.5);
    EXPECT_EQ(Rtl::TryStrToCurr(u"0,00005", br)->Raw(), 0);
}

TEST(Rtl, StrictIntegerParse) {
    const struct {
        const char* texto;
        std::optional<std::int32_t> valor;
    } casos[] = {
        {"5", 5},           {"  5", 5},
        {"5 ", {}},         {"-12", -12},
        {"$FF", 255},       {"x10", 16},
        {"0x1f", 31},       {"2147483647", 2147483647},
        {"2147483648", {}}, {"-2147483648", INT32_MIN},
        {"$FFFFFFFF", -1},  {"", {}},
        {"-", {}},          {"1a", {}},
        {"$", {}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Rtl::TryStrToInt(QString::fromUtf8(c.texto)), c.valor) << c.texto;
    EXPECT_EQ(Rtl::TryStrToInt64(u"9223372036854775807"), INT64_MAX);
    EXPECT_EQ(Rtl::TryStrToInt64(u"9223372036854775808"), std::nullopt);
}

TEST(CodePageAnsi, RoundTripsWindows1252AndMarksWhatItLacks) {
    const QByteArray bytes("\x80\xE7\xE3o \x9F", 6);
    const QString texto = CodePage::DeAnsi(bytes);
    EXPECT_EQ(texto, QStringLiteral("€ção Ÿ"));
    EXPECT_EQ(CodePage::ParaAnsi(texto), bytes);
    EXPECT_EQ(CodePage::ParaAnsi(QStringLiteral("a\uFFFDb")), QByteArray("a?b"));
}

TEST(DataHoraTipo, ConvertsBothWaysIncludingBeforeTheEpoch) {
    EXPECT_EQ(DataHora::FromQDate(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(DataHora::FromQDateTime(QDateTime(QDate(2026, 12, 10), QTime(6, 0))), 46366.25);
    EXPECT_EQ(DataHora::ToQDateTime(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_EQ(DataHora::FromQDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
    EXPECT_EQ(DataHora::DayOfWeek(46366), 5);  // a Thursday
    EXPECT_EQ(DataHora::ToQTime(0.99999999999), QTime(0, 0));
}

TEST(Caminhos, MapsDriveCAndMatchesExistingComponentsIgnoringCase) {
    RaizTemporaria raiz;
    raiz.Criar(QStringLiteral("Frente/Config/Orvane.crv"));
    EXPECT_EQ(CaminhoWindows::Mapear(QStringLiteral("c:\\frente\\config\\orvane.CRV")),
              raiz.Caminho() + QStringLiteral("/Frente/Config/Orvane.crv"));
    EXPECT_EQ(CaminhoWindows::Mapear(QStringLiteral("C:\\frente\\skin\\Orvane_seg")),
              raiz.Caminho() + QStringLiteral("/Frente/skin/Orvane_seg"));
    EXPECT_EQ(CaminhoWindows::Mapear(QStringLiteral("dados\\a.txt")),
              QStringLiteral("dados/a.txt"));
}

}  // namespace
