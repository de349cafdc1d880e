#include "display/telas/LeitorImagem.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <cstdlib>
#include <optional>
#include <stdexcept>

#include "registro/diario/Diario.h"

namespace {

// Megabytes: neither the file nor the decoded picture may take more, so that a hostile header
// or file cannot exhaust memory.
constexpr int kLimiteMb = 512;

[[noreturn]] void FalharLeitura(const QString& caminho, const QString& motivo) {
    const QString texto =
        QStringLiteral("Não foi possível carregar a imagem \"%1\": %2").arg(caminho, motivo);
    Diario::Escrever(Diario::ENivel::Aviso, texto);
    throw std::runtime_error(texto.toStdString());
}

// A little-endian number at a position, if the bytes reach that far.
template <typename T>
std::optional<T> Ler(QByteArrayView bytes, qsizetype posicao) {
    if (bytes.size() - posicao < qsizetype(sizeof(T)))
        return std::nullopt;
    return qFromLittleEndian<T>(bytes.data() + posicao);
}

// The bytes a BMP needs: its pixel offset plus its rows (uncompressed) or plus the size its header
// gives for the compressed pixels, else the file size it declares.
bool BmpCompleto(QByteArrayView b) {
    const auto tamanhoArquivo = Ler<quint32>(b, 2);
    const auto inicioPixels = Ler<quint32>(b, 10);
    const auto tamanhoCabecalho = Ler<quint32>(b, 14);
    if (!tamanhoArquivo || !inicioPixels || !tamanhoCabecalho)
        return false;
    std::optional<qint64> largura, altura, bits;
    std::optional<quint32> compressao = 0, tamanhoPixels = 0;
    if (*tamanhoCabecalho == 12) {  // OS/2 core header
        largura = Ler<quint16>(b, 18);
        altura = Ler<quint16>(b, 20);
        bits = Ler<quint16>(b, 24);
    } else {
        largura = Ler<qint32>(b, 18);
        altura = Ler<qint32>(b, 22);
        bits = Ler<quint16>(b, 28);
        compressao = Ler<quint32>(b, 30);
        tamanhoPixels = Ler<quint32>(b, 34);
    }
    if (!largura || !altura || !bits || !compressao || !tamanhoPixels)
        return false;
    constexpr quint32 kRgb = 0, kBitfields = 3, kAlphaBitfields = 6;
    __int128 necessario = 0;  // the product of a hostile header's fields passes 64 bits
    if (*compressao == kRgb || *compressao == kBitfields || *compressao == kAlphaBitfields) {
        const __int128 bytesLinha = (std::abs(*largura) * *bits + 31) / 32 * 4;
        necessario = *inicioPixels + bytesLinha * std::abs(*altura);
    } else {
        necessario = *tamanhoPixels > 0 ? __int128(*inicioPixels) + *tamanhoPixels
                                        : __int128(*tamanhoArquivo);
    }
    return b.size() >= necessario;
}

// Walks the chunks after the signature up to IEND.
bool PngCompleto(QByteArrayView b) {
    qsizetype posicao = 8;
    while (b.size() - posicao >= 8) {
        const quint32 comprimento = qFromBigEndian<quint32>(b.data() + posicao);
        const qint64 fim = qint64(posicao) + 12 + comprimento;  // length, type, data, CRC
        if (fim > b.size())
            return false;
        if (b.sliced(posicao + 4, 4) == QByteArrayView("IEND"))
            return true;
        posicao = qsizetype(fim);
    }
    return false;
}

// The end-of-image marker must follow the start of the last scan. Inside a scan a 0xFF byte is
// always followed by 0x00 or a restart marker, so the marker cannot appear there by chance.
bool JpegCompleto(QByteArrayView b) {
    const qsizetype ultimaVarredura = b.lastIndexOf(QByteArrayView("\xFF\xDA"));
    return ultimaVarredura >= 0 && b.indexOf(QByteArrayView("\xFF\xD9"), ultimaVarredura) >= 0;
}

// Whether the bytes of a BMP, PNG or JPEG file hold the whole picture their structure promises;
// true for any other content.
bool ImagemCompleta(QByteArrayView bytes) {
    if (bytes.startsWith("BM"))
        return BmpCompleto(bytes);
    if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        return PngCompleto(bytes);
    if (bytes.startsWith("\xFF\xD8"))
        return JpegCompleto(bytes);
    return true;
}

}  // namespace

QImage LerImagem(const QString& caminho) {
    return LerArquivoImagem(caminho).imagem;
}

TArquivoImagem LerArquivoImagem(const QString& caminho) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        FalharLeitura(caminho, arquivo.errorString());
    if (arquivo.size() > qint64(kLimiteMb) * 1024 * 1024)
        FalharLeitura(caminho, QStringLiteral("arquivo grande demais"));
    QByteArray bytes = arquivo.readAll();
    QBuffer dados(&bytes);
    dados.open(QIODevice::ReadOnly);
    QImageReader leitor(&dados, QFileInfo(caminho).suffix().toLatin1());
    leitor.setAllocationLimit(kLimiteMb);
    QImage imagem;
    if (!leitor.read(&imagem))
        FalharLeitura(caminho, leitor.errorString());
    if (!ImagemCompleta(bytes))
        FalharLeitura(caminho, QStringLiteral("o arquivo está incompleto"));
    return {bytes, imagem};
}
