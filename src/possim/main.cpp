// pos-simulador: sends command lines to a customer display, as the POS does; records what a POS
// sends and replays such a recording at its pace.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTcpSocket>
#include <QTextStream>
#include <QThread>

#include <functional>
#include <optional>

#include "possim/Avisos.h"
#include "possim/Gravacao.h"
#include "possim/Gravador.h"
#include "possim/NotacaoComandos.h"
#include "possim/VendaDemonstracao.h"

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
    "Entre duas linhas espera a pausa: o display executa só a última linha recebida em 100 ms.\n"
    "\n"
    "Gravar e reproduzir o que um PDV enviou:\n"
    "  pos-simulador --gravar venda.txt --escutar 22335     o PDV conecta na porta 22335; cada\n"
    "      linha vai ao display (--host, --porta) e ao arquivo, até Ctrl+C\n"
    "  pos-simulador --reproduzir venda.txt                 reenvia as linhas no mesmo ritmo\n"
    "Cada linha do arquivo: milissegundos desde a primeira linha, uma tabulação e a linha\n"
    "recebida, com \\ escrito \\\\ e todo byte fora do ASCII imprimível escrito \\xHH.";

// The next line to send: its bytes without the line feed, the pause before it (after the
// previous one) and how to show it.
struct Envio {
    qint64 esperaMs = 0;
    QByteArray linha;
    QString rotulo;
};
using FonteEnvios = std::function<std::optional<Envio>()>;
// The next line of the notation, or nothing at the end.
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

// Lines of the notation, pausaMs apart. A line that does not read is reported, skipped and
// noted in recusada.
FonteEnvios DaNotacao(FonteLinhas fonte, int pausaMs, bool& recusada) {
    return [fonte = std::move(fonte), pausaMs, &recusada,
            primeira = true]() mutable -> std::optional<Envio> {
        while (const std::optional<QString> notacao = fonte()) {
            QString erro;
            std::optional<QByteArray> linha = CodificarLinha(*notacao, erro);
            if (!linha) {
                Avisar(erro);
                recusada = true;
                continue;
            }
            linha->chop(1);  // the line feed
            const qint64 espera = primeira ? 0 : pausaMs;
            primeira = false;
            return Envio{espera, *std::move(linha), *notacao};
        }
        return std::nullopt;
    };
}

// The lines of a recording, at the recorded pace.
FonteEnvios DaGravacao(QList<Gravacao::Linha> linhas) {
    return [linhas = std::move(linhas), proxima = qsizetype(0)]() mutable -> std::optional<Envio> {
        if (proxima == linhas.size()) {
            return std::nullopt;
        }
        const qint64 anterior = proxima == 0 ? 0 : linhas.at(proxima - 1).instanteMs;
        const Gravacao::Linha& linha = linhas.at(proxima++);
        return Envio{linha.instanteMs - anterior, linha.bytes,
                     QString::fromLatin1(Gravacao::Escapar(linha.bytes))};
    };
}

// Sends every line of the source. Returns 0 when all were sent, 1 when the connection failed.
int Enviar(QTcpSocket& conexao, const FonteEnvios& fonte) {
    QTextStream saida(stdout);
    while (const std::optional<Envio> envio = fonte()) {
        QThread::msleep(envio->esperaMs);
        conexao.write(envio->linha + '\n');
        while (conexao.bytesToWrite() > 0 && conexao.waitForBytesWritten(EsperaConexaoMs)) {
        }
        if (conexao.state() != QAbstractSocket::ConnectedState || conexao.bytesToWrite() > 0) {
            Avisar(QStringLiteral("conexão perdida: %1").arg(conexao.errorString()));
            return 1;
        }
        saida << "-> " << envio->rotulo << Qt::endl;
    }
    return 0;
}

// Connects to the display and sends the source. Returns the exit status, as Enviar.
int Conectar(const QString& host, quint16 porta, const FonteEnvios& fonte) {
    QTcpSocket conexao;
    conexao.connectToHost(host, porta);
    if (!conexao.waitForConnected(EsperaConexaoMs)) {
        Avisar(QStringLiteral("não foi possível conectar a %1:%2: %3")
                   .arg(host)
                   .arg(porta)
                   .arg(conexao.errorString()));
        return 1;
    }
    const int status = Enviar(conexao, fonte);
    conexao.disconnectFromHost();
    if (conexao.state() != QAbstractSocket::UnconnectedState) {
        conexao.waitForDisconnected(EsperaConexaoMs);
    }
    return status;
}

// A port number of an option, from minimo to 65535, or nothing (reported).
std::optional<quint16> LerPorta(const QString& texto, const QString& opcao, uint minimo) {
    bool valida = false;
    const uint porta = texto.toUInt(&valida);
    if (!valida || porta < minimo || porta > 65535) {
        Avisar(QStringLiteral("--%1 inválida (%2 a 65535): %3").arg(opcao).arg(minimo).arg(texto));
        return std::nullopt;
    }
    return quint16(porta);
}

std::optional<QList<Gravacao::Linha>> LerArquivoGravado(const QString& caminho) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        Avisar(QStringLiteral("não foi possível ler %1: %2").arg(caminho, arquivo.errorString()));
        return std::nullopt;
    }
    QString erro;
    std::optional<QList<Gravacao::Linha>> linhas = Gravacao::Ler(arquivo, erro);
    if (!linhas) {
        Avisar(QStringLiteral("%1: %2").arg(caminho, erro));
    }
    return linhas;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pos-simulador"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANE_VERSAO));

    QCommandLineParser opcoes;
    opcoes.setApplicationDescription(QString::fromUtf8(Descricao));
    opcoes.addHelpOption();
    opcoes.addVersionOption();
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
    const QCommandLineOption reproduzir(
        QStringLiteral("reproduzir"),
        QStringLiteral("Reenvia as linhas de uma gravação no ritmo em que foram gravadas."),
        QStringLiteral("arquivo"));
    const QCommandLineOption gravar(
        QStringLiteral("gravar"),
        QStringLiteral("Grava no arquivo as linhas que um PDV envia (com --escutar)."),
        QStringLiteral("arquivo"));
    const QCommandLineOption escutar(
        QStringLiteral("escutar"),
        QStringLiteral("Porta em que o PDV conecta ao gravar (0 escolhe uma porta livre)."),
        QStringLiteral("porta"));
    opcoes.addOptions({host, porta, pausa, demo, reproduzir, gravar, escutar});
    opcoes.addPositionalArgument(QStringLiteral("linhas"),
                                 QStringLiteral("Linhas CÓDIGO:PARÂMETROS a enviar, ou - para "
                                                "lê-las da entrada padrão."),
                                 QStringLiteral("[LINHA... | -]"));
    opcoes.process(app);

    const std::optional<quint16> portaDisplay =
        LerPorta(opcoes.value(porta), QStringLiteral("porta"), 1);
    if (!portaDisplay) {
        return 2;
    }
    const QStringList linhas = opcoes.positionalArguments();
    const int modos = int(opcoes.isSet(demo) || !linhas.isEmpty()) + int(opcoes.isSet(reproduzir)) +
                      int(opcoes.isSet(gravar));
    if (modos > 1 || opcoes.isSet(gravar) != opcoes.isSet(escutar)) {
        Avisar(
            QStringLiteral("use só um modo: linhas (ou --demo), --reproduzir, ou --gravar "
                           "com --escutar"));
        return 2;
    }

    if (opcoes.isSet(gravar)) {
        const std::optional<quint16> portaEscuta =
            LerPorta(opcoes.value(escutar), QStringLiteral("escutar"), 0);
        if (!portaEscuta) {
            return 2;
        }
        TGravador gravador(opcoes.value(host), *portaDisplay);
        QString erro;
        if (!gravador.Iniciar(opcoes.value(gravar), *portaEscuta, erro)) {
            Avisar(erro);
            return 1;
        }
        QTextStream(stdout) << "gravando em " << opcoes.value(gravar) << "; escutando na porta "
                            << gravador.PortaEscuta() << Qt::endl;
        return app.exec();
    }
    if (opcoes.isSet(reproduzir)) {
        std::optional<QList<Gravacao::Linha>> gravadas =
            LerArquivoGravado(opcoes.value(reproduzir));
        if (!gravadas) {
            return 2;
        }
        return Conectar(opcoes.value(host), *portaDisplay, DaGravacao(*std::move(gravadas)));
    }

    bool pausaValida = false;
    const int pausaMs = opcoes.value(pausa).toInt(&pausaValida);
    if (!pausaValida || pausaMs < 0) {
        Avisar(QStringLiteral("pausa inválida (0 ou mais milissegundos): %1")
                   .arg(opcoes.value(pausa)));
        return 2;
    }
    const FonteLinhas fonte = linhas == QStringList{QStringLiteral("-")} ? DaEntradaPadrao()
                              : linhas.isEmpty() ? DaLista(VendaDemonstracao())
                                                 : DaLista(linhas);
    bool recusada = false;
    const int status =
        Conectar(opcoes.value(host), *portaDisplay, DaNotacao(fonte, pausaMs, recusada));
    return status != 0 ? status : int(recusada);
}
