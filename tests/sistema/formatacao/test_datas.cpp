// Dates, times and sizes as text.
#include <gtest/gtest.h>

#include <QDate>
#include <QTime>

#include "base/EConvertError.h"
#include "base/Relogio.h"
#include "base/TDateTime.h"
#include "sistema/formatacao/TmStrDatas.h"

namespace {

TDateTime Dia(int ano, int mes, int dia) {
    return DataHora::FromQDate(QDate(ano, mes, dia));
}

TEST(Datas, WriteWithTheFormatterPatterns) {
    EXPECT_EQ(TmStr::FormataData(Dia(2024, 3, 5), u"dd/mm/yyyy", false),
              QStringLiteral("05/03/2024"));
    EXPECT_EQ(TmStr::FormataData(0, u"dd/mm/yyyy", false), QString());
    EXPECT_EQ(TmStr::FormataData(0, u"dd/mm/yyyy", true), QStringLiteral("30/12/1899"));
    EXPECT_EQ(TmStr::FormataHora(0.75, u"hh:nn"), QStringLiteral("18:00"));
    Relogio::Fixar(Dia(2024, 3, 5) + 0.5);
    EXPECT_EQ(TmStr::GetDataHora(u"yyyy-mm-dd hh:nn"), QStringLiteral("2024-03-05 12:00"));
    Relogio::Liberar();
}

TEST(Datas, ElapsedTimeLeavesOutZeroHoursAndMinutes) {
    const auto tempo = [](int h, int m, int s, int ms) {
        return DataHora::FromQTime(QTime(h, m, s, ms));
    };
    EXPECT_EQ(TmStr::FormataTempoDecorridoPadrao(tempo(1, 2, 3, 456)),
              QStringLiteral("01h02m03s,456"));
    EXPECT_EQ(TmStr::FormataTempoDecorridoPadrao(tempo(0, 0, 5, 123)), QStringLiteral("05s,123"));
    EXPECT_EQ(TmStr::FormataTempoDecorridoPadrao(tempo(0, 2, 3, 0)), QStringLiteral(" 02m03s,000"));
    EXPECT_EQ(TmStr::FormataTempoDecorrido(tempo(0, 2, 3, 0), u"nn:ss"), QStringLiteral("02:03"));
}

TEST(FormataDataStr, RebuildsTheDateFromItsDigits) {
    Relogio::Fixar(Dia(2024, 6, 1));
    struct Caso {
        const char16_t* data;
        bool completa;
        const char* esperado;
        const char* ansi;
    };
    const Caso casos[] = {
        {u"", false, "null", "null"},
        {u"--", true, "null", "null"},
        {u"1503", false, "15/03", "'2024-03-15'"},
        {u"150324", true, "15/03/24", "'2024-03-15'"},
        {u"150349", true, "15/03/49", "'2049-03-15'"},
        {u"03/2024", false, "01/03/2024", "'2024-03-01'"},
        {u"2024/03", false, "01/03/2024", "'2024-03-01'"},
        {u"15.03.2024", false, "15/03/2024", "'2024-03-15'"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(TmStr::FormataDataStr(c.data, c.completa, false), QString::fromUtf8(c.esperado));
        EXPECT_EQ(TmStr::FormataDataStr(c.data, c.completa, true), QString::fromUtf8(c.ansi));
    }
    EXPECT_EQ(TmStr::FormataDataStr(u"12345", false, false), QStringLiteral("12345"));
    for (const char16_t* invalida : {u"31022024", u"12345", u"3113"})
        EXPECT_THROW(TmStr::FormataDataStr(invalida, false, true), EConvertError);
    Relogio::Liberar();
}

TEST(FormatarTamanho, DividesWhileAboveAThousand) {
    struct Caso {
        double total;
        const char* esperado;
    };
    const Caso casos[] = {
        {0, "0,0 bytes"},
        {1000, "1.000,0 bytes"},
        {1500, "1,46 Kb"},
        {1024.0 * 1024 * 3, "3,0 Mb"},
        {1024.0 * 1024 * 1024 * 5000, "5.000,0 Gb"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(TmStr::FormatarTamanho(c.total), QString::fromUtf8(c.esperado));
}

}  // namespace
