#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include "display/canal/LeitorLinhas.h"
#include "display/protocolo/ListaSep.h"

namespace {

constexpr int EsperaMs = 30000;

struct Execucao {
    int status = -1;
    QByteArray recebido;  // every byte the simulator sent, as the display would read them
    QString erros;
};

// Runs pos-simulador against a plain listener on loopback and collects what it sent.
Execucao Rodar(QStringList argumentos, const QByteArray& entrada = {}) {
    QTcpServer display;
    EXPECT_TRUE(display.listen(QHostAddress::LocalHost));
    QProcess simulador;
    argumentos << QStringLiteral("--porta") << QString::number(display.serverPort());
    simulador.start(QStringLiteral(POS_SIMULADOR), argumentos);
    simulador.write(entrada);
    simulador.closeWriteChannel();
    EXPECT_TRUE(simulador.waitForFinished(EsperaMs));

    Execucao execucao;
    execucao.status = simulador.exitCode();
    execucao.erros = QString::fromUtf8(simulador.readAllStandardError());
    // The connection waits in the accept queue with its bytes even after the simulator ended.
    if (display.waitForNewConnection(0)) {
        QTcpSocket* conexao = display.nextPendingConnection();
        while (conexao->state() == QAbstractSocket::ConnectedState &&
               conexao->waitForReadyRead(EsperaMs)) {
        }
        execucao.recebido = conexao->readAll();
    }
    return execucao;
}

// The moments, on the test's clock, at which each line (up to its line feed) had arrived in what
// the connection received; reads until every line of `linhas` has.
QList<qint64> ChegadasDasLinhas(QTcpSocket& conexao, const QElapsedTimer& relogio, int linhas,
                                QByteArray& recebido) {
    QList<qint64> chegadas;
    while (chegadas.size() < linhas &&
           (conexao.bytesAvailable() > 0 || conexao.waitForReadyRead(EsperaMs))) {
        recebido += conexao.readAll();
        const qint64 agora = relogio.elapsed();
        while (chegadas.size() < recebido.count('\n') && chegadas.size() < linhas)
            chegadas.append(agora);
    }
    return chegadas;
}

QTcpSocket* AceitarConexao(QTcpServer& servidor) {
    return servidor.waitForNewConnection(EsperaMs) ? servidor.nextPendingConnection() : nullptr;
}

}  // namespace

TEST(PosSimulador, SendsLinesOfTheNotationAndReportsBadOnes) {
    const Execucao execucao = Rodar({"--pausa", "0", "5:", "e:0,50|35,77", "101:x", "x:sem código",
                                     "10:fora", "6:Obrigado pela preferência!|Atenção ½"});
    EXPECT_EQ(execucao.recebido, QByteArray("\x05 \ne 0,50|35,77\ne x\n"
                                            "\x06 Obrigado pela preferencia!|Atencao ?\n"));
    EXPECT_EQ(execucao.status, 1);
    EXPECT_TRUE(execucao.erros.contains("x:sem código")) << execucao.erros.toStdString();
    EXPECT_TRUE(execucao.erros.contains("10:fora")) << execucao.erros.toStdString();
}

TEST(PosSimulador, ReadsStandardInputSkippingBlankAndCommentLines) {
    const Execucao execucao = Rodar({"--pausa", "0", "-"}, "# venda\n\n7:linha um\r\n9:1,00|98,00");
    EXPECT_EQ(execucao.status, 0) << execucao.erros.toStdString();
    EXPECT_EQ(execucao.recebido, QByteArray("\x07 linha um\n\x09 1,00|98,00\n"));
}

TEST(PosSimulador, DemonstrationSaleIsWellFormed) {
    const Execucao execucao = Rodar({"--demo", "--pausa", "0"});
    ASSERT_EQ(execucao.status, 0) << execucao.erros.toStdString();

    ASSERT_TRUE(execucao.recebido.endsWith('\n'));
    QStringList linhas;
    for (const QByteArray& linha : execucao.recebido.chopped(1).split('\n')) {
        linhas.append(LeitorLinhas::Decodificar(linha));
    }
    ASSERT_GE(linhas.size(), 10);
    QSet<int> codigos;
    for (const QString& linha : linhas) {
        const int codigo = linha.at(0).unicode();
        const QString parametros = linha.mid(2);
        codigos.insert(codigo);
        EXPECT_FALSE(linha.contains(QChar(0xFFFD))) << linha.toStdString();
        const QStringList campos = DividirCampos(parametros, u'|');
        switch (codigo) {
            case 1: {
                const QStringList registros = DividirCampos(parametros, u'&');
                for (const QString& registro : registros) {
                    EXPECT_EQ(DividirCampos(registro, u'|').size(), 11) << registro.toStdString();
                }
                EXPECT_TRUE(registros.constLast().startsWith("TOTAL|"));
                break;
            }
            case 3:
            case 8:
                EXPECT_EQ(campos.size(), 4) << linha.toStdString();
                break;
            case 4:
                EXPECT_EQ(campos.size(), 14) << linha.toStdString();
                break;
            case 6:
            case 9:
            case 101:
                EXPECT_EQ(campos.size(), 2) << linha.toStdString();
                break;
        }
    }
    EXPECT_EQ(codigos, (QSet<int>{1, 3, 4, 5, 6, 8, 9, 101}));
    EXPECT_EQ(linhas.constLast(), "\x05 ");
}

TEST(PosSimulador, UnreachableDisplayIsReported) {
    QTcpServer livre;
    ASSERT_TRUE(livre.listen(QHostAddress::LocalHost));
    const QString porta = QString::number(livre.serverPort());
    livre.close();

    QProcess simulador;
    simulador.start(QStringLiteral(POS_SIMULADOR), {"--porta", porta, "5:"});
    ASSERT_TRUE(simulador.waitForFinished(EsperaMs));
    EXPECT_EQ(simulador.exitCode(), 1);
    EXPECT_TRUE(simulador.readAllStandardError().contains(porta.toUtf8()));
}

// A sale as a POS sends it, in pieces and with pauses, with bytes that the recording must escape:
// the code bytes, a tab, a backslash, a byte above 127 and a carriage return before a line feed.
// No assertion leans on the pauses: the recorded moments are bounded by what the test saw (a
// line is recorded after it was sent and before it was passed on), and each replayed line arrives
// no earlier than its recorded moment after the replay started.
TEST(PosSimulador, RecordingAndReplayGiveBackWhatThePosSentLineForLine) {
    const QList<QByteArray> envios{
        "\x05 \n", "\x01 1|789|P\xc3\xa3O\\FRANC\xcaS|1|UN|0,50|0,50||0|0|0&TO",
        "TAL|0,50|||||||||\n", "\x03 0,50|0|0|0\r\n\x04 Dinheiro|1,00||||||||\t|-0,50|0,50|0|0\n",
        "\x06 Obrigado!|Volte sempre\n"};
    const QByteArray venda = envios.join();
    const int kLinhas = int(venda.count('\n'));
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath("venda.txt");

    QTcpServer display;
    ASSERT_TRUE(display.listen(QHostAddress::LocalHost));
    QProcess gravador;
    gravador.start(QStringLiteral(POS_SIMULADOR), {"--gravar", arquivo, "--escutar", "0", "--porta",
                                                   QString::number(display.serverPort())});
    QByteArray aviso;
    while (!aviso.contains('\n') && gravador.waitForReadyRead(EsperaMs)) {
        aviso += gravador.readAllStandardOutput();
    }
    const quint16 portaEscuta = aviso.trimmed().split(' ').constLast().toUShort();
    ASSERT_NE(portaEscuta, 0) << aviso.toStdString();

    QTcpSocket pdv;
    pdv.connectToHost(QHostAddress::LocalHost, portaEscuta);
    ASSERT_TRUE(pdv.waitForConnected(EsperaMs));
    QElapsedTimer relogio;  // the same monotonic clock as the recorder's
    relogio.start();
    QList<qint64> enviadas;    // when the piece that ends each line was written
    QList<qint64> repassadas;  // when each line had come through to the display
    QTcpSocket* encaminhada = nullptr;
    QByteArray recebido;
    for (const QByteArray& envio : envios) {
        const qint64 antes = relogio.elapsed();
        pdv.write(envio);
        ASSERT_TRUE(pdv.waitForBytesWritten(EsperaMs));
        for (qsizetype i = 0; i < envio.count('\n'); ++i)
            enviadas.append(antes);
        if (!encaminhada)
            encaminhada = AceitarConexao(display);
        ASSERT_NE(encaminhada, nullptr);
        // Waits for the lines completed so far to come through, so that the next piece is read
        // apart; a piece that ends no line just pauses.
        if (envio.contains('\n'))
            repassadas += ChegadasDasLinhas(*encaminhada, relogio,
                                            int(enviadas.size() - repassadas.size()), recebido);
        QThread::msleep(150);
    }
    EXPECT_EQ(recebido, venda);
    ASSERT_EQ(repassadas.size(), kLinhas);
    pdv.disconnectFromHost();
    gravador.terminate();
    ASSERT_TRUE(gravador.waitForFinished(EsperaMs));

    QFile gravacao(arquivo);
    ASSERT_TRUE(gravacao.open(QIODevice::ReadOnly));
    QList<qint64> instantes;
    for (const QByteArray& linha : gravacao.readAll().split('\n')) {
        if (!linha.isEmpty() && !linha.startsWith('#')) {
            instantes.append(linha.left(linha.indexOf('\t')).toLongLong());
        }
    }
    ASSERT_EQ(instantes.size(), kLinhas);
    EXPECT_EQ(instantes.first(), 0);
    EXPECT_TRUE(std::is_sorted(instantes.begin(), instantes.end()));
    // Line k was recorded between its sending and its coming through, and so was line 1: the
    // recorded gap lies between what the test saw (with two milliseconds for the roundings down).
    for (int k = 1; k < kLinhas; ++k) {
        SCOPED_TRACE(k);
        EXPECT_GE(instantes[k], enviadas[k] - repassadas[0] - 2);
        EXPECT_LE(instantes[k], repassadas[k] - enviadas[0] + 2);
    }

    QTcpServer reproducao;
    ASSERT_TRUE(reproducao.listen(QHostAddress::LocalHost));
    QElapsedTimer inicioReproducao;
    inicioReproducao.start();
    QProcess reprodutor;
    reprodutor.start(QStringLiteral(POS_SIMULADOR), {"--reproduzir", arquivo, "--porta",
                                                     QString::number(reproducao.serverPort())});
    QTcpSocket* recebida = AceitarConexao(reproducao);
    ASSERT_NE(recebida, nullptr);
    QByteArray reproduzido;
    const QList<qint64> chegadas =
        ChegadasDasLinhas(*recebida, inicioReproducao, kLinhas, reproduzido);
    EXPECT_EQ(reproduzido, venda);
    ASSERT_EQ(chegadas.size(), kLinhas);
    for (int k = 0; k < kLinhas; ++k)
        EXPECT_GE(chegadas[k], instantes[k]) << "line " << k;
    ASSERT_TRUE(reprodutor.waitForFinished(EsperaMs));
    EXPECT_EQ(reprodutor.exitCode(), 0) << reprodutor.readAllStandardError().toStdString();
}

TEST(PosSimulador, DamagedRecordingIsRefusedWholeWithItsLineNumber) {
    const struct {
        QByteArray conteudo;
        const char* erro;
    } casos[] = {
        {"0\t\\x05 \nsem instante\n", "linha 2"},
        {"# comentário\n0\t\\x05 \n10\t\\x07 \\xZZ\n", "linha 3"},
        {"0\t\\x05 \n10\t\\x07 a\n5\t\\x07 b\n", "linha 3"},
        {"0\t\\x07 barra solta \\\n", "linha 1"},
        {"-5\t\\x05 \n", "linha 1"},
    };
    for (const auto& caso : casos) {
        QTemporaryDir pasta;
        QFile arquivo(pasta.filePath("gravacao.txt"));
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(caso.conteudo);
        arquivo.close();
        const Execucao execucao = Rodar({"--reproduzir", arquivo.fileName()});
        EXPECT_EQ(execucao.status, 2) << caso.conteudo.toStdString();
        EXPECT_TRUE(execucao.erros.contains(caso.erro)) << execucao.erros.toStdString();
        EXPECT_TRUE(execucao.recebido.isEmpty()) << caso.conteudo.toStdString();
    }
}
