#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <sys/resource.h>

#include <memory>
#include <vector>

#include "display/canal/CanalComandos.h"
#include "display/canal/LeitorLinhas.h"

namespace {

// What the reader gives for each read: the last non-empty line completed, or a null text.
QStringList Leituras(LeitorLinhas& leitor, const QList<QByteArray>& leituras,
                     bool* dentroDoLimite = nullptr) {
    QStringList resultado;
    for (const QByteArray& dados : leituras) {
        QString ultima;
        const bool ok = leitor.AlimentarUltima(dados, ultima);
        if (dentroDoLimite) {
            *dentroDoLimite = ok;
        }
        resultado.append(ultima);
    }
    return resultado;
}

}  // namespace

TEST(LeitorLinhas, GivesTheLastLineOfEachRead) {
    const char comNul[] = "\x01\0\tx\n";
    struct Caso {
        QList<QByteArray> leituras;
        QStringList esperado;
    };
    const Caso casos[] = {
        {{"\x05 a\r\n"}, {"\x05 a"}},
        {{"b\rc\n"}, {"b\rc"}},
        {{"\r\r\n"}, {"\r"}},
        {{"\n", "\r\n"}, {QString(), QString()}},
        {{"\x7f\xe7\x80\xff\n"}, {QStringLiteral("\x7f\uFFFD\uFFFD\uFFFD")}},
        {{QByteArray(comNul, sizeof comNul - 1)}, {QStringView(u"\x01\0\tx", 4).toString()}},
        {{"um\ndois\n\n"}, {"dois"}},
        {{"x\nab", "c\nd", "\n"}, {"x", "abc", "d"}},
        {{"x\nab", "c\n\r\n"}, {"x", "abc"}},
        {{"sem fim"}, {QString()}},
    };
    for (const Caso& caso : casos) {
        LeitorLinhas leitor;
        EXPECT_EQ(Leituras(leitor, caso.leituras), caso.esperado) << caso.leituras.join('+').data();
    }
}

TEST(LeitorLinhas, GivesEveryLineWhateverTheChunking) {
    const QByteArray fluxo("\x05 a\r\nb\rc\n\n\r\n\xe7\nfim\nsem fim");
    const QStringList esperadas{"\x05 a", "b\rc", "", "", QStringLiteral("\uFFFD"), "fim"};
    for (const qsizetype pedaco : {qsizetype(1), qsizetype(3), fluxo.size()}) {
        LeitorLinhas leitor;
        QStringList linhas;
        for (qsizetype pos = 0; pos < fluxo.size(); pos += pedaco) {
            leitor.Alimentar(fluxo.mid(pos, pedaco), [&](QString linha) { linhas.append(linha); });
        }
        EXPECT_EQ(linhas, esperadas) << pedaco;
    }
}

TEST(LeitorLinhas, DecodesTheConfiguredEncodingAndMarksWhereItFails) {
    using enum CodificacaoLinhas;
    struct Caso {
        CodificacaoLinhas codificacao;
        QByteArray linha;
        QString esperado;
    };
    const Caso casos[] = {
        {Utf8,
         "A\xC3\x87\xC3\x9A"
         "CAR",
         QStringLiteral("AÇÚCAR")},
        {Utf8,
         "\xEF\xBB\xBF"
         "P\xC3\x83O\r",
         QStringLiteral("PÃO")},
        {Utf8,
         "P\xC3O FRANC\xCA"
         "S",
         QStringLiteral("P\uFFFDO FRANC\uFFFDS")},  // 1252 bytes
        {Utf8, "\xE2\x82\xAC\xF0\x9F\x98\x80", QStringLiteral("€\U0001F600")},
        {Windows1252,
         "P\xC3O FRANC\xCA"
         "S",
         QStringLiteral("PÃO FRANCÊS")},
        {Windows1252, "\x80\x81\x8D\x8F\x90\x9D\x9F",
         QStringLiteral("€\uFFFD\uFFFD\uFFFD\uFFFD\uFFFDŸ")},
        {Windows1252, "A\xC3\x87", QStringLiteral("AÃ‡")},  // UTF-8 bytes read as 1252
        {Ascii7,
         "A\xC3\x87"
         "CAR",
         QStringLiteral("A\uFFFD\uFFFDCAR")},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(LeitorLinhas::Decodificar(caso.linha, caso.codificacao), caso.esperado)
            << caso.linha.toHex().data();
        // Byte by byte, a character split over reads is joined before it is decoded.
        LeitorLinhas leitor(caso.codificacao);
        QStringList linhas;
        for (const char byte : caso.linha + '\n')
            leitor.Alimentar(QByteArray(1, byte), [&](QString linha) { linhas.append(linha); });
        EXPECT_EQ(linhas, QStringList{caso.esperado}) << caso.linha.toHex().data();
    }
}

TEST(LeitorLinhas, EncodingNamesAndTheByteLimitOfWideCharacters) {
    using enum CodificacaoLinhas;
    const std::pair<const char*, CodificacaoLinhas> nomes[] = {
        {"UTF-8", Utf8},         {" utf8 ", Utf8},      {"Windows-1252", Windows1252},
        {"cp1252", Windows1252}, {"1252", Windows1252}, {"", Ascii7},
        {"latin1", Ascii7},
    };
    for (const auto& [nome, codificacao] : nomes)
        EXPECT_EQ(LeitorLinhas::CodificacaoPorNome(QString::fromUtf8(nome)), codificacao) << nome;

    // The limit counts bytes as they travel, not the characters they decode to.
    const qsizetype limite = LeitorLinhas::kMaximoBytesLinha;
    QByteArray doisBytes;
    for (qsizetype i = 0; i < limite / 2; ++i)
        doisBytes += "\xC3\x87";
    LeitorLinhas leitor(Utf8);
    QString ultima;
    EXPECT_TRUE(leitor.AlimentarUltima(doisBytes + '\n', ultima));
    EXPECT_EQ(ultima, QString(limite / 2, QChar(0xC7)));
    EXPECT_FALSE(leitor.AlimentarUltima(doisBytes + "\xC3\x87\n", ultima));
}

TEST(LeitorLinhas, LimitCountsEveryByteBeforeTheLineFeed) {
    const qsizetype limite = LeitorLinhas::kMaximoBytesLinha;
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
        const QStringList linhas = Leituras(leitor, {caso.dados}, &dentroDoLimite);
        EXPECT_EQ(dentroDoLimite, caso.aceito) << caso.dados.size();
        EXPECT_EQ(linhas.front().isNull(), !caso.aceito) << caso.dados.size();
    }

    // Split over reads, the line in progress counts as a whole.
    LeitorLinhas leitor;
    bool dentroDoLimite = false;
    EXPECT_EQ(Leituras(leitor, {"ok\n" + QByteArray(limite - 10, 'x')}, &dentroDoLimite),
              QStringList{"ok"});
    EXPECT_TRUE(dentroDoLimite);
    EXPECT_EQ(Leituras(leitor, {QByteArray(11, 'x') + '\n'}, &dentroDoLimite),
              QStringList{QString()});
    EXPECT_FALSE(dentroDoLimite);

    // Lines completed before the long one in the same read still count.
    LeitorLinhas outro;
    EXPECT_EQ(Leituras(outro, {"ok\n" + QByteArray(limite + 1, 'x')}, &dentroDoLimite),
              QStringList{"ok"});
    EXPECT_FALSE(dentroDoLimite);
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

    // Polls until the condition holds, without running this thread's event loop: the hand-off
    // timer runs here, so while a test waits in this, no command is dispatched and the lines sent
    // meanwhile meet in the slot as they would within one timer period.
    template <typename Condicao>
    static bool Aguardar(Condicao&& condicao) {
        QElapsedTimer prazo;
        prazo.start();
        while (!condicao() && prazo.elapsed() < EsperaMs) {
            QThread::msleep(1);
        }
        return condicao();
    }

    bool AguardarConexoes(int quantidade) {
        return Aguardar([&] { return canal.Conexoes() == quantidade; });
    }

    bool AguardarPendente(const QString& linha) {
        return Aguardar([&] { return canal.UltimoComando() == linha; });
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
    ASSERT_TRUE(AguardarPendente("\x06 segunda"));
    EXPECT_EQ(ProximoComando(), (Recebido{6, "segunda"}));
    EsperarSomenteMarcador();
}

TEST_F(CanalTest, LinesFromSeveralConnectionsShareTheSlot) {
    auto primeiro = Conectar();
    auto segundo = Conectar();
    Enviar(*primeiro, "\x05 do primeiro\n");
    ASSERT_TRUE(AguardarPendente("\x05 do primeiro"));
    Enviar(*segundo, "\x06 do segundo\n");
    ASSERT_TRUE(AguardarPendente("\x06 do segundo"));
    EXPECT_EQ(ProximoComando(), (Recebido{6, "do segundo"}));
    EsperarSomenteMarcador();
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
    ASSERT_TRUE(AguardarConexoes(2));
    Enviar(*cliente, "\x05 " + QByteArray(20000, 'x') + "\n");
    EXPECT_TRUE(AguardarConexoes(1));
    EXPECT_TRUE(cliente->state() == QAbstractSocket::UnconnectedState ||
                cliente->waitForDisconnected(EsperaMs));
    EXPECT_TRUE(canal.UltimoComando().isEmpty());

    Enviar(*outro, "\x06 outro\n");
    EXPECT_EQ(ProximoComando(), (Recebido{6, "outro"}));
    EsperarSomenteMarcador();
}

TEST_F(CanalTest, PartialLineAtCloseIsDiscarded) {
    auto cliente = Conectar();
    ASSERT_TRUE(AguardarConexoes(1));
    Enviar(*cliente, "\x05 sem fim de linha");
    cliente->disconnectFromHost();
    ASSERT_TRUE(AguardarConexoes(0));
    EXPECT_TRUE(canal.UltimoComando().isEmpty());
    EsperarSomenteMarcador();
}

TEST_F(CanalTest, LineArrivingDuringDispatchRunsOnTheNextTick) {
    auto cliente = Conectar();
    QObject::connect(&canal, &CanalComandos::Comando, &canal, [&](int codigo) {
        if (codigo != 5) {
            return;
        }
        Enviar(*cliente, "\x06 durante\n");
        // The I/O thread stores the line while this dispatch runs.
        EXPECT_TRUE(AguardarPendente("\x06 durante"));
    });
    Enviar(*cliente, "\x05 antes\n");
    EXPECT_EQ(ProximoComando(), (Recebido{5, "antes"}));
    EXPECT_EQ(ProximoComando(), (Recebido{6, "durante"}));
}

TEST_F(CanalTest, HoldsThousandsOfIdleConnections) {
    constexpr int Quantidade = 1500;
    // Both ends live in this process; the channel has raised the limit as far as it may.
    rlimit limite{};
    getrlimit(RLIMIT_NOFILE, &limite);
    if (limite.rlim_cur < 2 * Quantidade + 100) {
        GTEST_SKIP() << "the hard limit of open files is " << limite.rlim_max;
    }
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
    for (int i = 1; i <= 50; ++i) {
        auto cliente = Conectar();
        const QByteArray linha = "\x07 " + QByteArray::number(i);
        Enviar(*cliente, linha + "\n");
        ASSERT_TRUE(AguardarPendente(QString::fromLatin1(linha)));
        cliente->disconnectFromHost();
    }
    EXPECT_EQ(ProximoComando(), (Recebido{7, "50"}));
    EXPECT_TRUE(AguardarConexoes(0));
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
