// Version texts compared and version lists read, on any bytes: no crash and no undefined
// behaviour; the six operators agree with one order (each the negation or the mirror of
// another, every text equal to itself); a list answers only trimmed values and lower-case
// checksums.
#include <fuzzer/FuzzedDataProvider.h>

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>

#include "Exigir.h"
#include "registro/atualizacao/ListaVersoes.h"
#include "sistema/versao/TmFileVersao.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider dados(data, size);
    const QString a = QString::fromUtf8(dados.ConsumeRandomLengthString(64));
    const QString b = QString::fromUtf8(dados.ConsumeRandomLengthString(64));
    const auto op = [&](geTiposComparacao tipo) { return TmFile::VersaoMaior(a, b, tipo); };
    Exigir(op(tcIgual) != op(tcDiferente));
    Exigir(op(tcMaior) != op(tcMenorIgual));
    Exigir(op(tcMenor) != op(tcMaiorIgual));
    Exigir(op(tcMaior) == TmFile::VersaoMaior(b, a, tcMenor));
    Exigir(op(tcIgual) == TmFile::VersaoMaior(b, a, tcIgual));
    Exigir(TmFile::VersaoMaior(a, a, tcIgual));

    const std::string lista = dados.ConsumeRemainingBytesAsString();
    const TListaVersoes versoes =
        TListaVersoes::Ler(QByteArrayView(lista.data(), qsizetype(lista.size())));
    for (const QString& nome : {a, b, a.trimmed()}) {
        const QString versao = versoes.Versao(nome);
        Exigir(versao == versao.trimmed());
        Exigir(versoes.Sha256(nome) == versoes.Sha256(nome).toLower());
    }
    return 0;
}
