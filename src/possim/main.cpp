// pos-simulador: sends command lines to a customer display, as the POS does.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTcpSocket>
#include <QTextStream>
#include <QThread>

#include <cstdio>
#include <functional>
#include <optional>

#include "NotacaoComandos.h"
#include "VendaDemonstracao.h"

namespace {

constexpr int EsperaConexaoMs = 5000;

const char* const Descricao =
    "Envia linhas de comando a um display de cliente, como faz o PDV.\n"
    "\n"
    "Cada linha se escreve CÓDIGO:PARÂMETROS, com o código do comando (1 a 9, ou 101 a 104,\n"
    "também escritos e, f, g, h). Exemplos:\n"
    "  5:                                    limpa a venda\n"
    "  1:1|123|ARROZ 5KG|2|UN|21,90|43,80||0|0|0&TOTAL|43,80|||||||||\n"
    "  6:Obrigado pela preferência!|Volte sempre\n"
    "  e:0,50|35,77                          acréscimo no item (código 101)\n"
    "No envio o código vira um caractere (bytes 1 a 9, letras e a h), seguido de um espaço de\n"
    "enchimento, dos parâmetros e de uma quebra de linha. O protocolo é texto de 7 bits: letras\n"
    "acentuadas perdem o acento e outros caracteres fora do ASCII viram '?'. Valores levam\n"
    "vírgula decimal.\n"
    "\n"
    "Sem linhas (ou com --demo) envia uma venda de demonstração completa. Com '-' lê as linhas\n"
    "da entrada padrão, uma por linha; linhas vazias e as que começam com # são puladas.\n"
    "Entre duas linhas espera a pausa: o display executa só a última linha recebida em 100 ms.";

// Gives the next line to send, or nothing at the end.
using FonteLinhas = std::function<std::optional<QString>()>;

FonteLinhas DaLista(QStringList linhas) {
    return
        [linhas = std::move(linhas), proxima = qsizetype(0)]() mutable -> std::optional<QString> {
            if (proxima == linhas.size()) {
                return std::nullopt;
            }
            return linhas.at(proxima++);
        };
}

FonteLinhas DaEntradaPadrao() {
    return [entrada = std::make_shared<QTextStream>(stdin)]() -> std::optional<QString> {
        QString linha;
        while (entrada->readLineInto(&linha)) {
            if (!linha.trimmed().isEmpty() && !linha.startsWith(u'#')) {
                return linha;
            }
        }
        return std::nullopt;
    };
}

void Avisar(const QString& texto) {
    QTextStream(stderr) << "pos-simulador: " << texto << Qt::endl;
}

// Sends every line of the source, pausing between them. Returns the exit status: 0 when all
// were sent, 1 when a line was refused or the connection failed.
int Enviar(QTcpSocket& conexao, const FonteLinhas& fonte, int pausaMs) {
    QTextStream saida(stdout);
    int status = 0;
    bool primeira = true;
    while (const std::optional<QString> notacao = fonte()) {
        QString erro;
        const std::optional<QByteArray> linha = CodificarLinha(*notacao, erro);
        if (!linha) {
            Avisar(erro);
            status = 1;
            continue;
        }
        if (!primeira) {
            QThread::msleep(pausaMs);
        }
        primeira = false;
        conexao.write(*linha);
        while (conexao.bytesToWrite() > 0 && conexao.waitForBytesWritten(EsperaConexaoMs)) {
        }
        if (conexao.state() != QAbstractSocket::ConnectedState || conexao.bytesToWrite() > 0) {
            Avisar(QStringLiteral("conexão perdida: %1").arg(conexao.errorString()));
            return 1;
        }
        saida << "-> " << *notacao << Qt::endl;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pos-simulador"));

    QCommandLineParser opcoes;
    opcoes.setApplicationDescription(QString::fromUtf8(Descricao));
    opcoes.addHelpOption();
    const QCommandLineOption host(QStringLiteral("host"),
                                  QStringLiteral("Endereço do display (padrão 127.0.0.1)."),
                                  QStringLiteral("endereço"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption porta(QStringLiteral("porta"),
                                   QStringLiteral("Porta do display (padrão 22334)."),
                                   QStringLiteral("porta"), QStringLiteral("22334"));
    const QCommandLineOption pausa(
        QStringLiteral("pausa"),
        QStringLiteral("Espera entre duas linhas, em milissegundos (padrão 1000)."),
        QStringLiteral("ms"), QStringLiteral("1000"));
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Envia a venda de demonstração (o padrão)."));
    opcoes.addOptions({host, porta, pausa, demo});
    opcoes.addPositionalArgument(QStringLiteral("linhas"),
                                 QStringLiteral("Linhas CÓDIGO:PARÂMETROS a enviar, ou - para "
                                                "lê-las da entrada padrão."),
                                 QStringLiteral("[LINHA... | -]"));
    opcoes.process(app);

    bool portaValida = false;
    const uint numeroPorta = opcoes.value(porta).toUInt(&portaValida);
    if (!portaValida || numeroPorta == 0 || numeroPorta > 65535) {
        Avisar(QStringLiteral("porta inválida (1 a 65535): %1").arg(opcoes.value(porta)));
        return 2;
    }
    bool pausaValida = false;
    const int pausaMs = opcoes.value(pausa).toInt(&pausaValida);
    if (!pausaValida || pausaMs < 0) {
        Avisar(QStringLiteral("pausa inválida (0 ou mais milissegundos): %1")
                   .arg(opcoes.value(pausa)));
        return 2;
    }
    const QStringList linhas = opcoes.positionalArguments();
    if (opcoes.isSet(demo) && !linhas.isEmpty()) {
        Avisar(QStringLiteral("--demo não aceita linhas"));
        return 2;
    }
    const FonteLinhas fonte = linhas == QStringList{QStringLiteral("-")} ? DaEntradaPadrao()
                              : linhas.isEmpty() ? DaLista(VendaDemonstracao())
                                                 : DaLista(linhas);

    QTcpSocket conexao;
    conexao.connectToHost(opcoes.value(host), quint16(numeroPorta));
    if (!conexao.waitForConnected(EsperaConexaoMs)) {
        Avisar(QStringLiteral("não foi possível conectar a %1:%2: %3")
                   .arg(opcoes.value(host))
                   .arg(numeroPorta)
                   .arg(conexao.errorString()));
        return 1;
    }
    const int status = Enviar(conexao, fonte, pausaMs);
    conexao.disconnectFromHost();
    if (conexao.state() != QAbstractSocket::UnconnectedState) {
        conexao.waitForDisconnected(EsperaConexaoMs);
    }
    return status;
}
