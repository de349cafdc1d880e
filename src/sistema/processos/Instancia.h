#pragma once
// Single-instance locks: a named lock that one holder at a time may take, the system-wide one for
// every user of the machine and the per-user one for the calling user's session.
//
// A lock is an flock on a file named after the lock: in /run/lock (else /tmp) for the system-wide
// one, in the user's runtime folder (XDG_RUNTIME_DIR, else /tmp) with the user's number in its
// name for the per-user one. Because an flock belongs to one open file, a second take of the same
// name fails in the same process too, and the system frees the lock when its holder ends, even
// killed. The caller's name is escaped (internal/NomeSeguro.h), so "../x" or "a/b" cannot leave
// the folder. The files are opened read-only, never followed through a link, never waited on
// when a FIFO stands at the name, never truncated. The system-wide lock's file is created with
// rights for everyone, so every user's programs can take and test it; the per-user lock's file
// is created for the user alone and counts only when it is the user's own, so another user cannot
// take the lock first in /tmp.

#include <QString>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmRot {

// True when the lock was free and is now taken: kept until the program ends when KeepMutex,
// else given back at once (a test that no other holder runs). False when another holder has it
// or the lock file cannot be opened.
ORVANE_SISTEMA_EXPORT bool IsSingleInstance(const QString& MutexName, bool KeepMutex = true);
ORVANE_SISTEMA_EXPORT bool IsSingleInstanceUsuario(const QString& MutexName, bool KeepMutex = true);

// The files the two locks are taken on (for the programs and scripts that test them).
ORVANE_SISTEMA_EXPORT QString ArquivoTravaSistema(const QString& MutexName);
ORVANE_SISTEMA_EXPORT QString ArquivoTravaUsuario(const QString& MutexName);

}  // namespace TmRot
