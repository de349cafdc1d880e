#pragma once
// The one place where the fixed Windows paths the system uses (c:\frente\..., C:\corvel\...)
// become paths of this machine. Drive C: stands for a root folder, given by the environment
// variable ORVANE_DRIVE_C (default "/"). Backslashes become "/", and each component is matched
// case-insensitively against what exists, as Windows paths ignore letter case; components that
// do not exist yet are kept as written.

#include <QString>

#include "base/ExportacaoBase.h"

namespace CaminhoWindows {
// The root folder that stands for drive C:.
ORVANE_BASE_EXPORT QString RaizDriveC();
// "c:\frente\config\Orvane.crv" -> "<root>/frente/config/Orvane.crv" (existing components in
// the case they have on disk). A path without a drive letter is only given native separators.
ORVANE_BASE_EXPORT QString Mapear(const QString& caminhoWindows);
}  // namespace CaminhoWindows
