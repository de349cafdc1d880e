#pragma once
// The file system calls the library's writers, movers and deleters share, each answering the
// failure record instead of a flag: nothing here follows a link it was not asked to follow.

#include <QString>
#include <optional>

#include "base/internal/Falha.h"

namespace SistemaArquivos {

using TResultado = std::optional<TFalha>;  // empty on success

// True when both paths name the same file (device and inode, links followed).
bool MesmoArquivo(const QString& a, const QString& b);
// True when caminho itself is a symbolic link.
bool EhLink(const QString& caminho);
// Syncs the folder that holds caminho, so that a rename or a creation in it survives a power cut.
TResultado SincronizarPasta(const QString& caminho);
// Installs the finished file temporario (in destino's folder) as destino: syncs its bytes, renames
// it over destino (replacing only when substituir; a link at destino is replaced, never
// followed) and syncs the folder. A power cut leaves the old file or the new one.
TResultado Instalar(const QString& temporario, const QString& destino, bool substituir = true);
// Removes caminho: a folder with everything in it, anything else (a link too) as itself. The walk
// holds each folder open and never follows a link it meets.
TResultado Remover(const QString& caminho);

}  // namespace SistemaArquivos
