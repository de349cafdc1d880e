#pragma once
// Cuts the byte stream of one command connection into lines and decodes them.
//
// A line is the bytes up to a line feed (byte 10). A carriage return just before the line feed is
// dropped; any other carriage return stays. By default the protocol is 7-bit text: a byte 0..127
// becomes the character of that code, every byte 128..255 becomes U+FFFD. A reader may instead be
// told the POS's encoding (UTF-8, or Windows-1252, the code page of the Brazilian POS programs):
// each line is then decoded in it alone, and what is not valid in it (a broken UTF-8 sequence, one
// of the five bytes Windows-1252 leaves undefined) becomes U+FFFD where it fails; the rest of the
// line is kept.
//
// Length limit: the bytes between the previous line feed (or the start of the connection) and the
// line's own line feed may number at most kMaximoBytesLinha, a carriage return before the line
// feed included (the limit is on what travels, before any decoding). The reader fails as soon as
// the line in progress passes the limit, without waiting for its line feed, so a peer that never
// sends one cannot make the reader hold more than kMaximoBytesLinha bytes.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstring>

// The encodings a POS may send its lines in. Ascii7 is the protocol's own, and the default.
enum class CodificacaoLinhas { Ascii7, Utf8, Windows1252 };

class LeitorLinhas {
public:
    static constexpr qsizetype kMaximoBytesLinha = 16384;

    explicit LeitorLinhas(CodificacaoLinhas codificacao = CodificacaoLinhas::Ascii7)
        : codificacao_(codificacao) {}

    // The encoding a settings value names: "UTF-8" or "Windows-1252" (case and the hyphen do not
    // matter; "1252" and "CP1252" name the latter). An empty or unknown name gives Ascii7, so a
    // settings file without the key, or with a mistaken value, reads lines as the protocol does.
    static CodificacaoLinhas CodificacaoPorNome(const QString& nome);

    // Takes the next bytes received and calls aoLinha(QString) for every line they complete, in
    // order, empty ones included. Returns false when the line in progress passed the limit: the
    // caller must close the connection; the long line is discarded and never reaches aoLinha,
    // the lines completed before it have. The bytes after the last line feed are kept for the
    // next call; a connection that closes leaves them unused.
    template <typename AoLinha>
    bool Alimentar(QByteArrayView dados, AoLinha&& aoLinha);

    // The same, giving only the last non-empty line that the bytes complete, decoded, in ultima
    // (left as it is when they complete none). Lines that arrive together replace one another at
    // once in the pending slot, so the channel decodes only the one that can count.
    bool AlimentarUltima(QByteArrayView dados, QString& ultima);

    // The lines completed so far, empty ones included.
    qint64 Linhas() const { return linhas_; }

    // Decodes the bytes of one line, those before its line feed, as described above.
    static QString Decodificar(QByteArrayView linha,
                               CodificacaoLinhas codificacao = CodificacaoLinhas::Ascii7);

private:
    // Cuts the lines that dados completes and calls aoLinha(QByteArrayView bytes, bool nosDados)
    // for each with the bytes before its line feed; nosDados tells that the bytes lie in dados
    // (and live as long as it does) rather than in parcial_ (valid only during the call).
    template <typename AoLinha>
    bool Cortar(QByteArrayView dados, AoLinha&& aoLinha);

    CodificacaoLinhas codificacao_;
    qint64 linhas_ = 0;
    QByteArray parcial_;  // bytes of the line in progress, when a read ended before its line feed
};

template <typename AoLinha>
bool LeitorLinhas::Alimentar(QByteArrayView dados, AoLinha&& aoLinha) {
    return Cortar(dados,
                  [&](QByteArrayView linha, bool) { aoLinha(Decodificar(linha, codificacao_)); });
}

template <typename AoLinha>
bool LeitorLinhas::Cortar(QByteArrayView dados, AoLinha&& aoLinha) {
    const char* inicio = dados.data();
    const char* const fim = inicio + dados.size();
    while (inicio != fim) {
        const auto* lf = static_cast<const char*>(std::memchr(inicio, '\n', fim - inicio));
        const qsizetype tamanho = (lf ? lf : fim) - inicio;
        if (parcial_.size() + tamanho > kMaximoBytesLinha) {
            parcial_.clear();
            return false;
        }
        if (!lf) {
            parcial_.append(inicio, tamanho);
            break;
        }
        if (parcial_.isEmpty()) {
            aoLinha(QByteArrayView(inicio, tamanho), true);
        } else {
            parcial_.append(inicio, tamanho);
            aoLinha(QByteArrayView(parcial_), false);
            parcial_.resize(0);  // keeps the capacity for the next split line
        }
        ++linhas_;
        inicio = lf + 1;
    }
    return true;
}
