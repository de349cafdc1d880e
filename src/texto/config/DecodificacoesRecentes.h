#pragma once
// The decodings of the settings files opened last, by their bytes: the usual open, read and free
// of the same unchanged file decodes it once. The bytes are still read and compared on every
// open, so a file changed on disk (even to the same size and time) is decoded again.
//
// Why it is kept, measured with bench_config (Release, a 10 000-line file of 100 sections opened
// with 20 typed reads per iteration, CPU time, medians of 5, two runs on the loaded 2-core build
// machine of 2026-12-10): reopening the unchanged file costs 46 to 48 us with this cache and
// 1 360 to 1 740 us without it; QSettings, which keeps its own parse by name and time, 380 to
// 410 us. Even a file never seen before opens in 260 to 290 us with it and 1 590 to 1 640 us
// without it: the kept decodings keep the allocator's memory mapped, where without them every
// open maps and faults in its decoding afresh (about 115 page faults per open of this file).
// The settings page and the window reopen Orvane.crv on every use.

#include <QByteArray>
#include <memory>
#include <optional>

#include "texto/ExportacaoTexto.h"
#include "texto/config/FormatoConfig.h"

namespace DecodificacoesRecentes {

// The decoding of bytes in the requested encoding (or by their mark), shared with the objects
// opened on the same bytes. The last four decodings of up to 1 MiB are kept. Thread-safe.
ORVANE_TEXTO_EXPORT std::shared_ptr<const TLinhasCarregadas> Decodificar(
    const QByteArray& bytes, std::optional<TCodificacao> pedida);

}  // namespace DecodificacoesRecentes
