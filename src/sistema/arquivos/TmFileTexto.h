#pragma once
// Small text-file jobs and streams. Text files are read as the library reads files whose
// encoding is not declared (CodePage::DeArquivo: UTF-8 when marked or valid, else Windows-1252)
// and split into lines at CR LF, CR or LF (a last line without a break counts). They are written
// with CR LF after every line, in the encoding the file had: UTF-8 (with its mark when it had
// one) for a file read as UTF-8, Windows-1252 otherwise; a new file, or a text Windows-1252
// cannot hold, likewise (a character it lacks is never written as "?"). Every whole-file write
// goes through ArquivoInteiro::Gravar, so a failure leaves the old file whole.
//
// Loaders answer the neutral value for a missing file and raise EInOutError for a file that
// exists but cannot be read.

#include <QBuffer>
#include <QString>
#include <QStringList>
#include <memory>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmFile {

// Loads the lines into Saida (cleared when the file is missing); true when there are lines.
ORVANE_SISTEMA_EXPORT bool LoadFile(const QString& NomeArquivo, QStringList& Saida);
// The first line; the lines each followed by CR LF. "" when the file is missing or empty.
ORVANE_SISTEMA_EXPORT QString LoadFileFirstLine(const QString& NomeArquivo);
ORVANE_SISTEMA_EXPORT QString LoadFileAllLines(const QString& NomeArquivo);
// The file's bytes that are text (tab, line breaks, 32 to 128 and the accented letters of
// Windows-1252), each read as the character of the same number, split into lines in Saida;
// false when the file is missing.
ORVANE_SISTEMA_EXPORT bool CarregarArquivoBinario(const QString& NomeArquivo, QStringList& Saida);
// Writes a file holding the one line GravarStrDentro (an empty file when it is empty); true when
// the file exists afterwards.
ORVANE_SISTEMA_EXPORT bool CriarArquivoTexto(const QString& FileName,
                                             const QString& GravarStrDentro);
// Appends a line; when LimitesLinhas is above 0, lines are first dropped from the top while more
// than LimitesLinhas remain, so the file holds at most LimitesLinhas + 1 lines. True when saved.
ORVANE_SISTEMA_EXPORT bool AddLinhaArquivoTexto(const QString& FileName,
                                                const QString& LinhaAdicionar,
                                                int LimitesLinhas = 0);
// Saves the text as lines; true when the file exists afterwards.
ORVANE_SISTEMA_EXPORT bool SaveTextSample(const QString& asText, const QString& asArquivo);
// Saves the XML text as a document with version "1.0" and the given encoding (its declaration
// replaced); false with the reason in asMsg when the text is not well-formed, the encoding is
// unknown or the file cannot be written.
ORVANE_SISTEMA_EXPORT bool SaveXMLFile(const QString& asXML, const QString& asArquivo,
                                       QString& asMsg,
                                       const QString& asEnconding = QStringLiteral("UTF-8"));
// When the first line is longer than 3 characters and starts with "ï»¿" (a UTF-8 mark read as
// Windows-1252 text), removes them and saves the lines back. True when it did.
ORVANE_SISTEMA_EXPORT bool RemoverBOM_UTF(const QString& NomeArquivo);
// Rewrites the file keeping only the bytes 32 to 126, 192 to 205, 217 to 239 and 243 to 252
// (line breaks go too); the old contents stay in Arquivo + ".bak". False when the file is
// missing; an error is shown to the user (TmDlg::Erro) and answers false.
ORVANE_SISTEMA_EXPORT bool LimparArquivoTexto(const QString& Arquivo);
// The file's text (the library's reading rule above).
ORVANE_SISTEMA_EXPORT QString GetFileConvertUTF8ToAnsi(const QString& asArquivo);
// The file's bytes in standard Base64, lines of 76 characters separated by CR LF.
ORVANE_SISTEMA_EXPORT QString ConvertFileToBase64(const QString& asArquivo);
// Decodes the text (line breaks ignored) and writes the bytes; EInOutError when it cannot.
ORVANE_SISTEMA_EXPORT void ConvertBase64ToFile(const QString& Base64String,
                                               const QString& FileName);
// A new in-memory stream holding the file, open for reading at its start; the caller owns it.
ORVANE_SISTEMA_EXPORT std::unique_ptr<QBuffer> GetStreamFile(const QString& asArquivo);

}  // namespace TmFile
