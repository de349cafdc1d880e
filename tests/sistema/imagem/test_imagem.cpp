// Pictures made smaller and picture kinds, checked with ImageMagick's identify and, for the
// filter, against an independent computation in Python.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryFile>

#include "base/EConvertError.h"
#include "sistema/imagem/TmConvImagem.h"

namespace {

QByteArray Imagem(int largura, int altura, const char* formato) {
    QImage imagem(largura, altura, QImage::Format_RGB32);
    for (int y = 0; y < altura; ++y)
        for (int x = 0; x < largura; ++x)
            imagem.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    QByteArray bytes;
    QBuffer saida(&bytes);
    saida.open(QIODevice::WriteOnly);
    imagem.save(&saida, formato);
    return bytes;
}

// "JPEG 200 150" as ImageMagick reads the bytes; empty where identify is missing.
QString Identificar(const QByteArray& bytes) {
    QTemporaryFile arquivo;
    if (!arquivo.open())
        return {};
    arquivo.write(bytes);
    arquivo.flush();
    QProcess identify;
    identify.start(QStringLiteral("identify"),
                   {QStringLiteral("-format"), QStringLiteral("%m %w %h"), arquivo.fileName()});
    if (!identify.waitForFinished(30000) || identify.exitCode() != 0)
        return QStringLiteral("(identify failed)");
    return QString::fromUtf8(identify.readAllStandardOutput());
}

using Redimensionar = QByteArray (*)(QIODevice&, std::uint16_t, std::uint16_t);

TEST(Redimensionar, GivesTheKindAndSizeOfEachVariant) {
    struct Caso {
        Redimensionar funcao;
        QByteArray entrada;
        int wMax, hMax;
        const char* esperado;  // as identify reads the result; "" for an empty result
    };
    const Caso casos[] = {
        {TmConv::resizeImage, Imagem(400, 300, "jpeg"), 200, 200, "JPEG 200 150"},
        {TmConv::resizeImage, Imagem(400, 300, "jpeg"), 100, 200, "JPEG 100 75"},
        {TmConv::resizeImage, Imagem(400, 300, "bmp"), 200, 200, "JPEG 200 150"},
        {TmConv::resizeImage, Imagem(200, 10, "jpeg"), 10, 10, "JPEG 10 1"},
        {TmConv::resizeImage, Imagem(100, 100, "jpeg"), 200, 200, ""},
        {TmConv::resizeImage, Imagem(100, 100, "jpeg"), 200, 50, ""},
        {TmConv::resizeImagePNG, Imagem(40, 30, "png"), 90, 20, "JPEG 90 20"},
        {TmConv::resizeImageBMP, Imagem(40, 30, "bmp"), 7, 50, "BMP3 7 50"},
    };
    for (const Caso& c : casos) {
        QByteArray entrada = c.entrada;
        QBuffer fluxo(&entrada);
        fluxo.open(QIODevice::ReadOnly);
        fluxo.seek(entrada.size());  // the operations rewind the stream themselves
        const QByteArray saida = c.funcao(fluxo, c.wMax, c.hMax);
        if (*c.esperado == 0)
            EXPECT_TRUE(saida.isEmpty());
        else
            EXPECT_EQ(Identificar(saida), QString::fromLatin1(c.esperado))
                << c.wMax << "x" << c.hMax;
    }
}

TEST(Redimensionar, AnUnreadablePictureRaisesTheLoadingError) {
    QByteArray lixo("not a picture at all");
    QBuffer fluxo(&lixo);
    fluxo.open(QIODevice::ReadOnly);
    for (Redimensionar funcao :
         {TmConv::resizeImage, TmConv::resizeImagePNG, TmConv::resizeImageBMP}) {
        try {
            funcao(fluxo, 10, 10);
            ADD_FAILURE() << "no error";
        } catch (const EConvertError& erro) {
            EXPECT_TRUE(erro.Mensagem().startsWith(
                QStringLiteral("Erro ao carregar a imagem para redimensionar!\r\n")));
        }
    }
    // A stretch to a side of 0 is refused the same way, not drawn.
    QByteArray png = Imagem(4, 4, "png");
    QBuffer fluxoPng(&png);
    fluxoPng.open(QIODevice::ReadOnly);
    EXPECT_THROW(TmConv::resizeImagePNG(fluxoPng, 0, 10), EConvertError);
}

TEST(FormatoImagem, TellsTheKindFromTheFirstBytesAndRewinds) {
    QByteArray bmpSemCabecalho = "BM6" + QByteArray(20, '\0');
    struct Caso {
        QByteArray bytes;
        const char* esperado;
    };
    const Caso casos[] = {
        {Imagem(3, 3, "png"), "PNG"}, {Imagem(3, 3, "jpeg"), "JPG"},
        {Imagem(3, 3, "bmp"), "BMP"}, {QByteArray("\x89PNG\r\n\x1A"), ""},  // 7 bytes
        {bmpSemCabecalho, ""},        {QByteArray("BM") + QByteArray(6, 'x'), ""},
        {QByteArray(100, 'x'), ""},
    };
    for (const Caso& c : casos) {
        QByteArray bytes = c.bytes;
        QBuffer fluxo(&bytes);
        fluxo.open(QIODevice::ReadOnly);
        fluxo.seek(bytes.size() / 2);
        EXPECT_EQ(TmConv::getImageFormatFromStream(fluxo), QString::fromLatin1(c.esperado));
        EXPECT_EQ(fluxo.pos(), 0);
    }
}

// The filter, pixel by pixel, against the same rule computed independently in Python on small
// generated pictures (odd sizes, enlargements and reductions, one-pixel sides).
TEST(FiltroBilinear, AgreesWithAnIndependentComputation) {
    const QString python = QStringLiteral("/usr/bin/python3");
    if (!QFileInfo::exists(python))
        GTEST_SKIP() << "python3 is missing";
    const char* script = R"(
import sys
dados = sys.stdin.buffer.read()
w, h, tw, th = (int.from_bytes(dados[i:i + 4], 'little') for i in range(0, 16, 4))
src = dados[16:]
xs, ys = (w - 1) * 65536 // tw, (h - 1) * 65536 // th
out = bytearray()
for r in range(th):
    fy = r * ys; y0 = fy >> 16; y1 = min(y0 + 1, h - 1)
    wy1 = (fy & 0xFFFF) + 1; wy0 = 65536 - (fy & 0xFFFF)
    for c in range(tw):
        fx = c * xs; x0 = fx >> 16; x1 = min(x0 + 1, w - 1); f = fx & 0xFFFF
        w01 = f * wy0 // 65536; w00 = wy0 - w01; w11 = f * wy1 // 65536; w10 = wy1 - w11
        p = lambda y, x, k: src[(y * w + x) * 3 + k]
        for k in range(3):
            out.append((p(y0, x0, k) * w00 + p(y0, x1, k) * w01 + p(y1, x0, k) * w10
                        + p(y1, x1, k) * w11) >> 16)
sys.stdout.buffer.write(out)
)";
    QRandomGenerator aleatorio(20261210);
    const int tamanhos[][4] = {{7, 5, 3, 2}, {10, 10, 10, 10}, {5, 9, 13, 4},
                               {1, 1, 3, 3}, {64, 1, 7, 1},    {31, 17, 30, 16}};
    for (const auto& t : tamanhos) {
        const int w = t[0], h = t[1], tw = t[2], th = t[3];
        QByteArray origem(w * h * 3, Qt::Uninitialized);
        for (char& b : origem)
            b = char(aleatorio.bounded(256));
        QByteArray nosso(tw * th * 3, Qt::Uninitialized);
        TmConv::FiltroBilinear(reinterpret_cast<const std::uint8_t*>(origem.constData()), w, h,
                               w * 3, reinterpret_cast<std::uint8_t*>(nosso.data()), tw, th,
                               tw * 3);
        QByteArray entrada;
        for (int v : {w, h, tw, th})
            for (int k = 0; k < 4; ++k)
                entrada.append(char((v >> (8 * k)) & 0xFF));
        QProcess processo;
        processo.start(python, {QStringLiteral("-c"), QString::fromLatin1(script)});
        processo.write(entrada + origem);
        processo.closeWriteChannel();
        ASSERT_TRUE(processo.waitForFinished(60000));
        EXPECT_EQ(nosso, processo.readAllStandardOutput())
            << w << "x" << h << " -> " << tw << "x" << th;
    }
}

}  // namespace
