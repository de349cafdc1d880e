#pragma once
// Sending a file or folder to the user's freedesktop trash ($XDG_DATA_HOME/Trash): the item goes
// to files/ and a .trashinfo of the same name in info/ says where it came from (URL-escaped) and
// when, so that a file manager can restore it.

#include <QString>

namespace ArquivosInterno {

// True when caminho went to the trash with its .trashinfo; nothing changes otherwise.
bool MandarParaLixeira(const QString& caminho);

}  // namespace ArquivosInterno
