#pragma once
// The log writer: a plain-text log file with the newest entry at the top and a bounded number of
// old lines. Each Execute is one entry and one whole rewrite of the file; nothing is kept between
// calls and nothing runs in the background.
//
// The file: lines ended by CR LF. Each entry is a separator of 80 minus signs, then the entry line
//   <date> <time> - <origin>-> <message>
// with the date and time of the library's clock as "yyyy/mm/dd hh:nn:ss" (the regional date and
// time separators) and the message unchanged, so a message with line breaks spans several lines.
// The encoding is the one the file has by its byte-order mark (UTF-8, UTF-16 LE or BE, the mark
// kept); without one it is read by the library's one rule for unmarked files and kept (UTF-8
// when the kept lines' bytes are valid UTF-8 holding some byte above 127, else Windows-1252). A
// new file is Windows-1252: a character the code page lacks is written "?". Lines end at CR LF, a
// lone CR or a lone LF, and are all written back with CR LF.
//
// Only the lines that are kept are read, and the old part kept is bounded in bytes as well as in
// lines: the file is read from its top, and reading stops once the cap is reached or once 64 KiB
// of the file per line of the cap (4 MiB in all) are read; a line that has not ended by then is
// dropped with everything after it. So an entry costs the same into a log of a megabyte and of a
// gigabyte that has grown past its cap, or into one of a single endless line.
//
// A link at the log's name is refused, never followed: the entry raises EInOutError and neither
// the link nor what it points to (or the missing file it names) is read or written. So is
// anything at that name other than a regular file. The folder may be a link.
//
// The file is written through the library's whole-file rewrite: a failure or a killed process
// leaves the old log whole. A folder that cannot be created or a log that cannot be read or
// written raises EInOutError naming it; the log then stays as it was.
//
// Not for concurrent use: two writers on one file at the same time can lose one of the two
// entries (the last whole write wins); callers serialise their use.

#include <QObject>
#include <QString>
#include <QStringList>

#include "base/Codificacao.h"
#include "registro/ExportacaoRegistro.h"

class ORVANE_REGISTRO_EXPORT TGravaLogs {
public:
    // The origin of the entries is the owner's object name; empty without an owner.
    explicit TGravaLogs(const QObject* AOwner = nullptr);

    // Writes one entry with pMensagem from pOrigem on top of the log pNomeLog, below which at most
    // pMaximoLinhas of the old lines stay, the newest, within the bound in bytes above; a negative
    // cap counts as 0. pDiretorio is used as a prefix of pNomeLog as it is given, so it ends with
    // a separator ("\" reads as one, and a path on drive C: is mapped); when blank it is the
    // program's own folder. A missing folder is created with its missing parents.
    static void Execute(const QObject* pOrigem, const QString& pNomeLog, const QString& pMensagem,
                        const QString& pDiretorio, int pMaximoLinhas);

    // The entry the message dialogs hand the texts they log to. It writes nothing: the dialogs'
    // texts are not logged in this system.
    static void GravaLogMsg(const QString& pTexto);
    // Sends nothing and leaves the logs as they are.
    static void EnviaLogsEmail(const QString& pPathLogs, const QString& pExtensaoLogs);
    // Makes GravaLogMsg the dialogs' log entry (LogMensagens). A program whose dialogs log calls
    // it at start.
    static void Instalar();

private:
    void setDiretorio(const QString& pDiretorio);
    void loadLogMensagem();
    void addMensagem(const QString& pMensagem, bool pIsFimMensagem);
    void gravaLogMensagem() const;
    // The log's path on this machine.
    QString Arquivo() const;

    QStringList iLogs;  // newest first
    QString iNomeLog;
    QString iDiretorio;
    QString iNomeOrigem;
    int iMaximoLinhas = 0;
    TCodificacao codificacao_ = TCodificacao::Ansi;
};
