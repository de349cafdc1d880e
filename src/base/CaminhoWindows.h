#pragma once
// The one place where the Windows paths the system uses (c:\frente\..., C:\corvel\..., a mapped
// network drive's Z:\...) become paths of this machine. Drive C: stands for a root folder, given
// by the environment variable ORVANE_DRIVE_C (default "/"); any other drive letter stands for its
// folder under PastaUnidadesRede(), where mapping a network drive puts a link into the share.
// Backslashes become "/", and each component is matched case-insensitively against what exists,
// as Windows paths ignore letter case; components that do not exist yet are kept as written.

#include <QString>

#include "base/ExportacaoBase.h"

namespace CaminhoWindows {
// The root folder that stands for drive C:.
ORVANE_BASE_EXPORT QString RaizDriveC();
// The folder of the network drives: "$XDG_DATA_HOME/orvane/unidades".
ORVANE_BASE_EXPORT QString PastaUnidadesRede();
// The folder drive letra stands for (either case): RaizDriveC() for C, else its upper-case letter
// under PastaUnidadesRede(); "" for a character that is no drive letter.
ORVANE_BASE_EXPORT QString RaizDrive(QChar letra);
// "c:\frente\config\Orvane.crv" -> "<root>/frente/config/Orvane.crv", "z:\dados" ->
// "<network drives>/Z/dados" (existing components in the case they have on disk). A path without
// a drive letter is only given native separators.
ORVANE_BASE_EXPORT QString Mapear(const QString& caminhoWindows);
}  // namespace CaminhoWindows
