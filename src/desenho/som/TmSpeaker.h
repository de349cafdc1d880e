#pragma once
// The library's speaker. Bip is the short warning tone (2000 Hz for 100 ms where a tone can be
// played); here it is the desktop's bell, which is what a machine without a tone generator has.

#include "base/mLib.h"
#include "desenho/ExportacaoDesenhoWidgets.h"

namespace TmSpeaker {

ORVANE_DESENHOWIDGETS_EXPORT void Bip();
// How many beeps this process played: whoever must know that the user was warned asks here.
ORVANE_DESENHOWIDGETS_EXPORT int BipsTocados();

}  // namespace TmSpeaker
