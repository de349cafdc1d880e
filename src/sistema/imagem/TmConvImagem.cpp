#include "sistema/imagem/TmConvImagem.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <array>

#include "base/EConvertError.h"

namespace {

constexpr int kLimiteMb = 512;
constexpr int kQualidadeJpeg = 75;

[[noreturn]] void Falhar(const QString& motivo) {
    throw EConvertError(QStringLiteral("Erro ao carregar a imagem para redimensionar!\r\n") +
                        motivo);
}

// Reads the whole stream from its start as a picture of the given format (any format when
// empty); nothing when it does not decode.
QImage Ler(QIODevice& fluxo, const char* formato, QString& erro) {
    fluxo.seek(0);
    QImageReader leitor(&fluxo, formato);
    leitor.setAllocationLimit(kLimiteMb);
    leitor.setAutoTransform(false);
    QImage imagem = leitor.read();
    if (imagem.isNull())
        erro = leitor.errorString();
    return imagem;
}

QImage LerOuFalhar(QIODevice& fluxo, const char* formato) {
    QString erro;
    QImage imagem = Ler(fluxo, formato, erro);
    if (imagem.isNull())
        Falhar(erro);
    return imagem;
}

QByteArray Gravar(const QImage& imagem, const char* formato, int qualidade = -1) {
    QByteArray bytes;
    QBuffer saida(&bytes);
    saida.open(QIODevice::WriteOnly);
    QImageWriter escritor(&saida, formato);
    escritor.setQuality(qualidade);
    if (!escritor.write(imagem))
        Falhar(escritor.errorString());
    return bytes;
}

// The picture drawn stretched onto a largura x altura canvas of the given ground, without
// smoothing.
QImage Esticada(const QImage& imagem, int largura, int altura, QImage::Format formato,
                Qt::GlobalColor fundo) {
    if (largura <= 0 || altura <= 0)
        Falhar(QStringLiteral("tamanho de destino inválido"));
    QImage tela(largura, altura, formato);
    tela.fill(fundo);
    QPainter pintor(&tela);
    pintor.setRenderHint(QPainter::SmoothPixmapTransform, false);
    pintor.drawImage(QRect(0, 0, largura, altura), imagem);
    return tela;
}

}  // namespace

namespace TmConv {

void FiltroBilinear(const std::uint8_t* origem, int largura, int altura, qsizetype linhaOrigem,
                    std::uint8_t* destino, int alvoLargura, int alvoAltura,
                    qsizetype linhaDestino) {
    const std::int64_t passoX = std::int64_t(largura - 1) * 65536 / alvoLargura;
    const std::int64_t passoY = std::int64_t(altura - 1) * 65536 / alvoAltura;
    const auto pixel = [&](std::int64_t y, std::int64_t x) {
        return origem + y * linhaOrigem + x * 3;
    };
    for (std::int64_t r = 0; r < alvoAltura; ++r) {
        const std::int64_t fy = r * passoY;
        const std::int64_t y0 = fy >> 16;
        const std::int64_t y1 = std::min<std::int64_t>(y0 + 1, altura - 1);
        const std::int64_t wy1 = (fy & 0xFFFF) + 1;
        const std::int64_t wy0 = 65536 - (fy & 0xFFFF);
        std::uint8_t* saida = destino + r * linhaDestino;
        for (std::int64_t c = 0; c < alvoLargura; ++c) {
            const std::int64_t fx = c * passoX;
            const std::int64_t x0 = fx >> 16;
            const std::int64_t x1 = std::min<std::int64_t>(x0 + 1, largura - 1);
            const std::int64_t f = fx & 0xFFFF;
            const std::int64_t w01 = f * wy0 / 65536, w00 = wy0 - w01;
            const std::int64_t w11 = f * wy1 / 65536, w10 = wy1 - w11;
            const std::uint8_t *p00 = pixel(y0, x0), *p01 = pixel(y0, x1);
            const std::uint8_t *p10 = pixel(y1, x0), *p11 = pixel(y1, x1);
            for (int k = 0; k < 3; ++k) {
                *saida++ =
                    std::uint8_t((p00[k] * w00 + p01[k] * w01 + p10[k] * w10 + p11[k] * w11) >> 16);
            }
        }
    }
}

QByteArray resizeImage(QIODevice& FilePathNameImg, std::uint16_t WMax, std::uint16_t HMax) {
    QString erro;
    QImage imagem = Ler(FilePathNameImg, "jpeg", erro);
    if (imagem.isNull())
        imagem = LerOuFalhar(FilePathNameImg, "bmp");
    const qint64 largura = imagem.width(), altura = imagem.height();
    if (largura < WMax || altura < HMax)
        return {};
    const qint64 c = HMax * largura / altura;
    const qint64 d = WMax * altura / largura;
    const int alvoLargura = int(std::max<qint64>(WMax < c ? WMax : c, 1));
    const int alvoAltura = int(std::max<qint64>(WMax < c ? d : HMax, 1));

    const QImage origem = imagem.convertToFormat(QImage::Format_RGB888);
    QImage alvo(alvoLargura, alvoAltura, QImage::Format_RGB888);
    FiltroBilinear(origem.constBits(), int(largura), int(altura), origem.bytesPerLine(),
                   alvo.bits(), alvoLargura, alvoAltura, alvo.bytesPerLine());
    return Gravar(alvo, "jpeg", kQualidadeJpeg);
}

QByteArray resizeImagePNG(QIODevice& FilePathNameImg, std::uint16_t WMax, std::uint16_t HMax) {
    const QImage imagem = LerOuFalhar(FilePathNameImg, "");
    return Gravar(Esticada(imagem, WMax, HMax, QImage::Format_ARGB32, Qt::transparent), "jpeg",
                  kQualidadeJpeg);
}

QByteArray resizeImageBMP(QIODevice& FilePathNameImg, std::uint16_t WMax, std::uint16_t HMax) {
    const QImage imagem = LerOuFalhar(FilePathNameImg, "bmp");
    return Gravar(Esticada(imagem, WMax, HMax, QImage::Format_RGB32, Qt::white), "bmp");
}

QString getImageFormatFromStream(QIODevice& Stream) {
    Stream.seek(0);
    const QByteArray inicio = Stream.read(18);
    Stream.seek(0);
    if (inicio.size() < 8)
        return {};
    if (inicio.startsWith("\x89PNG\r\n\x1A\n"))
        return QStringLiteral("PNG");
    if (inicio.startsWith("\xFF\xD8"))
        return QStringLiteral("JPG");
    if (inicio.startsWith("BM") && inicio.size() >= 18) {
        const auto byte = [&](int i) { return quint32(quint8(inicio[i])); };
        const quint32 cabecalho = byte(14) | byte(15) << 8 | byte(16) << 16 | byte(17) << 24;
        constexpr std::array<quint32, 7> kTamanhos = {12, 40, 52, 56, 64, 108, 124};
        if (std::find(kTamanhos.begin(), kTamanhos.end(), cabecalho) != kTamanhos.end())
            return QStringLiteral("BMP");
    }
    return {};
}

}  // namespace TmConv
