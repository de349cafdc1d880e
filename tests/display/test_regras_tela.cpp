#include <gtest/gtest.h>

#include "display/regras/FundoDoDia.h"
#include "display/regras/Posicionamento.h"
#include "support/RaizTemporaria.h"

namespace {

TEST(Porta, TakenModulo65536AndZeroMeansTheDefault) {
    const struct {
        int armazenada;
        int efetiva;
    } casos[] = {{22334, 22334}, {65536, 22334}, {70000, 4464},  {0, 22334},
                 {1000, 1000},   {-1, 65535},    {131072, 22334}};
    for (const auto& c : casos)
        EXPECT_EQ(PortaEfetiva(c.armazenada), c.efetiva) << c.armazenada;
}

TEST(Monitor, PlacesOnTheConfiguredMonitorOrAtOneOne) {
    const QList<TMonitor> dois = {{QRect(0, 0, 1920, 1080), true, 0},
                                  {QRect(1920, -120, 1280, 1024), false, 1}};
    EXPECT_EQ(CantoDoMonitor(dois, 1), QPoint(0, 0));
    EXPECT_EQ(CantoDoMonitor(dois, 2), QPoint(1920, -120));
    EXPECT_EQ(CantoDoMonitor(dois, 3), QPoint(1, 1));
    EXPECT_EQ(CantoDoMonitor(dois, 0), QPoint(0, 0));  // below 1: the first monitor
    EXPECT_EQ(CantoDoMonitor(dois, -5), QPoint(0, 0));
    EXPECT_EQ(CantoDoMonitor({}, 1), QPoint(1, 1));
    EXPECT_EQ(TextoMonitor(1, dois[1]),
              QStringLiteral("i = 1\nPrimary = Não\nMonitorNum = 1\nLeft = 1920\nTop = -120\n"
                             "Width = 1280\nHeight = 1024"));
}

TEST(Fundo, WeekdayPngBeforeJpgThenTheGeneralPicture) {
    RaizTemporaria raiz;
    const TDateTime segunda = DataHora::FromQDate(QDate(2026, 12, 7));
    const TDateTime sabado = DataHora::FromQDate(QDate(2026, 12, 12));
    EXPECT_EQ(FundoDoDia::BaseDoDia(sabado), QStringLiteral("c:\\frente\\skin\\Orvane_sáb"));
    EXPECT_EQ(FundoDoDia::Escolher(segunda), std::nullopt);

    const QString geral = raiz.Criar(QStringLiteral("frente/skin/Orvane.jpg"));
    EXPECT_EQ(FundoDoDia::Escolher(segunda), geral);
    const QString jpg = raiz.Criar(QStringLiteral("frente/skin/Orvane_seg.jpg"));
    EXPECT_EQ(FundoDoDia::Escolher(segunda), jpg);
    const QString png = raiz.Criar(QStringLiteral("frente/skin/orvane_SEG.png"));
    EXPECT_EQ(FundoDoDia::Escolher(segunda), png);  // names match ignoring case
    EXPECT_EQ(FundoDoDia::Escolher(sabado), geral);
    const QString sab = raiz.Criar(QStringLiteral("frente/skin/Orvane_sáb.png"));
    EXPECT_EQ(FundoDoDia::Escolher(sabado), sab);
}

}  // namespace
