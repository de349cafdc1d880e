#pragma once
// Zip archives (deflate, on libzip): packing files under their bare names and unpacking an
// archive into a folder, with optional progress and per-file message callbacks.
//
// Failures of the archive or of the files answer false and leave their text in UltimoErroZip,
// which every operation clears at its start; nothing is raised for them. An exception thrown by
// a callback (a caller's cancel, for example) passes through to the caller, after the archive
// has been discarded as on any other failure.
//
// Packing:
// - Each file is added under its bare name (no folder part), compressed with deflate, with its
//   modification time and permission bits. Two files of the same bare name, or a file whose name
//   the archive already holds when adding: the last one wins (it replaces the entry; an archive
//   never holds two entries of one name).
// - The archive is written beside its final name and renamed over it only when complete, so a
//   failed pack leaves the old archive as it was (or no archive, when there was none).
// - Nothing to pack (no path, or masks that match nothing) answers false and leaves the archive
//   alone; the archive itself is never packed into itself.
//
// Unpacking:
// - An archive never writes outside its target folder. An entry named with "..", an absolute
//   name (also "C:..." or a leading "\"), or a symbolic link refuses the whole archive before
//   anything is written, and UltimoErroZip names the entry and the reason. A folder of the target
//   that is a symbolic link leading out of it stops the unpacking at that entry.
// - An archive whose entries share or overlap their data (a few kilobytes claiming gigabytes)
//   is refused when opened. The entries to unpack (after the mask and Overwrite) must declare
//   together at most 4 GiB and no more than the free space of the target folder's file system;
//   otherwise the whole archive is refused before anything is written. An entry never writes
//   more than it declares.
// - "\" in entry names is read as a folder separator, as Windows tools write them.
// - Entries stream to disk in blocks; each file is written beside its target and renamed over it
//   when complete and checked (CRC and size), so a damaged entry never replaces a good file.
// - Folder entries create their folder; they are not files, so they are neither announced nor
//   listed among the unpacked files.
// - The mask is matched against the entry's whole name (folders included, "*" crosses "/"), with
//   the file helpers' mask rules (case ignored). A folder entry is created only when it matches
//   too.
// - The names listed are those of the files written: a failure stops the unpacking, and the
//   entry that failed is not listed.
// - Names of unpacked files are the target folder, "/" and the entry's name, whether or not the
//   folder was given with a final separator.
// - Permission bits stored by Unix tools are kept (an unpacked program stays executable), less
//   set-id bits; otherwise files get the usual 0666 less the umask.
//
// Progress: GaugeCallBack(FileName, Header, Position) is called for every block of a file being
// packed or unpacked. FileName is the file on disk (the source when packing, the target when
// unpacking), Header.FileName the entry's name and Header.UncompressedSize its size (declared by
// the archive when unpacking, of the file when packing), Position the bytes of that file done so
// far. The libzip archive commits a pack when it is closed, so a pack announces every file
// (MensagemCallBack) first and reports their progress afterwards.
//
// Paths given to the operations may be Windows paths; they go through CaminhoWindows::Mapear.

#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>

#include "sistema/ExportacaoSistemaZip.h"

struct TZipHeader {
    QString FileName;
    quint64 UncompressedSize = 0;
};

using TZipProgressEvent =
    std::function<void(const QString& FileName, const TZipHeader& Header, qint64 Position)>;
using TOnMensagemEvent = std::function<void(const QString& Mensagem)>;

// The text of the last failed operation of this thread; empty after a success.
ORVANE_SISTEMAZIP_EXPORT extern thread_local QString UltimoErroZip;

class ORVANE_SISTEMAZIP_EXPORT TZip {
public:
    // Kept for the callers that store their callbacks with the object; the operations take their
    // callbacks as arguments and do not read these.
    TZipProgressEvent OnProgressoEvent;
    TOnMensagemEvent OnMensagem;

    // Packs the file, or the files matching the mask, into NomeArquivoZip: a new archive, or the
    // existing one with the files added when isAdicionar. False when nothing matches.
    static bool Compactar(const QString& NomeArquivoParaCompactarAceitaMascara,
                          const QString& NomeArquivoZip,
                          const TZipProgressEvent& GaugeCallBack = {},
                          const TOnMensagemEvent& MensagemCallBack = {}, bool isAdicionar = false);
    // The same for a list of paths and masks; a path without wildcards that is not a file fails.
    // MensagemCallBack gets each file's full path before it is added.
    static bool Compactar(const QStringList& ListaArquivos, const QString& NomeArquivoZip,
                          const TZipProgressEvent& GaugeCallBack = {},
                          const TOnMensagemEvent& MensagemCallBack = {}, bool isAdicionar = false);
    // A braced list is the list form: Compactar({"a.txt"}, zip) would otherwise be ambiguous
    // between a one-file mask and a list of one.
    static bool Compactar(std::initializer_list<QString> ListaArquivos,
                          const QString& NomeArquivoZip,
                          const TZipProgressEvent& GaugeCallBack = {},
                          const TOnMensagemEvent& MensagemCallBack = {}, bool isAdicionar = false) {
        return Compactar(QStringList(ListaArquivos), NomeArquivoZip, GaugeCallBack,
                         MensagemCallBack, isAdicionar);
    }

    // Unpacks into DirDestino (created when missing). Without Overwrite, entries whose target
    // exists are skipped; with a mask, entries that do not match it. ArquivosDescompactados,
    // when given, receives the unpacked files' paths, and then the answer is whether it holds
    // any; otherwise the answer is true on success.
    static bool DescompactarERetornarNomes(const QString& ArquivoZipOrigem,
                                           const QString& DirDestino, bool Overwrite,
                                           const TZipProgressEvent& GaugeCallBack,
                                           const TOnMensagemEvent& MensagemCallBack,
                                           const QString& MascaraArquivosDescompactar,
                                           QStringList* ArquivosDescompactados);
    static bool Descompactar(const QString& ArquivoZipOrigem, const QString& DirDestino,
                             bool Overwrite = true, const TZipProgressEvent& GaugeCallBack = {},
                             const TOnMensagemEvent& MensagemCallBack = {},
                             const QString& MascaraArquivosDescompactar = {});
    // Overwriting, without callbacks; the unpacked files' paths into Arquivos.
    static bool DescompactarRetornarNomes(const QString& ArquivoZipOrigem,
                                          const QString& DirDestino,
                                          const QString& MascaraArquivosDescompactar,
                                          QStringList& Arquivos);
    // Overwriting, without callbacks; NomeArquivo is the first unpacked file's path ("" when
    // none was).
    static bool DescompactarRetornarNome(const QString& ArquivoZipOrigem, const QString& DirDestino,
                                         const QString& MascaraArquivosDescompactar,
                                         QString& NomeArquivo);
};
