#pragma once
// Choice of the idle background: "c:\frente\skin\Orvane_" + the short weekday name, then the
// general "c:\frente\skin\Orvane"; for each base ".png" before ".jpg".

#include <QString>
#include <optional>

#include "base/TDateTime.h"

namespace FundoDoDia {
// The base (Windows path, no extension) of the background for the day of the given date.
QString BaseDoDia(TDateTime data);
QString BaseGeral();
// The existing file for a base: base.png, else base.jpg; nothing when neither exists.
std::optional<QString> ArquivoDaBase(const QString& baseWindows);
// The file the display should show on the given date, if any.
std::optional<QString> Escolher(TDateTime data);
}  // namespace FundoDoDia
