#include <gtest/gtest.h>

#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>

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
