#include "display/canal/LeitorLinhas.h"

#include "base/CodePage.h"

namespace {

// A line of nothing, or of only the carriage return that its line feed drops.
bool Vazia(QByteArrayView linha) {
    return linha.isEmpty() || linha == "\r";
}

// Windows-1252 through the library's code page, whose five undefined bytes read as the C1
// controls of the same code: on the customer's screen they are bytes that failed, so U+FFFD.
QString DeWindows1252(QByteArrayView linha) {
    QString texto = CodePage::DeAnsi(linha);
    for (QChar& c : texto) {
        if (c.unicode() >= 0x80 && c.unicode() < 0xA0)
            c = QChar::ReplacementCharacter;
    }
    return texto;
}

QString DeAscii7(QByteArrayView linha) {
    QString texto(linha.size(), Qt::Uninitialized);
    char16_t* destino = reinterpret_cast<char16_t*>(texto.data());
    for (const char c : linha) {
        const auto byte = static_cast<unsigned char>(c);
        *destino++ = byte < 0x80 ? char16_t(byte) : char16_t(0xFFFD);
    }
    return texto;
}

}  // namespace

CodificacaoLinhas LeitorLinhas::CodificacaoPorNome(const QString& nome) {
    const QString chave = nome.trimmed().toUpper().remove(QLatin1Char('-'));
    if (chave == QLatin1String("UTF8"))
        return CodificacaoLinhas::Utf8;
    if (chave == QLatin1String("WINDOWS1252") || chave == QLatin1String("CP1252") ||
        chave == QLatin1String("1252"))
        return CodificacaoLinhas::Windows1252;
    return CodificacaoLinhas::Ascii7;
}

bool LeitorLinhas::AlimentarUltima(QByteArrayView dados, QString& ultima) {
    QByteArrayView ultimaNosDados;  // decoded once, at the end
    const bool dentroDoLimite = Cortar(dados, [&](QByteArrayView linha, bool nosDados) {
        if (Vazia(linha)) {
            return;
        }
        if (nosDados) {
            ultimaNosDados = linha;
        } else {
            ultima = Decodificar(linha, codificacao_);
            ultimaNosDados = {};
        }
    });
    if (!ultimaNosDados.isEmpty()) {
        ultima = Decodificar(ultimaNosDados, codificacao_);
    }
    return dentroDoLimite;
}

QString LeitorLinhas::Decodificar(QByteArrayView linha, CodificacaoLinhas codificacao) {
    if (linha.endsWith('\r')) {
        linha.chop(1);
    }
    switch (codificacao) {
        case CodificacaoLinhas::Utf8:
            if (linha.startsWith("\xEF\xBB\xBF"))  // a byte-order mark is not text
                linha = linha.sliced(3);
            return QString::fromUtf8(linha);  // a failing sequence becomes U+FFFD
        case CodificacaoLinhas::Windows1252:
            return DeWindows1252(linha);
        case CodificacaoLinhas::Ascii7:
            break;
    }
    return DeAscii7(linha);
}
