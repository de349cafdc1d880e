#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <memory>
#include <vector>

#include "CanalComandos.h"
#include "LeitorLinhas.h"
#include "ListaSep.h"

namespace {

QStringList LinhasDe(LeitorLinhas& leitor, QByteArrayView dados, bool* dentroDoLimite = nullptr) {
    QStringList linhas;
    const bool ok = leitor.Alimentar(dados, [&](QString linha) { linhas.append(linha); });
    if (dentroDoLimite) {
        *dentroDoLimite = ok;
    }
    return linhas;
}

}  // namespace

TEST(LeitorLinhas, DecodesLinesWhateverTheChunking) {
    const char bruto[] = "\x05 a\r\nb\rc\n\r\r\n\n\x7f\xe7\x80\xff\nsem fim";
    const QByteArray fluxo(bruto, sizeof bruto - 1);
    const QStringList esperadas{QStringLiteral("\x05 a"), QStringLiteral("b\rc"),
                                QStringLiteral("\r"), QString(),
                                QStringLiteral("\x7f\uFFFD\uFFFD\uFFFD")};

    LeitorLinhas inteiro;
    EXPECT_EQ(LinhasDe(inteiro, fluxo), esperadas);

    LeitorLinhas porByte;
    QStringList linhas;
    for (const char c : fluxo) {
        linhas += LinhasDe(porByte, QByteArrayView(&c, 1));
    }
    EXPECT_EQ(linhas, esperadas);
}

TEST(LeitorLinhas, KeepsNulAndControlCharacters) {
    LeitorLinhas leitor;
    const QByteArray linha("\x01\x00\x09x\n", 5);
    EXPECT_EQ(LinhasDe(leitor, linha), QStringList{QStringView(u"\x01\0\tx", 4).toString()});
}

TEST(LeitorLinhas, LimitCountsEveryByteBeforeTheLineFeed) {
    const qsizetype limite = LeitorLinhas::MaximoBytesLinha;
    struct Caso {
        QByteArray dados;
        bool aceito;
    };
    const Caso casos[] = {
        {QByteArray(limite, 'x') + '\n', true},
        {QByteArray(limite - 1, 'x') + "\r\n", true},
        {QByteArray(limite, 'x') + "\r\n", false},
        {QByteArray(limite + 1, 'x'), false},  // fails before any line feed arrives
    };
    for (const Caso& caso : casos) {
        LeitorLinhas leitor;
        bool dentroDoLimite = false;
        const QStringList linhas = LinhasDe(leitor, caso.dados, &dentroDoLimite);
        EXPECT_EQ(dentroDoLimite, caso.aceito) << caso.dados.size();
        EXPECT_EQ(linhas.size(), caso.aceito ? 1 : 0);
    }

    // Split over reads, the line in progress counts as a whole; lines before it are delivered.
    LeitorLinhas leitor;
    bool dentroDoLimite = false;
    EXPECT_EQ(LinhasDe(leitor, "ok\n" + QByteArray(limite - 10, 'x'), &dentroDoLimite),
              QStringList{"ok"});
    EXPECT_TRUE(dentroDoLimite);
    EXPECT_TRUE(LinhasDe(leitor, QByteArray(11, 'x') + '\n', &dentroDoLimite).isEmpty());
    EXPECT_FALSE(dentroDoLimite);
}

TEST(ListaSep, SplitsByTheStrictQuotedRule) {
    struct Caso {
        QString texto;
        QChar delimitador;
        QStringList campos;
    };
    const Caso casos[] = {
        {"", u'|', {}},
        {"a|b", u'|', {"a", "b"}},
        {"a|", u'|', {"a", ""}},
        {"|", u'|', {"", ""}},
        {"a||b", u'|', {"a", "", "b"}},
        {" a | b ", u'|', {" a ", " b "}},
        {"\"a|b\"|c", u'|', {"a|b", "c"}},
        {"\"a\"\"b\"", u'|', {"a\"b"}},
        {"\"a\"|", u'|', {"a", ""}},
        {"\"sem fim|x", u'|', {"sem fim|x"}},
        {"\"a\"b|c", u'|', {"a", "b", "c"}},
        {"a\"b|c", u'|', {"a\"b", "c"}},
        {QStringView(u"a|b\0|c", 6).toString(), u'|', {"a", "b"}},
        {QStringView(u"\0a", 2).toString(), u'|', {}},
        {"1|x&TOTAL|9", u'&', {"1|x", "TOTAL|9"}},
        {"TOTAL|43,80|||||||||", u'|', {"TOTAL", "43,80", "", "", "", "", "", "", "", "", ""}},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(DividirCampos(caso.texto, caso.delimitador), caso.campos)
            << caso.texto.toStdString();
    }
}

namespace {

constexpr int EsperaMs = 5000;

struct Recebido {
    int codigo;
    QString parametros;
    bool operator==(const Recebido&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Recebido& r) {
    return os << r.codigo << ":" << r.parametros.toStdString();
}

// A channel listening on a free loopback port, and clients that talk to it.
class CanalTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString erro;
        ASSERT_TRUE(canal.Ativar(0, erro)) << erro.toStdString();
        ASSERT_NE(canal.Porta(), 0);
    }

    std::unique_ptr<QTcpSocket> Conectar(const QHostAddress& endereco = QHostAddress::LocalHost) {
        auto cliente = std::make_unique<QTcpSocket>();
        cliente->connectToHost(endereco, canal.Porta());
        EXPECT_TRUE(cliente->waitForConnected(EsperaMs)) << cliente->errorString().toStdString();
        return cliente;
    }

    static void Enviar(QTcpSocket& cliente, const QByteArray& dados) {
        cliente.write(dados);
        while (cliente.bytesToWrite() > 0) {
            ASSERT_TRUE(cliente.waitForBytesWritten(EsperaMs));
        }
    }

    // The next command dispatched; a marker when none comes in time.
    Recebido ProximoComando() {
        if (espiao.isEmpty() && !espiao.wait(EsperaMs)) {
            return {-1, "nenhum comando"};
        }
        const QList<QVariant> argumentos = espiao.takeFirst();
        return {argumentos.at(0).toInt(), argumentos.at(1).toString()};
    }

    bool AguardarConexoes(int quantidade) {
        QElapsedTimer prazo;
        prazo.start();
        while (canal.Conexoes() != quantidade && prazo.elapsed() < EsperaMs) {
            QThread::msleep(1);
        }
        return canal.Conexoes() == quantidade;
    }

    // Proves that nothing else was dispatched: a marker line sent now must come next.
    void EsperarSomenteMarcador() {
        auto cliente = Conectar();
        Enviar(*cliente, "\x07 marcador\n");
        EXPECT_EQ(ProximoComando(), (Recebido{7, "marcador"}));
    }

    CanalComandos canal;
    QSignalSpy espiao{&canal, &CanalComandos::Comando};
};

}  // namespace

TEST_F(CanalTest, DispatchesCodeAndParametersOfALine) {
    auto cliente = Conectar();
    Enviar(*cliente, "\x01 1|123|ARROZ\xe7|2\r\n");
    EXPECT_EQ(ProximoComando(), (Recebido{1, QStringLiteral("1|123|ARROZ\uFFFD|2")}));

    // The second character is never read; a line of one or two characters has no parameters.
    Enviar(*cliente, "\x02X1\n");
    EXPECT_EQ(ProximoComando(), (Recebido{2, "1"}));
    Enviar(*cliente, "e\n");
    EXPECT_EQ(ProximoComando(), (Recebido{101, ""}));
    Enviar(*cliente, "1\xff\n");
    EXPECT_EQ(ProximoComando(), (Recebido{'1', ""}));
}

TEST_F(CanalTest, LastLineOfABurstWinsAndBlankLinesEraseNothing) {
    auto cliente = Conectar();
    Enviar(*cliente, "\x05 primeira\n\x06 segunda\n\n\r\n");
    EXPECT_EQ(ProximoComando(), (Recebido{6, "segunda"}));
    EsperarSomenteMarcador();
}

TEST_F(CanalTest, LinesFromSeveralConnectionsShareTheSlot) {
    auto primeiro = Conectar();
    auto segundo = Conectar();
    Enviar(*primeiro, "\x05 do primeiro\n");
    Enviar(*segundo, "\x06 do segundo\n");
    // Both usually land within one timer period; either way the second is the last one run.
    Recebido ultimo = ProximoComando();
    if (ultimo.codigo == 5) {
        ultimo = ProximoComando();
    }
    EXPECT_EQ(ultimo, (Recebido{6, "do segundo"}));
}

TEST_F(CanalTest, EachLineOfAConnectionKeptOpenIsDispatched) {
    auto cliente = Conectar();
    for (const QByteArray parametros : {"um", "dois", "tres"}) {
        Enviar(*cliente, "\x07 " + parametros + "\n");
        EXPECT_EQ(ProximoComando(), (Recebido{7, QString::fromLatin1(parametros)}));
    }
}

TEST_F(CanalTest, LineSplitOverWritesIsJoined) {
    auto cliente = Conectar();
    Enviar(*cliente, "\x06 meta");
    EXPECT_TRUE(canal.UltimoComando().isEmpty());
    Enviar(*cliente, "de|1\n");
    EXPECT_EQ(ProximoComando(), (Recebido{6, "metade|1"}));
}

TEST_F(CanalTest, OverlongLineClosesItsConnectionOnly) {
    auto outro = Conectar();
    auto cliente = Conectar();
    Enviar(*cliente, "\x05 " + QByteArray(20000, 'x') + "\n");
    EXPECT_TRUE(cliente->state() == QAbstractSocket::UnconnectedState ||
                cliente->waitForDisconnected(EsperaMs));
    Enviar(*outro, "\x06 outro\n");
    EXPECT_EQ(ProximoComando(), (Recebido{6, "outro"}));
    EsperarSomenteMarcador();
}

TEST_F(CanalTest, PartialLineAtCloseIsDiscarded) {
    auto cliente = Conectar();
    Enviar(*cliente, "\x05 sem fim de linha");
    cliente->disconnectFromHost();
    EsperarSomenteMarcador();
}

TEST_F(CanalTest, LineArrivingDuringDispatchRunsOnTheNextTick) {
    auto cliente = Conectar();
    bool enviado = false;
    QObject::connect(&canal, &CanalComandos::Comando, &canal, [&](int codigo) {
        if (codigo != 5 || enviado) {
            return;
        }
        enviado = true;
        Enviar(*cliente, "\x06 durante\n");
        QElapsedTimer prazo;
        prazo.start();
        while (canal.UltimoComando().isEmpty() && prazo.elapsed() < EsperaMs) {
            QThread::msleep(1);  // the I/O thread stores the line while this dispatch runs
        }
    });
    Enviar(*cliente, "\x05 antes\n");
    EXPECT_EQ(ProximoComando(), (Recebido{5, "antes"}));
    EXPECT_EQ(ProximoComando(), (Recebido{6, "durante"}));
}

TEST_F(CanalTest, HoldsThousandsOfIdleConnections) {
    constexpr int Quantidade = 1500;
    std::vector<std::unique_ptr<QTcpSocket>> ociosos;
    for (int i = 1; i <= Quantidade; ++i) {
        ociosos.push_back(Conectar());
        ASSERT_EQ(ociosos.back()->state(), QAbstractSocket::ConnectedState) << i;
        // Keeps the accept queue (backlog 15) from overflowing, which would only delay the test
        // by the client's SYN retransmissions.
        if (i % 10 == 0) {
            ASSERT_TRUE(AguardarConexoes(i));
        }
    }
    Enviar(*ociosos.front(), "\x07 primeiro\n");
    EXPECT_EQ(ProximoComando(), (Recebido{7, "primeiro"}));
    Enviar(*ociosos.back(), "\x07 ultimo\n");
    EXPECT_EQ(ProximoComando(), (Recebido{7, "ultimo"}));
}

TEST_F(CanalTest, NewConnectionPerLineWorks) {
    for (int i = 0; i < 50; ++i) {
        auto cliente = Conectar();
        Enviar(*cliente, "\x07 " + QByteArray::number(i) + "\n");
        cliente->disconnectFromHost();
    }
    EXPECT_EQ(ProximoComando(), (Recebido{7, "49"}))
        << "the last line of the burst is the one that runs";
}

TEST_F(CanalTest, ListensOnIPv6LoopbackWhereAvailable) {
    QTcpServer sonda;
    if (!sonda.listen(QHostAddress::LocalHostIPv6)) {
        GTEST_SKIP() << "no IPv6 on this machine";
    }
    auto cliente = Conectar(QHostAddress::LocalHostIPv6);
    Enviar(*cliente, "\x07 ipv6\n");
    EXPECT_EQ(ProximoComando(), (Recebido{7, "ipv6"}));
}

TEST_F(CanalTest, DeactivationClosesConnectionsAndReactivationWorks) {
    auto cliente = Conectar();
    ASSERT_TRUE(AguardarConexoes(1));
    canal.Desativar();
    EXPECT_EQ(canal.Conexoes(), 0);
    EXPECT_FALSE(canal.Ativo());
    EXPECT_TRUE(cliente->waitForDisconnected(EsperaMs));

    QString erro;
    ASSERT_TRUE(canal.Ativar(0, erro)) << erro.toStdString();
    EsperarSomenteMarcador();
}

TEST(CanalComandos, PortInUseGivesAClearError) {
    QTcpServer ocupante;
    ASSERT_TRUE(ocupante.listen(QHostAddress::Any));
    CanalComandos canal;
    QString erro;
    EXPECT_FALSE(canal.Ativar(ocupante.serverPort(), erro));
    EXPECT_FALSE(canal.Ativo());
    EXPECT_TRUE(erro.contains(QString::number(ocupante.serverPort()))) << erro.toStdString();
    EXPECT_TRUE(erro.contains(QStringLiteral("em uso"))) << erro.toStdString();
}
