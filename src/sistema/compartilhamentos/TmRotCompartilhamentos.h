#pragma once
// Network resources mapped to a local name, as the Windows program mapped a drive letter or a
// printer port to a share: a disk when DriveOrPort holds ":" ("Z:"), else a printer ("LPT1").
//
// The network path is "\\server\share" or "//server/share" (internal/CaminhoRede.h: a ":port"
// after the server; folders after the share, for a disk). The user may be "DOMAIN\user"; an empty
// user connects as a guest. The user and password never appear on a command line.
//
// A disk is the share mounted for the user by GVfs (internal/MontagemGvfs.h) and reached from the
// drive's folder, PastaDrive(): a link there leads into the mount (or its folder). Drive C: is
// the installation's own folder and is never mapped. Mapping a drive again replaces its link;
// a real file or folder at the drive's name is never replaced. A mapping that fails (a folder the
// share does not have) leaves no mount behind that it made itself. Paths on the drive ("Z:\...")
// reach the share through CaminhoWindows::Mapear.
//
// A printer is a CUPS queue named as the port, on the share's printer ("smb://" device address,
// the credentials inside it), enabled and accepting jobs (internal/FilaCups.h). A port name is
// letters, digits, "_" and "-" (up to 127), which CUPS takes as a queue name as it is.

#include <QString>

#include "base/mLib.h"
#include "sistema/ExportacaoSistemaCompartilhamentos.h"

namespace TmRot {

// True when the resource is mapped; asMotivo says why not.
ORVANE_SISTEMACOMPARTILHAMENTOS_EXPORT bool NetConnect(const QString& DriveOrPort,
                                                       const QString& NetworkPath,
                                                       const QString& User,
                                                       const QString& Password);
ORVANE_SISTEMACOMPARTILHAMENTOS_EXPORT bool NetConnect(const QString& DriveOrPort,
                                                       const QString& NetworkPath,
                                                       const QString& User, const QString& Password,
                                                       QString& asMotivo);

// Removes the mapping, forced: the share is unmounted even with files open, unless another drive
// still leads into it; the drive's link goes with it (also when its mount was already gone). The
// printer's queue is removed with its jobs. True when there was a mapping and it is gone.
ORVANE_SISTEMACOMPARTILHAMENTOS_EXPORT bool NetDisconnect(const QString& DriveOrPort);
ORVANE_SISTEMACOMPARTILHAMENTOS_EXPORT bool NetDisconnect(const QString& DriveOrPort,
                                                          QString& asMotivo);

// The folder a drive letter other than C: stands for ("Z:", "z:" or "Z:\"):
// "$XDG_DATA_HOME/orvane/unidades/Z"; "" for a name that is no such drive.
ORVANE_SISTEMACOMPARTILHAMENTOS_EXPORT QString PastaDrive(const QString& Drive);

}  // namespace TmRot
