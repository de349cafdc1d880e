#pragma once
// The settings file's format, apart from the TmConfig API that reads and writes values through it:
// how bytes become lines and lines become bytes, what a line is, and where the API finds, inserts
// and erases lines. Nothing here knows typed values, files on disk or the modified state.
//
// Bytes and lines:
// - A byte-order mark selects UTF-8, UTF-16 LE or UTF-16 BE. Bytes without one are UTF-8 when
//   they are valid UTF-8 and hold some byte above 127, else Windows-1252 (plain ASCII reads
//   the same either way and stays Windows-1252, the encoding of new files): the library's one
//   rule for unmarked files (CodePage::SemMarcaEmUtf8). A file is written back in the encoding
//   it was read in, so a file saved by a Linux editor stays UTF-8 without a mark. Decoding in a
//   given encoding skips that encoding's mark only: a second mark, or another encoding's, is
//   text.
// - Lines end at CR LF, a lone CR or a lone LF; a final terminator opens no further line.
// - Encoding writes the encoding's mark, then every line, the last included, followed by CR LF.
//   A line break inside a line (a value given with one) is written as a blank, so a value can
//   never add lines, keys or headers to the file.
// - Stray mark: a first line longer than three characters that starts with the UTF-8 mark read
//   as Windows-1252 ("ï»¿") loses those three characters.
//
// The grammar of a line:
// - A header is a line whose very first character is "["; it names section N when the whole
//   line equals "[N]" ignoring case. A header of no name (a blank inside or after the brackets)
//   still ends the block above it.
// - A key line holds "="; its name is the text before the first "=" and its value the text after
//   it, neither trimmed. The empty key name is only that of lines starting with "=": lines
//   without "=" (comments, blank lines) are never taken for a key, so no write overwrites them.
// - A key belongs to the section of the nearest header above it; keys above the first header
//   belong to none.
// - Letter case is compared by Unicode simple case folding (Qt::CaseInsensitive), in place and
//   without building upper-cased copies. It agrees with upper-casing for every letter these
//   files hold (accented Latin included: "ç" matches "Ç"); it differs only for letters whose
//   upper case is several letters ("ß" is not "SS"), which Windows' upper-casing leaves alone
//   as well.
// - Blank means empty after the library's trim (every code of 32 or less cut from both ends).
//
// Positions (TLinhasConfig): a section's block is the lines after its first header up to the
// next header. A key is the first line of that name under any header of the section. New keys
// go at the end of the first run of non-blank lines after the section's first header.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "base/Codificacao.h"
#include "texto/ExportacaoTexto.h"

namespace FormatoConfig {

// Empty after the library's trim.
ORVANE_TEXTO_EXPORT bool EmBranco(QStringView linha);
// The text before the first "=", empty for a line without one.
ORVANE_TEXTO_EXPORT QStringView NomeChave(QStringView linha);
// The text after the first "=", empty for a line without one.
ORVANE_TEXTO_EXPORT QStringView ValorChave(QStringView linha);
// The section a line whose trimmed text begins with "[" lists (every "[" and "]" removed, then
// trimmed); nothing for any other line.
ORVANE_TEXTO_EXPORT std::optional<QString> SecaoListada(QStringView linha);

}  // namespace FormatoConfig

// A file's bytes decoded into lines. Immutable, so the objects opened on the same bytes can share
// one decoding.
struct ORVANE_TEXTO_EXPORT TLinhasCarregadas {
    // Decodes in the requested encoding or, with none, in the one the bytes are read in.
    TLinhasCarregadas(QByteArray bytes, std::optional<TCodificacao> pedida);
    TLinhasCarregadas(const TLinhasCarregadas&) = delete;
    TLinhasCarregadas& operator=(const TLinhasCarregadas&) = delete;

    const QByteArray bytes;
    const std::optional<TCodificacao> pedida;
    const TCodificacao codificacao;
    QString texto;
    QList<QStringView> linhas;    // into texto
    QList<qsizetype> cabecalhos;  // the header lines, then the number of lines
};

// The document: the settings file's lines, with the positions of the format's rules and edits
// that leave every other line as it was.
class ORVANE_TEXTO_EXPORT TLinhasConfig {
public:
    TLinhasConfig() = default;
    explicit TLinhasConfig(QStringList linhas) : lista_(std::move(linhas)) {}
    // A loaded file stays as views into its shared decoded text (with the positions of its
    // headers) until the first change gives the document lines of its own: opening a large
    // file costs one decoding pass and no allocation per line, and a lookup visits only the
    // headers and the blocks of the wanted section.
    explicit TLinhasConfig(std::shared_ptr<const TLinhasCarregadas> carga)
        : carga_(std::move(carga)) {}

    qsizetype Total() const { return carga_ ? carga_->linhas.size() : lista_.size(); }
    QStringView Linha(qsizetype i) const {
        return carga_ ? carga_->linhas[i] : QStringView(lista_[i]);
    }
    QStringList Lista() const;
    // The lines as the file's bytes in the encoding (see the file comment).
    QByteArray Codificar(TCodificacao codificacao) const;

    // The first header of secao, or -1.
    qsizetype IndiceSecao(QStringView secao) const;
    // The first line whose key name is item and whose nearest header above names secao, or -1.
    qsizetype IndiceChave(QStringView secao, QStringView item) const;
    // The end of the block of the header at h: the next header, or the number of lines.
    qsizetype FimDoBloco(qsizetype h) const;
    // Where a new key of secao goes: the end of the first run of non-blank lines after its first
    // header. Before a header that closes the run a blank line is inserted first, so one blank
    // line keeps the new key apart from the next section. -1 when the section is absent.
    qsizetype PosicaoInsercao(QStringView secao);

    void Inserir(qsizetype i, const QString& linha) { Editar().insert(i, linha); }
    void Acrescentar(const QString& linha) { Editar().append(linha); }
    void Substituir(qsizetype i, const QString& linha) { Editar()[i] = linha; }
    void Remover(qsizetype i, qsizetype quantidade = 1) { Editar().remove(i, quantidade); }
    // Applies the stray-mark rule to the first line.
    void RemoverMarcaSolta();

private:
    // The lines as a list of their own, for a change.
    QStringList& Editar();
    QList<qsizetype> Cabecalhos() const;

    std::shared_ptr<const TLinhasCarregadas> carga_;
    QStringList lista_;  // the lines once there is no carga_
};
