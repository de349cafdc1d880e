#pragma once
// The library's clock: "now" and the millisecond tick count come from here and nowhere else, so
// that tests can set the time. A program never sets it; a test fixes it, moves it on and frees
// it again. The clock is process-wide and meant for the window thread (tests set it before the
// code under test runs).

#include <QtGlobal>

#include "base/ExportacaoBase.h"
#include "base/TDateTime.h"

namespace Relogio {

// The local wall-clock time, or the fixed time plus what Avancar added.
ORVANE_BASE_EXPORT TDateTime Agora();
// Milliseconds since an arbitrary start, never going back; it wraps at 2^32 as the platform's
// 32-bit tick count does (about 49.7 days), so callers compare differences, not values.
ORVANE_BASE_EXPORT quint32 TickCount();

// For tests: from now on Agora answers agora (and later what Avancar adds to it) and the tick
// count stands still but for Avancar.
ORVANE_BASE_EXPORT void Fixar(TDateTime agora);
// For tests: moves a fixed clock on by ms milliseconds (both the time and the tick count); a
// negative count is ignored, as the clock never goes back.
ORVANE_BASE_EXPORT void Avancar(qint64 ms);
// Back to the system clock.
ORVANE_BASE_EXPORT void Liberar();

}  // namespace Relogio
