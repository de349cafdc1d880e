#include "base/Codificacao.h"

#include <QStringEncoder>

#include "base/CodePage.h"

QByteArrayView MarcaDaCodificacao(TCodificacao c) {
    switch (c) {
        case TCodificacao::Utf8:
            return "\xEF\xBB\xBF";
        case TCodificacao::Utf16LE:
            return "\xFF\xFE";
        case TCodificacao::Utf16BE:
            return "\xFE\xFF";
        case TCodificacao::Ansi:
        case TCodificacao::Utf8SemMarca:
            break;
    }
    return {};
}

std::optional<TCodificacao> CodificacaoMarcada(QByteArrayView bytes) {
    for (TCodificacao c : {TCodificacao::Utf8, TCodificacao::Utf16LE, TCodificacao::Utf16BE})
        if (bytes.startsWith(MarcaDaCodificacao(c)))
            return c;
    return std::nullopt;
}

TCodificacao CodificacaoSemMarca(QByteArrayView bytes) {
    return CodePage::SemMarcaEmUtf8(bytes) ? TCodificacao::Utf8SemMarca : TCodificacao::Ansi;
}

TCodificacao CodificacaoPelaMarca(QByteArrayView bytes) {
    return CodificacaoMarcada(bytes).value_or(CodificacaoSemMarca(bytes));
}

QStringConverter::Encoding ConversorDe(TCodificacao c) {
    switch (c) {
        case TCodificacao::Utf16LE:
            return QStringConverter::Utf16LE;
        case TCodificacao::Utf16BE:
            return QStringConverter::Utf16BE;
        default:
            return QStringConverter::Utf8;
    }
}

QByteArray CodificarTexto(QStringView texto, TCodificacao c) {
    if (c == TCodificacao::Ansi)
        return CodePage::ParaAnsi(texto);
    QStringEncoder codificador(ConversorDe(c));
    return MarcaDaCodificacao(c).toByteArray() + QByteArray(codificador.encode(texto));
}
