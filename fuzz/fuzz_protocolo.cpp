// The protocol's readers on arbitrary parameter text, without a window: every reader answers
// (a record or none) without a crash or undefined behaviour; a debug line never keeps a CR; the
// codes and commands map both ways.
#include <cstddef>
#include <cstdint>

#include "Exigir.h"
#include "display/protocolo/Protocolo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString parametros =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    Protocolo::LerListaItens(parametros);
    Protocolo::LerResumoPagamento(parametros);
    Protocolo::LerMeiosPagamento(parametros);
    Protocolo::LerInfo(parametros);
    Exigir(!Protocolo::LerLinhaDebug(parametros).contains(u'\r'));
    Protocolo::LerCancelamentoItem(parametros);
    Protocolo::LerAjusteItem(parametros);
    Protocolo::ParametroUm(parametros);
    for (int codigo = -1; codigo <= 256; ++codigo) {
        if (const auto comando = Protocolo::ComandoDoCodigo(codigo))
            Exigir(Protocolo::CodigoDoComando(*comando) == codigo);
    }
    return 0;
}
