// Dates and times: the figures of the operations' contracts with the clock fixed on
// Wednesday 9 December 2026 at 14:35, and the cover of every day by GetPeriodos on generated
// ranges.
#include <gtest/gtest.h>

#include <QTimeZone>
#include <random>

#include "base/Relogio.h"
#include "base/mConst.h"
#include "sistema/datas/TmDtDatas.h"

namespace {

TDateTime D(int ano, int mes, int dia, int hora = 0, int minuto = 0) {
    return DataHora::Combinar(DataHora::FromQDate(QDate(ano, mes, dia)),
                              DataHora::FromQTime(QTime(hora, minuto)));
}
std::string Texto(TDateTime data) {
    return DataHora::ToQDateTime(data).toString(Qt::ISODateWithMs).toStdString();
}

// A format given as a string literal must not reach the Boolean overload of Data2Ansi.
template <class T>
concept AceitaFormato = requires(T formato) {
    TmDt::Data2Ansi(0.0, formato);
};

class Datas : public ::testing::Test {
protected:
    void SetUp() override { Relogio::Fixar(D(2026, 12, 9, 14, 35)); }
    void TearDown() override {
        Relogio::Liberar();
        mConst::DefinirRegionais(TFormatSettings::Brasileiro());
    }
};

}  // namespace

TEST_F(Datas, SetAjusteSomaNaOrdemDiasMesesSemanasAnos) {
    const struct {
        TDateTime data;
        int dias, meses, semanas, anos;
        TDateTime esperado;
    } casos[] = {
        {D(2024, 1, 30), 1, 1, 0, 0, D(2024, 2, 29)},  // the day first, then the month
        {D(2024, 1, 31, 10), 0, 1, 0, 0, D(2024, 2, 29, 10)},
        {D(2024, 2, 29), 0, 0, 0, 1, D(2025, 2, 28)},
        {D(2024, 3, 1), 0, 0, -1, 0, D(2024, 2, 23)},
        {0, 0, 0, 0, 0, D(2026, 12, 9)},  // 0 is today
        {0, -9, 1, 0, 0, D(2026, 12, 30)},
        {-1.25, 1, 0, 0, 0, 0.25},  // across 30 December 1899
    };
    for (const auto& c : casos)
        EXPECT_EQ(Texto(TmDt::SetAjuste(c.data, c.dias, c.meses, c.semanas, c.anos)),
                  Texto(c.esperado))
            << Texto(c.data);
    EXPECT_EQ(Texto(TmDt::AddHours(D(2026, 12, 31, 23), 2)), Texto(D(2027, 1, 1, 1)));
    EXPECT_EQ(Texto(TmDt::AddMinutes(D(1899, 12, 30, 0, 10), -20)), Texto(D(1899, 12, 29, 23, 50)));
    EXPECT_EQ(Texto(TmDt::AddDays(D(2026, 3, 1, 6), -1)), Texto(D(2026, 2, 28, 6)));
    EXPECT_EQ(Texto(TmDt::AddMonths(D(2026, 3, 31, 6), -1)), Texto(D(2026, 2, 28, 6)));
    EXPECT_EQ(Texto(TmDt::AddYears(D(2026, 3, 31), 2)), Texto(D(2028, 3, 31)));
}

TEST_F(Datas, LimitesDeSemanaMesEAno) {
    const TDateTime quarta = D(2026, 12, 9, 14, 35);
    EXPECT_EQ(Texto(TmDt::SetInicioDaSemana(quarta)), Texto(D(2026, 12, 6, 14, 35)));
    EXPECT_EQ(Texto(TmDt::SetFimDaSemana(quarta)), Texto(D(2026, 12, 12, 14, 35)));
    EXPECT_EQ(TmDt::SetFimDaSemana(0), 0);  // 30 December 1899 is a Saturday
    EXPECT_EQ(Texto(TmDt::SetInicioDaSemana(0)), Texto(D(1899, 12, 24)));
    EXPECT_EQ(Texto(TmDt::SetInicioDoMes(quarta)), Texto(D(2026, 12, 1)));
    EXPECT_EQ(Texto(TmDt::SetFimDoMes(D(2024, 2, 3))),
              Texto(D(2024, 2, 29) + DataHora::FromQTime(QTime(23, 59, 59, 999))));
    EXPECT_EQ(Texto(TmDt::SetInicioDoAno(quarta)), Texto(D(2026, 1, 1)));
    EXPECT_TRUE(TmDt::IsUltimoDiaMes(D(2026, 2, 28, 23)));
    EXPECT_FALSE(TmDt::IsUltimoDiaMes(D(2024, 2, 28)));
    EXPECT_EQ(TmDt::DaysInMonth(D(2024, 2, 3)), 29);
    EXPECT_TRUE(TmDt::IsLeapYear(D(2000, 5, 5)));
    EXPECT_FALSE(TmDt::IsLeapYear(D(1900, 5, 5)));
    EXPECT_EQ(Texto(TmDt::SetYear(D(2024, 2, 29, 10), 2023)), Texto(D(2023, 2, 28)));
    EXPECT_EQ(Texto(TmDt::SetYear(D(2024, 2, 29), 2028)), Texto(D(2028, 2, 28)));
    EXPECT_EQ(TmDt::SetYear(D(2024, 2, 29), 0), 0);
    EXPECT_TRUE(TmDt::Between(D(2026, 1, 1), D(2026, 1, 1), D(2026, 1, 2)));
    EXPECT_TRUE(TmDt::Between(D(2026, 1, 2), D(2026, 1, 1), D(2026, 1, 2)));
    EXPECT_FALSE(TmDt::Between(D(2026, 1, 3), D(2026, 1, 1), D(2026, 1, 2)));
    EXPECT_EQ(TmDt::GetDiasDatas(D(2026, 3, 1, 18), D(2026, 3, 2, 6)), 0);
    EXPECT_EQ(TmDt::GetDiasDatas(D(2026, 3, 2, 6), D(2026, 1, 1)), -60);
    EXPECT_EQ(TmDt::GetDiasDatas(std::nan(""), D(2026, 1, 1)), 0);
    EXPECT_EQ(TmDt::GetAno(D(2007, 1, 1), true), 7);
    EXPECT_EQ(TmDt::GetDia(1e300), 0);
    EXPECT_EQ(TmDt::SetInicioDoMes(std::nan("")), 0);
}

TEST_F(Datas, CompletaData) {
    const struct {
        const char16_t* digitado;
        const char16_t* completo;
    } casos[] = {
        {u"15/  /    ", u"15/12/2026"},
        {u"15/12/    ", u"15/12/2026"},
        {u"15/12/23  ", u"15/12/2023"},
        {u"15/12/98  ", u"15/12/1998"},
        {u"15/12/00  ", u"15/12/2000"},
        {u"15/12/2023", u"15/12/2023"},
        {u"  /  /    ", u"09/12/2026"},
        {u"  /  /       :  ", u"09/12/2026 14:35:00"},
        {u"15/12/2023   :  ", u"15/12/2023 14:35"},
        {u"15/12/2023 08:1 ", u"15/12/2023 08:1 "},
        {u"15/  /     08:10", u"15/12/2026 08:10"},  // the typed time is kept
        {u"15/12/     08:10", u"15/12/2026 08:10"},
        {u"15/12/24   08:10", u"15/12/2024 08:10"},
        {u"15/  /        :  ", u"15/12/2026 14:35"},
        {u"15/12/2", u"09/12/2026"},  // shorter than a date mask
        {u"  /12/2023", u"  /12/2023"},
        {u"00/12/2023", u"00/12/2023"},
        {u"xx/12/2023", u"xx/12/2023"},
        {u"15/12/ab  ", u"15/12/2026"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TmDt::CompletaData(QString::fromUtf16(c.digitado)),
                  QString::fromUtf16(c.completo))
            << QString::fromUtf16(c.digitado).toStdString();
}

TEST_F(Datas, HorasEMinutos) {
    const struct {
        const char16_t* mascara;
        const char16_t* hora;
    } horas[] = {{u"", u"00:00"},
                 {u"12:3", u"12:30"},
                 {u"8", u"80 00"},
                 {u"1 :3 ", u"10:30"},
                 {u"12:345", u"12:34"}};
    for (const auto& c : horas)
        EXPECT_EQ(TmDt::CompletaHora(QString::fromUtf16(c.mascara)), QString::fromUtf16(c.hora));

    const struct {
        int minutos;
        const char* texto;
    } relogio[] = {{90, "01:30"},    {0, "00:00"},        {-30, "-00:30"},    {-90, "-001:30"},
                   {6000, "100:00"}, {-6000, "-0100:00"}, {-5940, "-099:00"}, {125, "02:05"}};
    for (const auto& c : relogio) {
        EXPECT_EQ(TmDt::MinParaHora(c.minutos), QLatin1String(c.texto));
        EXPECT_EQ(TmDt::HoraParaMin(QString::fromLatin1(c.texto)), c.minutos) << c.texto;
    }
    for (int m = -200000; m <= 200000; m += 7)
        ASSERT_EQ(TmDt::HoraParaMin(TmDt::MinParaHora(m)), m);
    for (const char* ilegivel : {"", ":", " : ", "abc"})
        EXPECT_EQ(TmDt::HoraParaMin(QString::fromLatin1(ilegivel)), 0) << ilegivel;
    EXPECT_EQ(TmDt::HoraParaMin(u"2:05"), 125);
    EXPECT_EQ(TmDt::HoraParaMin(u"99999999:00"), 0);  // beyond an int
}

TEST_F(Datas, FormatarTempo) {
    const struct {
        qint64 segundos;
        const char* texto;
    } casos[] = {{3723, "1 hora, 2 minutos e 3 segundos"},
                 {7200, "2 horas"},
                 {61, "1 minuto e 1 segundo"},
                 {59, "59 segundos"},
                 {60, "1 minuto"},
                 {3600, "1 hora"},
                 {3601, "1 hora e 1 segundo"},
                 {3660, "1 hora e 1 minuto"},
                 {0, ""},
                 {-5, ""}};
    for (const auto& c : casos)
        EXPECT_EQ(TmDt::FormatarTempo(c.segundos), QLatin1String(c.texto)) << c.segundos;
}

TEST_F(Datas, TextosDeDatas) {
    EXPECT_EQ(TmDt::GetDetalheAnoMesDia(D(2020, 1, 1), D(2025, 4, 13), u"/"), u"05/03/12");
    EXPECT_EQ(TmDt::GetDetalheAnoMesDia(D(2020, 1, 1), D(2020, 1, 1), u"-"), u"00-00-00");
    EXPECT_EQ(TmDt::DataDetalhe(D(2026, 12, 9, 14)), u"09/12/2026 qua");
    EXPECT_EQ(TmDt::DataDetalhe(D(2026, 12, 12)), u"12/12/2026 sab");
    EXPECT_EQ(TmDt::Data2Ansi(D(2026, 12, 9, 14, 35), true), u"'2026-12-09 14:35:00'");
    EXPECT_EQ(TmDt::Data2Ansi(D(2026, 12, 9, 14, 35), false), u"'2026-12-09'");
    EXPECT_EQ(TmDt::Hora2Ansi(D(2026, 12, 9, 14, 35), false), u"14:35:00");
    EXPECT_EQ(TmDt::Data2Ansi(D(2026, 12, 9), u"dd'x'mm", true), u"'09x12'");
    EXPECT_EQ(TmDt::Data2Ansi(D(2026, 12, 9), u"dd\"'\"mm", true), u"'09''12'");
    // The ANSI texts do not follow the regional separators.
    TFormatSettings pontos = TFormatSettings::Brasileiro();
    pontos.DateSeparator = u'.';
    pontos.TimeSeparator = u'.';
    mConst::DefinirRegionais(pontos);
    EXPECT_EQ(TmDt::Data2Ansi(D(2026, 12, 9, 14, 35), true), u"'2026-12-09 14:35:00'");
    EXPECT_EQ(TmDt::Hora2Ansi(D(2026, 12, 9, 14, 35), true), u"'14:35:00'");
    EXPECT_EQ(TmDt::DataDetalhe(D(2026, 12, 9)), u"09.12.2026 qua");
    static_assert(!AceitaFormato<const char*>);
    static_assert(AceitaFormato<bool>);
}

TEST_F(Datas, LeituraDeTextos) {
    const TDateTime padrao = -7;
    EXPECT_EQ(Texto(TmDt::StrToDateTime(u"2026-12-09 14:35:07", padrao)),
              Texto(D(2026, 12, 9, 14, 35) + 7 / 86400.0));
    for (const char* ruim : {"2026-12-09", "2026-02-30 10:00:00", "2026-12-09 24:00:00",
                             "0000-01-01 00:00:00", "2026-1x-09 10:00:00", ""})
        EXPECT_EQ(TmDt::StrToDateTime(QString::fromLatin1(ruim), padrao), padrao) << ruim;
    EXPECT_EQ(Texto(TmDt::StrToDataHora(u"09/12/2026 14:35", padrao)),
              Texto(D(2026, 12, 9, 14, 35)));
    EXPECT_EQ(TmDt::StrToDataHora(u"31/02/2026", padrao), padrao);
    EXPECT_TRUE(TmDt::DataValida(u"29/02/2024"));
    EXPECT_FALSE(TmDt::DataValida(u"29/02/2023"));
    EXPECT_TRUE(TmDt::DataValida(u"29/02/2024 10:30"));
    EXPECT_FALSE(TmDt::DataValida(u"29/02/2024 25:30"));
}

TEST_F(Datas, Nomes) {
    EXPECT_EQ(TmDt::GetNomeMes(3), u"Março");
    EXPECT_EQ(TmDt::GetNomeMes(13), u"");
    EXPECT_EQ(TmDt::GetDiaSemana(7, false), u"Sábado");
    EXPECT_EQ(TmDt::GetDiaSemana(2, true), u"Seg");
    EXPECT_EQ(TmDt::GetDiaSemana(0, true), u"");
    const struct {
        const char16_t* nome;
        int numero;
    } casos[] = {{u"segunda", 1}, {u"TERÇA", 2}, {u"qua", 3},    {u"quinta-feira", 4},
                 {u"sex", 5},     {u"sáb", 6},   {u"Sábado", 6}, {u"domingo", 7},
                 {u"do", 0},      {u"abc", 0},   {u"", 0}};
    for (const auto& c : casos)
        EXPECT_EQ(TmDt::GetNumeroDiaSemana(QString::fromUtf16(c.nome)), c.numero)
            << QString::fromUtf16(c.nome).toStdString();
}

TEST_F(Datas, GetExtPeriodo) {
    const struct {
        TDateTime inicio, fim;
        const char16_t* texto;
    } casos[] = {
        {D(2023, 12, 1), D(2023, 12, 31), u"12/23"},
        {D(2023, 12, 1), TmDt::SetFimDoMes(D(2023, 12, 1)), u"12/23"},
        {D(2023, 11, 1), D(2023, 12, 15), u"11/23 até 15/12/23"},
        {D(2023, 11, 10), D(2024, 1, 31), u"10/11/23 até 01/24"},
        {D(2023, 11, 1), D(2024, 1, 31), u"11/23 até 01/24"},
        {D(1999, 11, 10), D(1999, 11, 20), u"10/11/1999 até 20/11/1999"},
        {D(2023, 12, 1), D(2023, 12, 15), u"01/12/23 até 15/12/23"},
        {D(2023, 12, 5), D(2023, 12, 5), u"05/12/23"},
        {D(2023, 12, 5), 0, u"05/12/23"},
        {0, D(2023, 12, 6), u"06/12/23"},
        {0, 0, u"(nenhum)"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TmDt::GetExtPeriodo(c.inicio, c.fim, u"(nenhum)"), QString::fromUtf16(c.texto))
            << Texto(c.inicio) << " " << Texto(c.fim);
}

TEST_F(Datas, GetPeriodosCasosDoContrato) {
    const auto periodos = [](TDateTime de, TDateTime ate, int dias) {
        std::vector<std::string> r;
        for (const TPeriodo& p : TmDt::GetPeriodos(de, ate, dias))
            r.push_back(Texto(p.DtInicial).substr(0, 10) + ".." + Texto(p.DtFinal).substr(0, 10));
        return r;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(periodos(D(2026, 3, 1), D(2026, 3, 10), 4),
              (V{"2026-03-01..2026-03-04", "2026-03-05..2026-03-08", "2026-03-09..2026-03-10"}));
    EXPECT_EQ(periodos(D(2026, 3, 1), D(2026, 3, 3), 2),
              (V{"2026-03-01..2026-03-02", "2026-03-03..2026-03-03"}));
    EXPECT_EQ(periodos(D(2026, 3, 1), D(2026, 3, 1), 5), (V{"2026-03-01..2026-03-01"}));
    EXPECT_EQ(periodos(D(2026, 3, 9), D(2026, 3, 1), 2), (V{"2026-03-09..2026-03-01"}));
    // Fewer than one day per period: one period, never an endless loop.
    for (const int dias : {0, -1, std::numeric_limits<int>::min()})
        EXPECT_EQ(periodos(D(2026, 3, 1), D(2026, 3, 10), dias), (V{"2026-03-01..2026-03-10"}));
    EXPECT_EQ(TmDt::GetPeriodos(0, std::numeric_limits<double>::infinity(), 1).size(), 1);
    EXPECT_EQ(
        TmDt::GetPeriodos(D(2026, 3, 1), D(2026, 3, 10), std::numeric_limits<int>::max()).size(),
        1);
}

TEST_F(Datas, GetPeriodosCobreCadaDiaUmaVez) {
    std::mt19937 gerador(20261209);
    std::uniform_int_distribution<int> inicio(-1000, 80000), duracao(0, 400), dias(1, 40),
        minutos(0, 1439);
    for (int i = 0; i < 3000; ++i) {
        const double fracao = i % 2 ? minutos(gerador) / 1440.0 : 0;
        const TDateTime de = DataHora::Combinar(inicio(gerador), fracao);
        const TDateTime ate = DataHora::Combinar(DataHora::DatePart(de) + duracao(gerador), fracao);
        const int porPeriodo = dias(gerador);
        const TAPeriodo periodos = TmDt::GetPeriodos(de, ate, porPeriodo);
        ASSERT_FALSE(periodos.isEmpty());
        ASSERT_EQ(periodos.first().DtInicial, de);
        ASSERT_EQ(periodos.last().DtFinal, ate);
        QDate esperado = DataHora::ToQDate(de);
        for (const TPeriodo& p : periodos) {
            const QDate primeiro = DataHora::ToQDate(p.DtInicial),
                        ultimo = DataHora::ToQDate(p.DtFinal);
            ASSERT_EQ(primeiro, esperado) << Texto(de) << " " << Texto(ate) << " " << porPeriodo;
            ASSERT_LE(primeiro, ultimo);
            ASSERT_LT(primeiro.daysTo(ultimo), porPeriodo);
            esperado = ultimo.addDays(1);
        }
        ASSERT_EQ(esperado, DataHora::ToQDate(ate).addDays(1));
    }
}

TEST_F(Datas, GetTimeZone) {
    const struct {
        const char* zona;
        const char* texto;
    } casos[] = {{"America/Sao_Paulo", "-03:00"},
                 {"America/Noronha", "-02:00"},
                 {"Europe/Moscow", "03:00"},
                 {"Asia/Kolkata", "05:30"},
                 {"America/St_Johns", "-03:30"},
                 {"Asia/Kathmandu", "05:45"},
                 {"UTC", "00:00"},
                 {"Europe/Berlin", "01:00"}};  // standard, not summer
    for (const auto& c : casos) {
        const QTimeZone zona(c.zona);
        ASSERT_TRUE(zona.isValid()) << c.zona;
        EXPECT_EQ(TmDt::GetTimeZone(zona), QLatin1String(c.texto)) << c.zona;
    }
    // The system's zone, as the TZ variable names it.
    const QByteArray antes = qgetenv("TZ");
    qputenv("TZ", "Asia/Kolkata");
    EXPECT_EQ(TmDt::GetTimeZone(), u"05:30");
    qputenv("TZ", "America/Sao_Paulo");
    EXPECT_EQ(TmDt::GetTimeZone(), u"-03:00");
    if (antes.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", antes);
}
