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

// Reads what arrives on the connection until it holds tamanho bytes or the peer closes.
QByteArray Receber(QTcpSocket& conexao, qsizetype tamanho) {
    QByteArray recebido;
    while (recebido.size() < tamanho &&
           (conexao.bytesAvailable() > 0 || conexao.waitForReadyRead(EsperaMs))) {
        recebido += conexao.readAll();
    }
    return recebido;
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
TEST(PosSimulador, RecordingAndReplayGiveBackWhatThePosSentLineForLine) {
    const QList<QByteArray> envios{
        "\x05 \n", "\x01 1|789|P\xc3\xa3O\\FRANC\xcaS|1|UN|0,50|0,50||0|0|0&TO",
        "TAL|0,50|||||||||\n", "\x03 0,50|0|0|0\r\n\x04 Dinheiro|1,00||||||||\t|-0,50|0,50|0|0\n",
        "\x06 Obrigado!|Volte sempre\n"};
    const QByteArray venda = envios.join();
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
    for (const QByteArray& envio : envios) {
        pdv.write(envio);
        ASSERT_TRUE(pdv.waitForBytesWritten(EsperaMs));
        QThread::msleep(150);
    }
    QTcpSocket* encaminhada = AceitarConexao(display);
    ASSERT_NE(encaminhada, nullptr);
    EXPECT_EQ(Receber(*encaminhada, venda.size()), venda);
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
    ASSERT_EQ(instantes.size(), 5);
    EXPECT_EQ(instantes.first(), 0);
    EXPECT_GE(instantes.last(), 3 * 150);
    EXPECT_TRUE(std::is_sorted(instantes.begin(), instantes.end()));

    QTcpServer reproducao;
    ASSERT_TRUE(reproducao.listen(QHostAddress::LocalHost));
    QElapsedTimer relogio;
    relogio.start();
    QProcess reprodutor;
    reprodutor.start(QStringLiteral(POS_SIMULADOR), {"--reproduzir", arquivo, "--porta",
                                                     QString::number(reproducao.serverPort())});
    QTcpSocket* recebida = AceitarConexao(reproducao);
    ASSERT_NE(recebida, nullptr);
    EXPECT_EQ(Receber(*recebida, venda.size()), venda);
    EXPECT_GE(relogio.elapsed(), instantes.last());
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
