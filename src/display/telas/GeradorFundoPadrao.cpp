// Build tool: turns the idle picture (a PNG) into a C++ source holding its pixels as premultiplied
// RGBA bytes, which the program shows without decoding anything at start.
//
//     GeradorFundoPadrao <picture.png> <output.cpp>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "uso: %s <imagem.png> <saida.cpp>\n", argv[0]);
        return 2;
    }
    QImageReader leitor(QString::fromLocal8Bit(argv[1]), "png");
    const QImage imagem = leitor.read().convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    if (imagem.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(leitor.errorString()));
        return 1;
    }
    QByteArray fonte = "// Made at build time from " + QFile::decodeName(argv[1]).toUtf8() +
                       ".\n#include <QtGlobal>\n\nnamespace FundoPadrao {\nextern const int "
                       "kLargura = " +
                       QByteArray::number(imagem.width()) +
                       ";\nextern const int kAltura = " + QByteArray::number(imagem.height()) +
                       ";\nextern const uchar kPixels[] = {";
    for (int y = 0; y < imagem.height(); ++y) {
        const uchar* linha = imagem.constScanLine(y);
        for (int x = 0; x < imagem.width() * 4; ++x)
            fonte += QByteArray::number(linha[x]) + (x % 32 == 31 ? ",\n" : ",");
    }
    fonte += "};\n}  // namespace FundoPadrao\n";
    QFile saida(QString::fromLocal8Bit(argv[2]));
    if (!saida.open(QIODevice::WriteOnly) || saida.write(fonte) != fonte.size()) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(saida.errorString()));
        return 1;
    }
    return 0;
}
