#pragma once
// The text encodings of the library's files, their byte-order marks and the one converter between
// text and bytes that the settings file, the log writer and the text-file jobs share. Bytes without
// a mark follow the library's one rule for unmarked files (CodePage::SemMarcaEmUtf8): UTF-8 when
// they are valid UTF-8 holding some byte above 127, else Windows-1252.

#include <QByteArray>
#include <QStringConverter>
#include <QStringView>
#include <optional>

#include "base/ExportacaoBase.h"

enum class TCodificacao {
    Ansi,          // Windows-1252, no mark
    Utf8,          // with the mark EF BB BF
    Utf16LE,       // with the mark FF FE
    Utf16BE,       // with the mark FE FF
    Utf8SemMarca,  // UTF-8 without a mark
};

// The byte-order mark a file in the encoding starts with (none for Ansi and Utf8SemMarca).
ORVANE_BASE_EXPORT QByteArrayView MarcaDaCodificacao(TCodificacao c);
// The encoding whose mark the bytes start with; none without a mark.
ORVANE_BASE_EXPORT std::optional<TCodificacao> CodificacaoMarcada(QByteArrayView bytes);
// The encoding of bytes without a mark: Utf8SemMarca or Ansi.
ORVANE_BASE_EXPORT TCodificacao CodificacaoSemMarca(QByteArrayView bytes);
// The encoding a file of these bytes is read in: that of its mark, else that of its bytes.
ORVANE_BASE_EXPORT TCodificacao CodificacaoPelaMarca(QByteArrayView bytes);

// Qt's converter for the Unicode encodings (UTF-8 for Ansi, which Qt has not: read and write it
// through CodePage).
ORVANE_BASE_EXPORT QStringConverter::Encoding ConversorDe(TCodificacao c);
// The text in the encoding, after the encoding's mark. A character Windows-1252 lacks is "?".
ORVANE_BASE_EXPORT QByteArray CodificarTexto(QStringView texto, TCodificacao c);
