#pragma once
// Copying, moving and deleting files and folders. Copies keep the source's permission bits (an
// executable stays executable) and its last write time, as Windows copies do, and reach their
// target whole: they are written beside it and renamed over it. Renames never replace an
// existing target: they fail, as on Windows (QFile::rename; across file systems it copies).
//
// Deleting reads the path once, cleaned ("pasta/" and "pasta/." are "pasta"), and removes what
// that path names: a link goes as a link, and the walk through a folder never follows a link it
// meets. It refuses what no caller can mean, whatever the spelling or a link leading there
// (compared by device and inode): the empty path (never the current folder), the root, the
// folder that stands for drive C:, the home folder, any folder that holds one of these, and the
// current folder itself.
//
// A move of a file onto itself (another spelling of its folder, a link to it) has nothing to do
// and answers true; a move is a rename, a copy and a deletion only across file systems.

#include <QString>

#include "base/mConst.h"
#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmFile {

// Copies Origem into the folder PastaDestino, under its own name or under name +
// AcrescentarNoFinalDoNome + extension when that text is not empty ("dados.fdb" with "_bkp":
// "dados_bkp.fdb"). An existing target is replaced unless SubstituirSeExistir is false, which
// keeps it and answers false. False when Origem or the folder is missing or the copy failed.
ORVANE_SISTEMA_EXPORT bool CopiarArquivo(const QString& Origem, const QString& PastaDestino,
                                         const QString& AcrescentarNoFinalDoNome = {},
                                         bool SubstituirSeExistir = true);
// Copies Origem to the full path PastaDestino, replacing; false when Origem or the target's
// folder is missing.
ORVANE_SISTEMA_EXPORT bool CopiarArquivoRenomeandoDestino(const QString& Origem,
                                                          const QString& PastaDestino);
// CopiarArquivo (replacing) for each file matching the mask Origem, stopping at the first
// failure; the result of the last copy, false when nothing matched.
ORVANE_SISTEMA_EXPORT bool CopiarArquivos(const QString& Origem, const QString& PastaDestino);
// Copies the folder fromDir with everything in it, replacing files: into toDir when toDir
// exists (toDir/<name of fromDir>), else as toDir. Links are copied as links. False when
// fromDir is missing, toDir lies inside it, or anything failed.
ORVANE_SISTEMA_EXPORT bool CopiarPasta(const QString& fromDir, const QString& toDir);

// True at once when Origem does not exist; creates the folder when abForcarDiretorio; copies
// (replacing) and then deletes the source: true when both succeed.
ORVANE_SISTEMA_EXPORT bool MoverArquivo(const QString& Origem, const QString& PastaDestino,
                                        bool abForcarDiretorio = false);
// Renames asSourcePath to asDestPath, creating the target's folder when missing; fails when the
// target exists.
ORVANE_SISTEMA_EXPORT bool MoverArquivoNome(const QString& asSourcePath, const QString& asDestPath);
// Copy and delete for each file matching the mask Origem, stopping at the first failure; the
// result of the last step (false when nothing matched). QtdArquivosMovidos counts the files
// moved by the last call.
ORVANE_SISTEMA_EXPORT bool MoverArquivos(const QString& Origem, const QString& PastaDestino,
                                         bool abForcarDiretorio = false);
ORVANE_SISTEMA_EXPORT extern int QtdArquivosMovidos;
// Renames each file matching the mask to the new extension ("." added in front when missing);
// the result of the last rename, false when nothing matched.
ORVANE_SISTEMA_EXPORT bool ModificarExtensao(const QString& asPastaMascara,
                                             const QString& asNovaExtensao);

// Deletes the files matching Origem (folder with delimiter) + Arquivo (mask), stopping at the
// first failure; true when the last deletion succeeded, false when nothing matched.
ORVANE_SISTEMA_EXPORT bool DeleteArquivos(const QString& Origem, const QString& Arquivo);
// Deletes every file matching the mask with DirectoryDelete (not to the trash); true when all
// went, false when one did not or nothing matched.
ORVANE_SISTEMA_EXPORT bool DeletarArquivos(const QString& Pasta_Mascara);
// Deletes a file or a folder with everything in it, without asking; to the user's freedesktop
// trash ($XDG_DATA_HOME/Trash) when abMandarParaLixeira. A link
// is deleted, never what it points at. True on success; false on any error or refusal (above).
ORVANE_SISTEMA_EXPORT bool DirectoryDelete(const QString& DirName,
                                           bool abMandarParaLixeira = false);
// Creates the folder and all missing parents; true when it exists afterwards.
ORVANE_SISTEMA_EXPORT bool CreateDirectory(const QString& Nome);
// Creates each folder; true when all exist afterwards.
ORVANE_SISTEMA_EXPORT bool CriarDiretorios(const TcrvArrayString& asDirs);
// Renames a folder; lsNomeNovo is a name in the same folder (or a path). Never replaces an
// existing folder.
ORVANE_SISTEMA_EXPORT void RenameDir(const QString& lsNomeAntigo, const QString& lsNomeNovo);
// Clears the read-only state: the owner may write the file again (hidden and system, Windows
// attributes, have no counterpart here). True on success.
ORVANE_SISTEMA_EXPORT bool RemoverAtributoSomenteLeitura(const QString& Arquivo);

}  // namespace TmFile

namespace ArquivosInterno {
// Copies the file origem to destino (paths of this machine), keeping permission bits and write
// time; an existing destino is replaced only when substituir. On failure answers false with the
// reason in motivo.
bool CopiarConteudo(const QString& origem, const QString& destino, bool substituir,
                    QString& motivo);
// The same for the regular file open as fonte (left open).
bool CopiarDescritor(int fonte, const QString& destino, bool substituir, QString& motivo);
// Copies the tree of the folder open as pasta (closed here) into para, walking from the open
// folder: nothing is looked up by path again and no link met is followed.
bool CopiarArvore(int pasta, const QString& para);
// Moves the file, link or folder de to the new path para, across file systems too; whatever is
// at para already is never replaced nor removed.
bool MoverItem(const QString& de, const QString& para);
}  // namespace ArquivosInterno
