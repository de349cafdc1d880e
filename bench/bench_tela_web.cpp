// The customer's page for browsers, over loopback: from a command applied to the screen state to
// the state arriving in a connected WebSocket client (median and 99th percentile), beside a bare
// QWebSocket echo in the same run; and command 1 on the sale page with 50 connected pages against
// none, in the window thread's CPU time (the pages' sockets are read on a thread of their own, as
// browsers are other processes).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWebSocket>
#include <QWebSocketServer>
#include <algorithm>
#include <functional>
#include <vector>

#include "display/estado/EstadoTela.h"
#include "display/telas/PaginaVenda.h"
#include "display/web/ServidorTela.h"

namespace {

// Command 1 with `itens` items and a total that is the command's number, so that every command
// changes the state.
QString Lista(int itens, int numero) {
    QString texto;
    for (int i = 1; i <= itens; ++i)
        texto +=
            QStringLiteral("%1|789123456%2|PRODUTO DE EXEMPLO NUMERO %1|2|UN|21,90|43,80||0|0|0&")
                .arg(i)
                .arg(i, 5, 10, QLatin1Char('0'));
    return texto + QStringLiteral("TOTAL|R$ %1,00|||||||||").arg(numero);
}

double Percentil(std::vector<double> amostras, double p) {
    std::sort(amostras.begin(), amostras.end());
    return amostras[size_t(p * double(amostras.size() - 1) + 0.5)];
}

void Registrar(benchmark::State& state, const std::vector<double>& amostras) {
    if (amostras.empty())
        return;
    state.counters["mediana_ms"] = Percentil(amostras, 0.5);
    state.counters["p99_ms"] = Percentil(amostras, 0.99);
}

// Runs the event loop until the condition holds or 5 s pass.
bool Esperar(const std::function<bool()>& condicao) {
    QElapsedTimer prazo;
    prazo.start();
    while (!condicao()) {
        if (prazo.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

// A page's connection that keeps the version of the last message, read from the message's end
// (the object's keys come sorted, "versao" last), so that what is timed is the delivery and not
// this client's parsing.
struct TCliente {
    explicit TCliente(quint16 porta) {
        QObject::connect(&ws, &QWebSocket::binaryMessageReceived, [this](const QByteArray& m) {
            const qsizetype inicio = m.lastIndexOf("\"versao\":") + 9;
            versao = m.mid(inicio, m.size() - 1 - inicio).toDouble();
        });
        ws.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/estado").arg(porta)));
    }
    QWebSocket ws;
    double versao = 0;
};

void EstadoAoCliente(benchmark::State& state) {
    TEstadoTela estado;
    TServidorTela servidor(estado);
    QString erro;
    if (!servidor.Ativar(QHostAddress::LocalHost, 0, erro)) {
        state.SkipWithError(qPrintable(erro));
        return;
    }
    TCliente cliente(servidor.Porta());
    if (!Esperar([&] { return cliente.versao > 0; })) {
        state.SkipWithError("the client got no state");
        return;
    }
    std::vector<double> amostras;
    int numero = 0;
    for (auto _ : state) {
        const QString lista = Lista(3, ++numero);
        const double anterior = cliente.versao;
        QElapsedTimer relogio;
        relogio.start();
        estado.Aplicar(Protocolo::EComando::CarregarListaItens, lista);
        while (cliente.versao == anterior)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double ms = double(relogio.nsecsElapsed()) / 1e6;
        state.SetIterationTime(ms / 1e3);
        amostras.push_back(ms);
    }
    Registrar(state, amostras);
}

// The baseline: a message of the state's size sent to a WebSocket server on a thread of its own,
// which sends it back.
void EcoWebSocket(benchmark::State& state) {
    QThread thread;
    thread.start();
    auto* servidor = new QWebSocketServer(QStringLiteral("eco"), QWebSocketServer::NonSecureMode);
    servidor->moveToThread(&thread);
    quint16 porta = 0;
    QMetaObject::invokeMethod(
        servidor,
        [&] {
            servidor->listen(QHostAddress::LocalHost, 0);
            porta = servidor->serverPort();
            QObject::connect(servidor, &QWebSocketServer::newConnection, servidor, [servidor] {
                QWebSocket* s = servidor->nextPendingConnection();
                QObject::connect(s, &QWebSocket::binaryMessageReceived, s,
                                 [s](const QByteArray& m) { s->sendBinaryMessage(m); });
            });
        },
        Qt::BlockingQueuedConnection);
    QWebSocket cliente;
    int recebidas = 0;
    QObject::connect(&cliente, &QWebSocket::binaryMessageReceived, [&] { ++recebidas; });
    cliente.open(QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(porta)));
    if (!Esperar([&] { return cliente.state() == QAbstractSocket::ConnectedState; })) {
        state.SkipWithError("the echo server did not answer");
    } else {
        const QByteArray mensagem(2200, 'x');  // about the size of a 3-item state
        std::vector<double> amostras;
        for (auto _ : state) {
            const int anterior = recebidas;
            QElapsedTimer relogio;
            relogio.start();
            cliente.sendBinaryMessage(mensagem);
            while (recebidas == anterior)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            const double ms = double(relogio.nsecsElapsed()) / 1e6;
            state.SetIterationTime(ms / 1e3);
            amostras.push_back(ms);
        }
        Registrar(state, amostras);
    }
    cliente.close();
    QMetaObject::invokeMethod(
        servidor, [servidor] { delete servidor; }, Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
}

// Command 1 with 1 000 items as the window runs it, with `range(0)` pages connected.
void Comando1_Paginas(benchmark::State& state) {
    TEstadoTela estado;
    TPaginaVenda venda;
    venda.resize(1024, 768);
    TServidorTela servidor(estado);
    QString erro;
    if (!servidor.Ativar(QHostAddress::LocalHost, 0, erro)) {
        state.SkipWithError(qPrintable(erro));
        return;
    }
    // The pages read on a thread of their own.
    QThread leitura;
    leitura.start();
    auto* dono = new QObject;
    dono->moveToThread(&leitura);
    QMetaObject::invokeMethod(
        dono,
        [&] {
            for (int i = 0; i < state.range(0); ++i)
                (new QWebSocket)->setParent(dono);
            for (auto* ws : dono->findChildren<QWebSocket*>())
                ws->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/estado").arg(servidor.Porta())));
        },
        Qt::BlockingQueuedConnection);
    if (!Esperar([&] { return servidor.Clientes() == state.range(0); }))
        state.SkipWithError("the pages did not connect");
    // Two lists that differ in their total only, as a POS sends the list again.
    const QString listas[2] = {Lista(1'000, 1), Lista(1'000, 2)};
    int numero = 0;
    for (auto _ : state) {
        estado.Aplicar(Protocolo::EComando::CarregarListaItens, listas[++numero % 2]);
        venda.MostrarLinhas(estado.LinhasVenda(), false);
        venda.MostrarTotal(estado.TotalVenda());
    }
    state.counters["paginas_no_fim"] = servidor.Clientes();
    QMetaObject::invokeMethod(
        dono, [dono] { delete dono; }, Qt::BlockingQueuedConnection);
    leitura.quit();
    leitura.wait();
}

}  // namespace

BENCHMARK(EstadoAoCliente)->Iterations(1'000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(EcoWebSocket)->Iterations(1'000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Comando1_Paginas)->Arg(0)->Arg(50)->Repetitions(5)->Unit(benchmark::kMicrosecond);
