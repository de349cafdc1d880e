#pragma once
// Numbered backup copies, files the program carries inside itself, and the check that folders
// can really be written.

#include <QString>

#include "base/mConst.h"
#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmFile {

// Keeps at most MaxBackups older copies of Pasta/Arquivo, which is about to be replaced: the
// copies replace the file's extension with a number formatted "%.3d" (X.001 newest). Copy
// MaxBackups is deleted, each lower copy k becomes k + 1, and the file itself becomes copy 1.
// No step checks its outcome, and a rename never replaces an existing copy: it fails and leaves
// both (so with MaxBackups 0 the file becomes ".001" only while that copy does not exist).
ORVANE_SISTEMA_EXPORT void GerenciaBackup(const QString& Pasta, const QString& Arquivo,
                                          int MaxBackups);

// Writes the resource the program carries (the Qt resource ":/" + asTipo + "/" + asRes) as
// asArquivo into each non-empty folder of aaDiretorio, creating the folder: an existing file is
// skipped unless abSubstitui, otherwise kept as its ".old" copy while the new one is written,
// and put back when the write fails. A missing resource raises EInOutError; an error for one
// folder raises too when abMostrarErro, else the next folder follows. Answers true.
ORVANE_SISTEMA_EXPORT bool ExtraiArquivoExe(const QString& asTipo, const QString& asRes,
                                            const QString& asArquivo,
                                            const TcrvArrayString& aaDiretorio, bool abSubstitui,
                                            bool abMostrarErro);
ORVANE_SISTEMA_EXPORT bool ExtraiArquivoExe(const QString& asTipo, const QString& asRes,
                                            const QString& asArquivo, const QString& asDiretorio,
                                            bool abSubstitui);

// True when a test file could be written, read back and deleted in every folder of asPastas
// (missing ones created first when abForceDir); otherwise asMsg holds one line per problem,
// lines joined by a carriage return.
ORVANE_SISTEMA_EXPORT bool VerificarPermissaoPasta(const TcrvArrayString& asPastas, QString& asMsg,
                                                   bool abForceDir = false);

}  // namespace TmFile
