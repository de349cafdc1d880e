#pragma once
// Sending a file or folder to the user's freedesktop trash.

#include <QString>

namespace ArquivosInterno {

// True when caminho went to the trash with its .trashinfo; nothing changes otherwise.
bool MandarParaLixeira(const QString& caminho);

}  // namespace ArquivosInterno
