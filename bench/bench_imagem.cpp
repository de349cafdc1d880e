// Shrinking a 4000 x 3000 photograph to fit 800 x 600 (decoding, filtering and encoding as
// JPEG), beside the same job done with Qt's smooth scaling.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QRandomGenerator>

#include "sistema/imagem/TmConvImagem.h"

namespace {

// A 4000 x 3000 JPEG with gradients and noise, as a photograph compresses.
const QByteArray& Fotografia() {
    static const QByteArray bytes = [] {
        QImage imagem(4000, 3000, QImage::Format_RGB32);
        QRandomGenerator aleatorio(42);
        for (int y = 0; y < imagem.height(); ++y) {
            auto* linha = reinterpret_cast<QRgb*>(imagem.scanLine(y));
            for (int x = 0; x < imagem.width(); ++x) {
                const int ruido = int(aleatorio.bounded(32));
                linha[x] = qRgb((x / 16 + ruido) % 256, (y / 12 + ruido) % 256, (x + y) / 28 % 256);
            }
        }
        QByteArray jpeg;
        QBuffer saida(&jpeg);
        saida.open(QIODevice::WriteOnly);
        imagem.save(&saida, "jpeg", 90);
        return jpeg;
    }();
    return bytes;
}

void Redimensionar(benchmark::State& state) {
    QByteArray entrada = Fotografia();
    QBuffer fluxo(&entrada);
    fluxo.open(QIODevice::ReadOnly);
    for (auto _ : state)
        benchmark::DoNotOptimize(TmConv::resizeImage(fluxo, 800, 600));
}

void Redimensionar_QImageScaledSmooth(benchmark::State& state) {
    QByteArray entrada = Fotografia();
    for (auto _ : state) {
        QBuffer fluxo(&entrada);
        fluxo.open(QIODevice::ReadOnly);
        QImageReader leitor(&fluxo, "jpeg");
        const QImage menor =
            leitor.read().scaled(800, 600, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QByteArray saida;
        QBuffer destino(&saida);
        destino.open(QIODevice::WriteOnly);
        menor.save(&destino, "jpeg", 75);
        benchmark::DoNotOptimize(saida);
    }
}

}  // namespace

BENCHMARK(Redimensionar)->Unit(benchmark::kMillisecond);
BENCHMARK(Redimensionar_QImageScaledSmooth)->Unit(benchmark::kMillisecond);
