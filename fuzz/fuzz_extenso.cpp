// Amounts in words on any amount and any line widths: no crash and no undefined behaviour, words
// exactly for the amounts the layout holds, and cheque lines that are empty or exactly as wide
// as asked.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "Exigir.h"
#include "sistema/extenso/TmStrExtenso.h"

namespace {

bool NoIntervalo(Currency valor) {
    // Rounded to cents, from 0 to just under a trillion.
    return valor.Raw() > -50 && valor.Raw() < 10'000'000'000'000'000 - 50;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider dados(data, size);
    const Currency valor = Currency::FromRaw(dados.ConsumeIntegral<std::int64_t>());
    const QString palavras = TmStr::Extenso(valor, QStringLiteral("Real"), QStringLiteral("Reais"),
                                            QStringLiteral("Centavo"), QStringLiteral("Centavos"));
    Exigir(palavras.isEmpty() != NoIntervalo(valor));

    const double real = dados.ConsumeFloatingPoint<double>();
    const int linha1 = dados.ConsumeIntegralInRange(-5, 200);
    const int linha2 = dados.ConsumeIntegralInRange(-5, 200);
    const QString cheque = TmStr::QuebraExtenso(real, linha1, linha2);
    // Words on line 1 alone end with the asterisks of line 2; words on both lines end with "^".
    Exigir(cheque.isEmpty() || cheque.size() == linha1 + linha2 + 1 + cheque.endsWith(u'^'));
    return 0;
}
