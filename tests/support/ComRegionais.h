#pragma once
// Regional settings for a test's scope: the snapshot and the live record (or the live record
// alone, to show which of the two a routine reads); Brazilian settings come back at the end.

#include "base/mConst.h"

// Settings of a region that writes a point as decimal separator and a comma for thousands.
inline TFormatSettings ComPonto() {
    TFormatSettings s = TFormatSettings::Brasileiro();
    s.DecimalSeparator = QLatin1Char('.');
    s.ThousandSeparator = QLatin1Char(',');
    return s;
}

class ComRegionais {
public:
    explicit ComRegionais(const TFormatSettings& s) { mConst::DefinirRegionais(s); }
    ~ComRegionais() { mConst::DefinirRegionais(TFormatSettings::Brasileiro()); }
    ComRegionais(const ComRegionais&) = delete;
    ComRegionais& operator=(const ComRegionais&) = delete;
};

// Only the live record changes (the regional settings changed while the program runs).
class ComRegionaisVivas {
public:
    explicit ComRegionaisVivas(const TFormatSettings& s) { FormatSettings() = s; }
    ~ComRegionaisVivas() { mConst::DefinirRegionais(TFormatSettings::Brasileiro()); }
    ComRegionaisVivas(const ComRegionaisVivas&) = delete;
    ComRegionaisVivas& operator=(const ComRegionaisVivas&) = delete;
};
