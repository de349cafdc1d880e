// The PIX QR code and the POS allow-list.
//
// PixExibir: a command P (the BR Code checked, the symbol encoded) dispatched to the real window
// (offscreen) and the whole window painted, against the 16.7 ms of one 60 Hz frame. PixMontar
// the same for command Q, which builds the code first.
//
// AceitarConexao/N: loopback connections made, accepted by the channel and closed, with an
// allow-list of N networks (0: no list) whose last entry is the one that admits the client, so
// that every entry is tried.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "ConexaoLoopback.h"
#include "display/canal/CanalComandos.h"
#include "display/janela/TPrincipalVivavaDazovadForm.h"

namespace {

const QString kCodigo = QStringLiteral(
    "00020126580014br.gov.bcb.pix0136123e4567-e12b-12d1-a456-4266554400005204000053039865802BR"
    "5913Fulano de Tal6008BRASILIA62070503***63041D3D|Pague com PIX|49,33");
const QString kCobranca =
    QStringLiteral("pix@mercado.com.br|49,33|Mercado Bom Preco|Campinas|PDV3VENDA0042|PIX");

void ComandoPintado(benchmark::State& state, int codigo, const QString& parametros) {
    QTemporaryDir raiz;
    qputenv("ORVANE_DRIVE_C", raiz.path().toUtf8());  // no settings file: the defaults
    TPrincipalVivavaDazovadForm janela;
    janela.setWindowFlag(Qt::FramelessWindowHint, false);
    janela.resize(1024, 768);
    for (auto _ : state) {
        janela.ExecutarComando(codigo, parametros);
        benchmark::DoNotOptimize(janela.grab());  // every widget painted
    }
}

void PixExibir(benchmark::State& state) {
    ComandoPintado(state, 'P', kCodigo);
}

void PixMontar(benchmark::State& state) {
    ComandoPintado(state, 'Q', kCobranca);
}

constexpr int kLote = 10;

// Leaves the processor to the channel's thread while waiting.
template <typename Condicao>
void Aguardar(Condicao&& pronto) {
    while (!pronto())
        std::this_thread::sleep_for(std::chrono::microseconds(20));
}

// N networks, the client's loopback address admitted only by the last.
TListaPermitidos Redes(int redes) {
    QString lista;
    for (int i = 1; i < redes; ++i)
        lista += QStringLiteral("10.%1.0.0/16 ").arg(i);
    QStringList invalidos;
    return TListaPermitidos::Ler(lista + QStringLiteral("127.0.0.1/32"), invalidos);
}

void AceitarConexao(benchmark::State& state) {
    const int redes = int(state.range(0));
    CanalComandos canal;
    if (redes > 0)
        canal.DefinirPermitidos(Redes(redes));
    QString erro;
    if (!canal.Ativar(0, erro)) {
        state.SkipWithError(erro.toStdString().c_str());
        return;
    }
    // Batches of connections (fewer than the listen backlog) spread the wake-ups of the
    // channel's thread, which on a busy machine would otherwise decide the figure.
    int conexoes[kLote];
    for (auto _ : state) {
        for (int& s : conexoes)
            s = Conectar(canal.Porta());
        Aguardar([&] { return canal.Conexoes() == kLote; });
        for (int s : conexoes)
            ::close(s);
        Aguardar([&] { return canal.Conexoes() == 0; });
    }
    state.SetItemsProcessed(state.iterations() * kLote);
}

// The check alone, as the channel makes it for each connection it accepts.
void PermitidoCemRedes(benchmark::State& state) {
    CanalComandos canal;
    canal.DefinirPermitidos(Redes(100));
    const QHostAddress cliente(QStringLiteral("::ffff:127.0.0.1"));
    for (auto _ : state)
        benchmark::DoNotOptimize(canal.Permitido(cliente));
}

}  // namespace

BENCHMARK(PermitidoCemRedes);
BENCHMARK(PixExibir)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PixMontar)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(AceitarConexao)->Arg(0)->Arg(100)->Unit(benchmark::kMicrosecond)->UseRealTime();
