// The whole path a customer waits on: a command line written to the display's socket, read by
// the channel's thread, handed to the window by the 100 ms command timer, applied, and the
// changed frame painted (the real window, offscreen, its listener on a free loopback port).
// Each of 1 000 commands carries a new total, so each one changes the frame; the time of one is
// from the write to the paint of the total's label. Counters: the median and the 99th
// percentile in ms, and both as a ratio to the 100 ms hand-off they cannot beat.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTcpServer>
#include <QTemporaryDir>

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "ConexaoLoopback.h"
#include "display/canal/CanalComandos.h"
#include "display/janela/TPrincipalVivavaDazovadForm.h"

namespace {

constexpr double kEntregaMs = CanalComandos::kIntervaloComandoMs;

// Notes the time of the first paint of the watched widget after it is armed.
class VigiaPintura : public QObject {
public:
    explicit VigiaPintura(QWidget& alvo) { alvo.installEventFilter(this); }
    void Armar() { pintado_ = false; }
    bool Pintado() const { return pintado_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint)
            pintado_ = true;
        return QObject::eventFilter(objeto, evento);
    }

private:
    bool pintado_ = true;
};

quint16 PortaLivre() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

// A sale of three items whose total is the command's number, so that every frame differs.
QByteArray Venda(int numero) {
    return "\x01 1|789|ARROZ 5KG|1|UN|21,90|21,90||0|0|0&2|790|FEIJAO 1KG|1|UN|8,49|8,49||0|0|0&"
           "3|791|CAFE 500G|1|UN|15,00|15,00||0|0|0&TOTAL|R$ " +
           QByteArray::number(numero) + ",00|||||||||\n";
}

double Percentil(std::vector<double> amostras, double p) {
    std::sort(amostras.begin(), amostras.end());
    return amostras[size_t(p * double(amostras.size() - 1) + 0.5)];
}

void CaminhoComando(benchmark::State& state) {
    QTemporaryDir raiz;
    qputenv("ORVANE_DRIVE_C", raiz.path().toUtf8());
    QDir(raiz.path()).mkpath(QStringLiteral("frente/config"));
    QFile config(raiz.filePath(QStringLiteral("frente/config/Orvane.crv")));
    const quint16 porta = PortaLivre();
    if (!config.open(QIODevice::WriteOnly) ||
        config.write("[Config]\r\nPorta=" + QByteArray::number(porta) +
                     "\r\nTelaCheia=0\r\nLargura=1024\r\nAltura=768\r\n") < 0) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    config.close();
    TPrincipalVivavaDazovadForm janela;
    janela.show();
    QElapsedTimer espera;
    espera.start();
    while (!janela.Canal().Ativo() && espera.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    const int pos = Conectar(porta);
    auto* total = janela.findChild<QLabel*>(QStringLiteral("lbTotalVenda"));
    if (pos < 0 || total == nullptr) {
        state.SkipWithError("the display did not listen, or has no total label");
        return;
    }
    VigiaPintura vigia(*total);
    std::vector<double> amostras;
    int numero = 0;
    for (auto _ : state) {
        const QByteArray linha = Venda(++numero);
        vigia.Armar();
        QElapsedTimer relogio;
        relogio.start();
        if (::send(pos, linha.constData(), size_t(linha.size()), 0) != linha.size()) {
            state.SkipWithError("send failed");
            break;
        }
        while (!vigia.Pintado())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double ms = double(relogio.nsecsElapsed()) / 1e6;
        state.SetIterationTime(ms / 1e3);
        amostras.push_back(ms);
    }
    ::close(pos);
    if (amostras.empty())
        return;
    const double mediana = Percentil(amostras, 0.5), p99 = Percentil(amostras, 0.99);
    state.counters["mediana_ms"] = mediana;
    state.counters["p99_ms"] = p99;
    state.counters["razao_mediana"] = mediana / kEntregaMs;
    state.counters["razao_p99"] = p99 / kEntregaMs;
}

}  // namespace

BENCHMARK(CaminhoComando)->Iterations(1'000)->UseManualTime()->Unit(benchmark::kMillisecond);
