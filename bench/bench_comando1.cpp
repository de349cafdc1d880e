// Command 1 with 10 to 10 000 items on the sale page (offscreen): the list applied (splitting,
// row building, table reset), the page painted, and both together as one frame.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include "display/protocolo/Protocolo.h"
#include "display/telas/PaginaPagamento.h"
#include "display/telas/PaginaVenda.h"

namespace {

// The parameter text of command 1: `itens` item records, every tenth one with a discount, then
// the total record.
QString ListaItens(int itens) {
    QString texto;
    for (int i = 1; i <= itens; ++i) {
        texto +=
            QStringLiteral("%1|789123456%2|PRODUTO DE EXEMPLO NUMERO %1|2|UN|21,90|43,80||%3|0|0&")
                .arg(i)
                .arg(i, 5, 10, QLatin1Char('0'))
                .arg(i % 10 == 0 ? QStringLiteral("1,00") : QStringLiteral("0"));
    }
    return texto + QStringLiteral("TOTAL|R$ 1.234,56|||||||||");
}

// A sale page of a common customer-display size (or, in legible mode, of a 1920 x 1080 monitor,
// where the mode has the most to scale), already holding the list once.
struct Pagina {
    explicit Pagina(const QString& lista, bool legivel = false) {
        venda.DefinirLegivel(legivel, false);
        venda.resize(legivel ? QSize(1920, 1080) : QSize(1024, 768));
        venda.CarregarListaItens(Protocolo::LerListaItens(lista));
        QCoreApplication::processEvents();
    }
    TPaginaPagamento pagamento;
    TPaginaVenda venda{pagamento};
};

void Comando1_Aplicar(benchmark::State& state) {
    const QString lista = ListaItens(int(state.range(0)));
    Pagina pagina(lista);
    for (auto _ : state)
        pagina.venda.CarregarListaItens(Protocolo::LerListaItens(lista));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void Comando1_Pintar(benchmark::State& state) {
    Pagina pagina(ListaItens(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(pagina.venda.grab());
}

// What the customer waits for: the list applied, pending layout done, the page painted.
void Comando1_Quadro(benchmark::State& state) {
    const QString lista = ListaItens(int(state.range(0)));
    Pagina pagina(lista);
    for (auto _ : state) {
        pagina.venda.CarregarListaItens(Protocolo::LerListaItens(lista));
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(pagina.venda.grab());
    }
}

// The same frame in legible mode, against the designed grid in the same run (Comando1_Quadro).
void Comando1_QuadroLegivel(benchmark::State& state) {
    const QString lista = ListaItens(int(state.range(0)));
    Pagina pagina(lista, true);
    for (auto _ : state) {
        pagina.venda.CarregarListaItens(Protocolo::LerListaItens(lista));
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(pagina.venda.grab());
    }
}

}  // namespace

BENCHMARK(Comando1_QuadroLegivel)->Arg(1'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Comando1_Aplicar)->RangeMultiplier(10)->Range(10, 10'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Comando1_Pintar)->RangeMultiplier(10)->Range(10, 10'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Comando1_Quadro)->RangeMultiplier(10)->Range(10, 10'000)->Unit(benchmark::kMicrosecond);
