#pragma once
// Lock files, one rule for every lock of the library: where a user's own locks live and how a
// lock file is opened. A lock file is only ever a plain file: a link planted at its name is not
// followed, a planted FIFO is not waited on, a folder is refused.

#include <QString>

namespace ArquivoTrava {

// Who the lock file is for. A shared lock (every user of the machine takes it) is created with
// rights for everyone; a user's lock is created for the user alone and counts only when the file
// is the user's own, so no other user can take it first or hold it open.
enum class EDono { Todos, Usuario };

// The user's runtime folder (XDG_RUNTIME_DIR) when it is a folder of the user's, else /tmp;
// names of the user's locks in /tmp carry the user's number.
QString PastaDoUsuario();

// The lock file opened read-only (all flock needs), created when missing, never truncated;
// -1 with errno set when it cannot be had.
int Abrir(const QString& caminho, EDono dono);

}  // namespace ArquivoTrava
