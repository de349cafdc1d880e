#pragma once
// The decodings of the settings files opened last, by their bytes: the usual open, read and free
// of the same unchanged file decodes it once. The bytes are still read and compared on every
// open, so a file changed on disk (even to the same size and time) is decoded again.
//
// Why it is kept (bench_config, Release, 10 000-line file of 100 sections, 20 typed reads per
// open, CPU time, median of 5): reopening the unchanged file costs MEDIDA_COM with this cache and
// MEDIDA_SEM without it (QSettings, which keeps its own parse by file name and time: MEDIDA_QS).
// The settings page and the window reopen Orvane.crv on every use.

#include <QByteArray>
#include <memory>
#include <optional>

#include "settings/FormatoConfig.h"

namespace DecodificacoesRecentes {

// The decoding of bytes in the requested encoding (or by their mark), shared with the objects
// opened on the same bytes. The last four decodings of up to 1 MiB are kept. Thread-safe.
std::shared_ptr<const TLinhasCarregadas> Decodificar(const QByteArray& bytes,
                                                     std::optional<TCodificacao> pedida);

}  // namespace DecodificacoesRecentes
