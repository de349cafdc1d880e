#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include "sistema/rede/TmRotRede.h"
#include "support/BarramentoPrivado.h"

namespace {

const QString kNetworkManager = QStringLiteral("org.freedesktop.NetworkManager");

TEST(RotaPadrao, OnlyAnActiveDefaultRouteOffLoopbackCounts) {
    const QString cabecalho = QStringLiteral(
        "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n");
    const QString v4Padrao =
        cabecalho + QStringLiteral(
                        "eth0\t00000000\t010200C0\t0003\t0\t0\t0\t00000000\t0\t0\t0\n"
                        "eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n");
    const QString v4Local =
        cabecalho + QStringLiteral(
                        "eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n"
                        "lo\t00000000\t00000000\t0001\t0\t0\t0\t00000000\t0\t0\t0\n");
    const QString zeros(32, u'0');
    const QString v6Recusada = zeros + QStringLiteral(" 00 ") + zeros + QStringLiteral(" 00 ") +
                               zeros + QStringLiteral(" ffffffff 00000001 00000000 00200200 lo\n");
    const QString v6Padrao = zeros + QStringLiteral(" 00 ") + zeros + QStringLiteral(" 00 ") +
                             QStringLiteral("fd000000000000000000000000000001") +
                             QStringLiteral(" 00000400 00000002 00000000 00000003 eth0\n");
    EXPECT_TRUE(TmRot::RotaPadrao(v4Padrao, {}));
    EXPECT_FALSE(TmRot::RotaPadrao(v4Local, v6Recusada));
    EXPECT_TRUE(TmRot::RotaPadrao(v4Local, v6Recusada + v6Padrao));
    EXPECT_FALSE(TmRot::RotaPadrao({}, {}));
    EXPECT_FALSE(TmRot::RotaPadrao(QStringLiteral("eth0 00000000 x\n"), QStringLiteral("lixo")));
}

// A private D-Bus daemon stands for the system bus (set before the program's first use of it),
// with python3-dbusmock's NetworkManager on it in the state a test asks for.
class NetworkManagerFalso : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        barramento_ = new BarramentoPrivado;
        ASSERT_FALSE(barramento_->Endereco().isEmpty());
    }
    static void TearDownTestSuite() { delete barramento_; }
    void TearDown() override { Parar(); }

    void Iniciar(unsigned estado) {
        nm_.start(QStringLiteral("/usr/bin/python3"),
                  {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
                   QStringLiteral("--template"), QStringLiteral("networkmanager"),
                   QStringLiteral("-p"), QStringLiteral("{\"State\": %1}").arg(estado)});
        ASSERT_TRUE(nm_.waitForStarted());
        EsperarRegistro(true);
    }
    void Parar() {
        nm_.kill();
        nm_.waitForFinished();
        EsperarRegistro(false);
    }
    static void EsperarRegistro(bool registrado) {
        barramento_->EsperarServico(kNetworkManager, registrado);
    }

    QProcess nm_;
    static inline BarramentoPrivado* barramento_ = nullptr;
};

TEST_F(NetworkManagerFalso, NetworkManagersStateIsTheAnswerWhereItRuns) {
    const std::pair<unsigned, bool> casos[] = {
        {70, true},   // connected, global
        {60, false},  // connected to the site only
        {20, false},  // disconnected
    };
    for (const auto& [estado, esperado] : casos) {
        Iniciar(estado);
        EXPECT_EQ(TmRot::StatusInternet(), esperado) << estado;
        Parar();
    }
}

TEST_F(NetworkManagerFalso, WithoutNetworkManagerTheRoutesAnswer) {
    auto ler = [](const char* caminho) {
        QFile arquivo(QString::fromLatin1(caminho));
        return arquivo.open(QIODevice::ReadOnly) ? QString::fromLatin1(arquivo.readAll())
                                                 : QString();
    };
    EXPECT_EQ(TmRot::StatusInternet(),
              TmRot::RotaPadrao(ler("/proc/net/route"), ler("/proc/net/ipv6_route")));
}

}  // namespace
