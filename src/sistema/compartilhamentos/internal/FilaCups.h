#pragma once
// Printer queues of the CUPS server the system's client settings name (CUPS_SERVER, the client
// configuration, else the local socket), changed through CUPS's own requests, as lpadmin makes
// them: the device address, and the credentials inside it, travel in the request and never on a
// command line, and the server shows the address with the password masked. No password prompt is
// ever shown: a server asking for one answers as refused. The caller's own CUPS settings (a
// password callback of its thread) are left alone.

#include <QString>

namespace FilaCups {

// Adds asFila (or changes it) with the device address asDispositivo, enabled and accepting
// jobs, as "lpadmin -p asFila -E -v asDispositivo". False with the server's reason.
bool Adicionar(const QString& asFila, const QString& asDispositivo, QString& asMotivo);

// Removes asFila, as "lpadmin -x asFila". False with the server's reason (no such queue).
bool Remover(const QString& asFila, QString& asMotivo);

}  // namespace FilaCups
