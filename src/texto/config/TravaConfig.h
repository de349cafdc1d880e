#pragma once
// The lock the users of one settings file share: flock on "<file>.lock" beside it. A save
// replaces the file by a new one, so a lock on the file itself would stay on the replaced copy
// while the next writer locked the new one; for the same reason the lock file is never removed.
// A write holds it exclusively from reading the file to installing the new one, a read holds it
// shared, so a read never sees a file half rewritten in place. Locks are advisory: they order
// the programs that take this lock, not other writers of the file.
//
// The lock file's name is predictable, so it is never opened through whatever may be planted
// there: it is opened without following a link and only as a regular file (a FIFO is not waited
// on), and created exclusively when missing. A write lock meets a link or anything but a regular
// file there and fails with EInOutError, writing nothing; a read lock goes on as below.
// Where there is no usable lock file (a folder that takes no new file, where saves rewrite the
// file in place) the settings file itself is locked; without that either (no folder, no file)
// nothing is, and the caller fails or succeeds on the file just as it would alone. Only a write
// creates the lock file, so reading never leaves one behind.

#include <QString>

#include "texto/ExportacaoTexto.h"

class ORVANE_TEXTO_EXPORT TTravaConfig {
public:
    enum class Modo { Leitura, Escrita };

    // Waits for the lock of the settings file arquivo.
    TTravaConfig(const QString& arquivo, Modo modo);
    ~TTravaConfig();
    TTravaConfig(const TTravaConfig&) = delete;
    TTravaConfig& operator=(const TTravaConfig&) = delete;

private:
    int fd_ = -1;
};
