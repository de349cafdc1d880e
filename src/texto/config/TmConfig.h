#pragma once
// The settings file: an INI-like text file held whole in memory as its lines, queried and changed
// there by section and key, and written back whole. It never rebuilds the file from a model:
// comments, free text, blank lines, duplicate sections and keys outside any section stay where
// they are. One object per use: open, read or write some values, free; the object saves itself
// when it is freed after a change. The format (encodings, lines, headers, keys and where new
// lines go) is that of texto/config/FormatoConfig.h.
//
// The document is written back in the encoding it was read in, with that encoding's mark (a file
// without a mark is read by the library's one rule, see FormatoConfig.h); a document never read
// from a file (no file yet, not loaded, or built from a list) is written in Windows-1252 without
// one.
//
// Several programs write one file (the display's settings page, the POS through the static
// access), so a document opened with loading does not write back the file it loaded: its save
// takes the file's exclusive lock (TTravaConfig), reads the file again under it and applies to
// what it finds the changes this object made (writes, deleted keys, erased sections, appended
// lines, in their order), then writes that and holds it as its document. What other writers
// saved since this object loaded the file stays; a key both changed takes this object's value,
// the last writer's. A document opened without loading replaces the file, as asked. Loading takes
// the lock shared. SaveCopyTo writes the document as it stands, without lock or merge.
//
// Typed values are written and parsed in the process's current regional settings
// (FormatSettings()): integers in decimal, Booleans as "1"/"0", floats and currency in the
// general form, dates day first "DD/MM/YYYY", date-times "DD/MM/YYYY HH:NN:SS", times
// "HH:NN:SS". A typed read turns its default into that text form, reads the string with it as
// the default and parses the result; only a failed parse returns the default itself. Booleans
// are true only for exactly "1". Currency text is read exactly (never through a double), so
// every amount of the type comes back as written.
//
// Saving goes to a temporary file in the target's folder that then replaces the target, so a
// failure part way leaves the previous file whole. Where the folder takes no new file or the
// target cannot be replaced by a rename (a folder without write permission, a read-only mount
// with the file mounted writable inside, a file that is itself a mount point) but the file
// itself is writable, the file is rewritten in place instead: the space it needs is reserved
// first, so a full disk or a size limit fails before the old content changes. The folder must
// exist; nothing creates it. A target without write permission for its owner is read-only and
// is not replaced, even for a process that could override the permission. Failures raise
// EInOutError, except in the destructor, which cannot report them: callers that must know call
// Flush first.

#include <QString>
#include <QStringList>
#include <optional>

#include "base/Currency.h"
#include "base/EInOutError.h"
#include "base/TDateTime.h"
#include "texto/ExportacaoTexto.h"
#include "texto/config/FormatoConfig.h"

class ORVANE_TEXTO_EXPORT TmConfig {
public:
    // Opens Arquivo. With the flag on and the file present, loads it (encoding by its mark);
    // otherwise the document starts empty and a save replaces the file. A present file that
    // cannot be read raises EInOutError.
    TmConfig(const QString& Arquivo, bool CarregarArquivoExistenteParaUpdate);
    // Opens Arquivo and loads it whenever it exists, read in the given encoding (a mark of that
    // encoding at the start is skipped) and written back in it. A file that does not exist yet
    // is written in Windows-1252, as every document never read from a file.
    TmConfig(const QString& Arquivo, TCodificacao Encoding);
    // A document of the caller's lines, with no file (a save without a name fails).
    explicit TmConfig(const QStringList& aLista);
    // Saves a modified document; a failure is ignored and the changes are lost.
    ~TmConfig();
    TmConfig(const TmConfig&) = delete;
    TmConfig& operator=(const TmConfig&) = delete;

    // Saves a modified document (merged with the file as it is now, see above) and clears
    // Modificado; on failure raises EInOutError and Modificado stays true. Does nothing when
    // nothing changed.
    void Flush();
    // Writes the document to NomeArquivo, changed or not; Modificado is untouched.
    void SaveCopyTo(const QString& NomeArquivo) const;
    void SetModificado(bool aModificado) { modificado_ = aModificado; }
    // The running program's path with its extension replaced by ".ini" (added when it has
    // none). Read from the system (/proc/self/exe), so it holds before an application object
    // exists, and the path the program was started from even after an update replaced the file.
    static QString GetFileNameDefault();

    const QString& Arquivo() const { return arquivo_; }
    // The document's lines.
    QStringList Lista() const { return linhas_.Lista(); }
    bool Modificado() const { return modificado_; }
    // The number of lines right after construction.
    int TotalLinhas() const { return totalLinhas_; }

    // The value text as stored, or Padrao when the key is not in the section.
    QString ReadString(const QString& Secao, const QString& Item, const QString& Padrao) const;
    std::int32_t ReadInteger(const QString& Secao, const QString& Item, std::int32_t Padrao) const;
    bool ReadBool(const QString& Secao, const QString& Item, bool Padrao) const;
    double ReadFloat(const QString& Secao, const QString& Item, double Padrao) const;
    Currency ReadCurr(const QString& Secao, const QString& Item, Currency Padrao) const;
    TDateTime ReadDate(const QString& Secao, const QString& Item, TDateTime Padrao) const;
    TDateTime ReadDateTime(const QString& Secao, const QString& Item, TDateTime Padrao) const;
    TDateTime ReadTime(const QString& Secao, const QString& Item, TDateTime Padrao) const;

    // Sets the key, creating key and section when needed; an empty Valor removes an existing
    // key (and gives a line ending in "=" for a new one). Always sets Modificado.
    void WriteString(const QString& Secao, const QString& Item, const QString& Valor);
    void WriteInteger(const QString& Secao, const QString& Item, std::int32_t Valor);
    void WriteBool(const QString& Secao, const QString& Item, bool Valor);
    void WriteFloat(const QString& Secao, const QString& Item, double Valor);
    void WriteCurr(const QString& Secao, const QString& Item, Currency Valor);
    void WriteDate(const QString& Secao, const QString& Item, TDateTime Valor);
    void WriteDateTime(const QString& Secao, const QString& Item, TDateTime Valor);
    void WriteTime(const QString& Secao, const QString& Item, TDateTime Valor);
    // Appends a raw line; does not set Modificado.
    void WriteLinha(const QString& Valor);

    // The same operations on the section "Config".
    QString ReadStringConfig(const QString& Item, const QString& Padrao) const;
    std::int32_t ReadIntegerConfig(const QString& Item, std::int32_t Padrao) const;
    bool ReadBoolConfig(const QString& Item, bool Padrao) const;
    double ReadFloatConfig(const QString& Item, double Padrao) const;
    Currency ReadCurrConfig(const QString& Item, Currency Padrao) const;
    TDateTime ReadDateConfig(const QString& Item, TDateTime Padrao) const;
    TDateTime ReadDateTimeConfig(const QString& Item, TDateTime Padrao) const;
    void WriteStringConfig(const QString& Item, const QString& Valor);
    void WriteIntegerConfig(const QString& Item, std::int32_t Valor);
    void WriteBoolConfig(const QString& Item, bool Valor);
    void WriteFloatConfig(const QString& Item, double Valor);
    void WriteCurrConfig(const QString& Item, Currency Valor);
    void WriteDateConfig(const QString& Item, TDateTime Valor);
    void WriteDateTimeConfig(const QString& Item, TDateTime Valor);

    // True when some line is a header of Secao.
    bool SectionExists(const QString& Secao) const;
    // Every line whose trimmed text begins with "[", with all "[" and "]" removed and trimmed,
    // in file order, duplicates included.
    void ReadSections(QStringList& Saida) const;
    // The non-empty key names of the section's block (the lines after its first header up to
    // the next header).
    void ReadSection(const QString& Secao, QStringList& Saida) const;
    // Every non-empty line of the section's block, unchanged.
    void ReadSectionValues(const QString& Secao, QStringList& Saida) const;
    // The number of lines of the section's block with a non-empty key name.
    int GetSectionItemCount(const QString& Secao) const;
    // Removes the first header of Secao, its block and the lines up to the next header.
    void EraseSection(const QString& Secao);
    // Removes the key's line; sets Modificado only when a line was removed.
    void DeleteKey(const QString& Secao, const QString& Item);

private:
    // A change this object made, kept until it is saved so that the save can make it again on
    // the file as it is then.
    struct TAlteracao {
        enum class Tipo { Escrever, ExcluirChave, ApagarSecao, AcrescentarLinha } tipo;
        QString secao, item, valor;
    };

    // Makes the change on the lines; false when it changed nothing.
    static bool Aplicar(TLinhasConfig& linhas, const TAlteracao& alteracao);
    // Makes the change on the document and keeps it; true when it changed anything.
    bool Alterar(TAlteracao alteracao);
    // Loads the file (taking its lock shared) when it exists, in the requested encoding or,
    // with none, in the one its bytes are read in.
    void Carregar();
    // Replaces the document by the file as it is now, with this object's changes made again.
    void Mesclar();
    void Salvar();
    void Gravar(const QString& destino) const;

    QString arquivo_;
    TLinhasConfig linhas_;
    TCodificacao codificacao_ = TCodificacao::Ansi;
    std::optional<TCodificacao> pedida_;
    bool carregado_ = false;  // opened with loading: a save merges
    QList<TAlteracao> alteracoes_;
    bool modificado_ = false;
    int totalLinhas_ = 0;
};
