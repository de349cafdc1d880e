#include <gtest/gtest.h>

#include "base/RtlDatas.h"
#include "base/TDateTime.h"
#include "base/mConst.h"

namespace {

const TFormatSettings kBr = TFormatSettings::Brasileiro();

TFormatSettings Americano() {
    TFormatSettings s = TFormatSettings::Brasileiro();
    s.ShortDateFormat = QStringLiteral("mm/dd/yyyy");
    s.DateSeparator = QLatin1Char('-');
    s.TimeSeparator = QLatin1Char('.');
    s.DecimalSeparator = QLatin1Char('.');
    return s;
}

TDateTime Dia(int ano, int mes, int dia) {
    return DataHora::FromQDate(QDate(ano, mes, dia));
}
TDateTime Hora(int h, int m, int s, int ms = 0) {
    return DataHora::FromQTime(QTime(h, m, s, ms));
}

TEST(RtlDatas, TextFormsAreDayFirstWithTheRegionalSeparators) {
    const TDateTime v = Dia(2024, 3, 5) + Hora(7, 8, 9, 999);
    EXPECT_EQ(Rtl::DateToStr(v, kBr), QStringLiteral("05/03/2024"));
    EXPECT_EQ(Rtl::TimeToStr(v, kBr), QStringLiteral("07:08:09"));  // milliseconds dropped
    EXPECT_EQ(Rtl::DateTimeToStr(v, kBr), QStringLiteral("05/03/2024 07:08:09"));
    EXPECT_EQ(Rtl::DateTimeToStr(v, Americano()), QStringLiteral("05-03-2024 07.08.09"));
    EXPECT_EQ(Rtl::DateToStr(Dia(5, 1, 2), kBr), QStringLiteral("02/01/0005"));
    // Before 30/12/1899 the fraction still counts forward from midnight.
    EXPECT_EQ(Rtl::DateTimeToStr(-1.25, kBr), QStringLiteral("29/12/1899 06:00:00"));
    EXPECT_EQ(Rtl::DateTimeToStr(0, kBr), QStringLiteral("30/12/1899 00:00:00"));
    // A time that rounds up to the next millisecond of midnight moves to the next day.
    EXPECT_EQ(Rtl::DateTimeToStr(Dia(2024, 12, 31) + 0.9999999999, kBr),
              QStringLiteral("01/01/2025 00:00:00"));
    for (double fora : {1e300, -1e300, std::nan(""), 2958466.0})
        EXPECT_EQ(Rtl::DateTimeToStr(fora, kBr), QString()) << fora;
}

TEST(RtlDatas, LiveFormsUseTheLiveRecord) {
    EXPECT_EQ(Rtl::DateToStr(Dia(2024, 3, 5)), QStringLiteral("05/03/2024"));
    EXPECT_EQ(Rtl::TryStrToDate(u"05/03/2024"), Dia(2024, 3, 5));
}

TEST(RtlDatas, DateParseFollowsTheRegionalOrderAndSeparator) {
    const struct {
        const char16_t* texto;
        std::optional<TDateTime> br;
    } casos[] = {
        {u"05/03/2024", Dia(2024, 3, 5)},
        {u"  5/3/2024\t", Dia(2024, 3, 5)},
        {u"29/02/2024", Dia(2024, 2, 29)},
        {u"01/01/0001", Dia(1, 1, 1)},
        {u"31/12/9999", Dia(9999, 12, 31)},
        {u"1/1/49", Dia(2049, 1, 1)},  // one or two year digits: 1950..2049
        {u"1/1/50", Dia(1950, 1, 1)},
        {u"1/1/0", Dia(2000, 1, 1)},
        {u"1/1/024", Dia(24, 1, 1)},  // three digits are taken as written
        {u"29/02/2023", std::nullopt},
        {u"32/01/2024", std::nullopt},
        {u"00/01/2024", std::nullopt},
        {u"1/1/0000", std::nullopt},
        {u"05/03", std::nullopt},
        {u"05/03/2024 ", Dia(2024, 3, 5)},
        {u"05/03/2024x", std::nullopt},
        {u"05-03-2024", std::nullopt},
        {u"05/03/20245", std::nullopt},
        {u"005/03/2024", std::nullopt},
        {u"05 /03/2024", std::nullopt},
        {u"+5/03/2024", std::nullopt},
        {u"", std::nullopt},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Rtl::TryStrToDate(c.texto, kBr), c.br)
            << QString::fromUtf16(c.texto).toStdString();
    EXPECT_EQ(Rtl::TryStrToDate(u"03-05-2024", Americano()), Dia(2024, 3, 5));
    EXPECT_EQ(Rtl::TryStrToDate(u"13-05-2024", Americano()), std::nullopt);
    TFormatSettings iso = kBr;
    iso.ShortDateFormat = QStringLiteral("yyyy/MM/dd");
    EXPECT_EQ(Rtl::TryStrToDate(u"2024/03/05", iso), Dia(2024, 3, 5));
}

TEST(RtlDatas, TimeParse) {
    const struct {
        const char16_t* texto;
        std::optional<TDateTime> br;
    } casos[] = {
        {u"07:08:09", Hora(7, 8, 9)},
        {u" 7:8 ", Hora(7, 8, 0)},
        {u"23:59:59,5", Hora(23, 59, 59, 500)},  // a fraction of a second, not a count of ms
        {u"23:59:59,05", Hora(23, 59, 59, 50)},
        {u"00:00:00,123", Hora(0, 0, 0, 123)},
        {u"24:00:00", std::nullopt},
        {u"12:60", std::nullopt},
        {u"12:00:60", std::nullopt},
        {u"12", std::nullopt},
        {u"12:", std::nullopt},
        {u"12:00:", std::nullopt},
        {u"12:00:00,", std::nullopt},
        {u"12:00:00,1234", std::nullopt},
        {u"12:00:00.5", std::nullopt},
        {u"12:00,5", std::nullopt},
        {u"12:00 PM", std::nullopt},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Rtl::TryStrToTime(c.texto, kBr), c.br)
            << QString::fromUtf16(c.texto).toStdString();
    EXPECT_EQ(Rtl::TryStrToTime(u"07.08.09.25", Americano()), Hora(7, 8, 9, 250));
}

TEST(RtlDatas, DateTimeParseTakesADateATimeOrBoth) {
    const TDateTime dia = Dia(2024, 3, 5);
    const struct {
        const char16_t* texto;
        std::optional<TDateTime> br;
    } casos[] = {
        {u"05/03/2024 07:08:09", dia + Hora(7, 8, 9)},
        {u" 05/03/2024 \t 07:08 ", dia + Hora(7, 8, 0)},
        {u"05/03/2024", dia},
        {u"07:08", Hora(7, 8, 0)},
        {u"29/12/1899 06:00", -1.25},
        {u"05/03/202407:08", std::nullopt},
        {u"05/03/2024 25:00", std::nullopt},
        {u"05/03/2024 07:08 x", std::nullopt},
        {u"31/02/2024 07:08", std::nullopt},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Rtl::TryStrToDateTime(c.texto, kBr), c.br)
            << QString::fromUtf16(c.texto).toStdString();
}

TEST(RtlDatas, WrittenFormsReadBack) {
    const TDateTime v = Dia(1987, 11, 23) + Hora(18, 30, 1);
    EXPECT_EQ(Rtl::TryStrToDateTime(Rtl::DateTimeToStr(v, kBr), kBr), v);
    EXPECT_EQ(Rtl::TryStrToDate(Rtl::DateToStr(v, kBr), kBr), Dia(1987, 11, 23));
    EXPECT_EQ(Rtl::TryStrToTime(Rtl::TimeToStr(v, kBr), kBr), Hora(18, 30, 1));
}

}  // namespace
