#include <gtest/gtest.h>

#include <QFile>

#include "display/regras/ConfiguracaoDisplay.h"
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
        EXPECT_EQ(ConfiguracaoDisplay{.Porta = c.armazenada}.PortaEfetiva(), c.efetiva)
            << c.armazenada;
}

TEST(PortaWeb, OnlyAPortNumberOpensThePage) {
    const struct {
        const char* linha;  // of section [Config]; empty: no key
        int lida;
        std::optional<std::uint16_t> efetiva;
    } casos[] = {{"", 0, std::nullopt},
                 {"PortaWeb=8080", 8080, 8080},
                 {"PortaWeb=0", 0, std::nullopt},
                 {"PortaWeb=65535", 65535, 65535},
                 {"PortaWeb=65536", 65536, std::nullopt},
                 {"PortaWeb=-80", -80, std::nullopt},
                 {"PortaWeb=oito", 0, std::nullopt},
                 {"PortaWeb=22334", 22334, std::nullopt}};  // the POS's port
    for (const auto& c : casos) {
        SCOPED_TRACE(c.linha);
        RaizTemporaria raiz;
        const QString arquivo = raiz.Criar(QStringLiteral("frente/config/Orvane.crv"),
                                           QByteArray("[Config]\r\n") + c.linha + "\r\n");
        ConfiguracaoDisplay lida = ConfiguracaoDisplay::Ler();
        EXPECT_EQ(lida.PortaWeb, c.lida);
        EXPECT_EQ(lida.PortaWebEfetiva(), c.efetiva);
        // Applying the settings page keeps the key as it was, and adds none.
        lida.Gravar();
        QFile gravado(arquivo);
        ASSERT_TRUE(gravado.open(QIODevice::ReadOnly));
        EXPECT_EQ(gravado.readAll().contains("PortaWeb"), QByteArray(c.linha).contains("PortaWeb"));
        EXPECT_EQ(ConfiguracaoDisplay::Ler().PortaWeb, c.lida);
    }
}

TEST(Configuracao, MissingKeysReadAsTheirDefaultsAndTheSizeAsTheCallerSays) {
    RaizTemporaria raiz;
    const ConfiguracaoDisplay ausente = ConfiguracaoDisplay::Ler(QSize(1024, 768));
    EXPECT_EQ(ausente.Porta, 22334);
    EXPECT_EQ(ausente.Monitor, 1);
    EXPECT_TRUE(ausente.TelaCheia);
    EXPECT_FALSE(ausente.AdaptarFundoVenda);
    EXPECT_FALSE(ausente.Debug);
    EXPECT_EQ(ausente.CantoFixo(), std::nullopt);
    EXPECT_EQ(QSize(ausente.Largura, ausente.Altura), QSize(1024, 768));

    raiz.Criar(
        QStringLiteral("frente/config/Orvane.crv"),
        "[Outra]\r\nPorta=1\r\n[config]\r\nPorta=70000\r\nMonitor=2\r\nTelaCheia=true\r\n"
        "Largura=abc\r\nAltura=700\r\nAdaptarFundoVenda=1\r\nTop=0\r\nLeft=5\r\nDebug=1\r\n");
    const ConfiguracaoDisplay lida = ConfiguracaoDisplay::Ler();
    EXPECT_EQ(lida.PortaEfetiva(), 4464);
    EXPECT_EQ(lida.Monitor, 2);
    EXPECT_FALSE(lida.TelaCheia);                                  // only "1" is true
    EXPECT_EQ(QSize(lida.Largura, lida.Altura), QSize(800, 700));  // unreadable: the default
    EXPECT_TRUE(lida.AdaptarFundoVenda);
    EXPECT_TRUE(lida.Debug);
    EXPECT_EQ(lida.CantoFixo(), QPoint(5, 0));
    EXPECT_EQ((ConfiguracaoDisplay{.Top = 0, .Left = -1}.CantoFixo()), std::nullopt);
}

TEST(Configuracao, WritesTheAppliedKeysInOrderAndKeepsTheRest) {
    RaizTemporaria raiz;
    const QString arquivo = raiz.Criar(QStringLiteral("frente/config/Orvane.crv"),
                                       "; monitor\r\n[Config]\r\nTop=10\r\nMonitor=3\r\n");
    ConfiguracaoDisplay{.Porta = 30000,
                        .Monitor = 0,
                        .TelaCheia = false,
                        .Largura = 1024,
                        .Altura = 768,
                        .AdaptarFundoVenda = true,
                        .Top = 99,
                        .Debug = true}
        .Gravar();
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(),
              "; monitor\r\n[Config]\r\nTop=10\r\nMonitor=0\r\nAtiva=1\r\nPorta=30000\r\n"
              "TelaCheia=0\r\nAdaptarFundoVenda=1\r\nLargura=1024\r\nAltura=768\r\n");
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
    EXPECT_EQ(CantoDaJanela(dois, {.Monitor = 2, .Top = 5, .Left = 7}), QPoint(7, 5));
    EXPECT_EQ(CantoDaJanela(dois, {.Monitor = 2, .Top = 5}), QPoint(1920, -120));
    EXPECT_EQ(TextoMonitor(1, dois[1]),
              QStringLiteral("i = 1\nPrimary = Não\nMonitorNum = 1\nLeft = 1920\nTop = -120\n"
                             "Width = 1280\nHeight = 1024"));
}

TEST(Monitor, AFullScreenWindowCoversTheMonitorOfItsCornerElseTheFirst) {
    // The second monitor first in the list, so that "first" and "primary" differ.
    const QList<TMonitor> dois = {{QRect(1920, 0, 1280, 1024), false, 0},
                                  {QRect(0, 0, 1920, 1080), true, 1}};
    const struct {
        QPoint canto;
        int monitor;
    } casos[] = {{{1, 1}, 1},       {{1920, 0}, 0}, {{3199, 1023}, 0},
                 {{1919, 1079}, 1}, {{3200, 0}, 0}, {{1919, 1080}, 0},  // outside every one
                 {{-5, 10}, 0}};
    for (const auto& c : casos)
        EXPECT_EQ(MonitorDoCanto(dois, c.canto), c.monitor) << c.canto.x() << "," << c.canto.y();
    EXPECT_EQ(MonitorDoCanto({}, QPoint(1, 1)), -1);
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

TEST(Configuracao, LegibleKeysWrittenWhenOnOrAlreadyInTheFile) {
    RaizTemporaria raiz;
    const QString arquivo =
        raiz.Criar(QStringLiteral("frente/config/Orvane.crv"), "[Config]\r\nAltoContraste=1\r\n");
    ConfiguracaoDisplay lida = ConfiguracaoDisplay::Ler();
    EXPECT_TRUE(lida.AltoContraste);
    EXPECT_FALSE(lida.Legivel);
    lida.Legivel = true;
    lida.AltoContraste = false;
    lida.Gravar();
    const ConfiguracaoDisplay relida = ConfiguracaoDisplay::Ler();
    EXPECT_TRUE(relida.Legivel);
    EXPECT_FALSE(relida.AltoContraste);
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("AltoContraste=0\r\n"));
}
