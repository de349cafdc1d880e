// Build tool: turns the idle picture (a PNG) into a C++ source holding its pixels in the form the
// screen is painted in (premultiplied ARGB), which the program shows without decoding anything.
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
    const QImage imagem = leitor.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (imagem.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(leitor.errorString()));
        return 1;
    }
    // Each pixel a 32-bit number, so that the compiler lays it out in the target's byte order.
    QByteArray fonte = "// Made at build time from " + QFile::decodeName(argv[1]).toUtf8() +
                       ".\n#include <QtGlobal>\n\nnamespace FundoPadrao {\nextern const int "
                       "kLargura = " +
                       QByteArray::number(imagem.width()) +
                       ";\nextern const int kAltura = " + QByteArray::number(imagem.height()) +
                       ";\nextern const quint32 kPixels[] = {";
    for (int y = 0; y < imagem.height(); ++y) {
        const auto* linha = reinterpret_cast<const quint32*>(imagem.constScanLine(y));
        for (int x = 0; x < imagem.width(); ++x)
            fonte += "0x" + QByteArray::number(linha[x], 16) + (x % 8 == 7 ? ",\n" : ",");
    }
    fonte += "};\n}  // namespace FundoPadrao\n";
    QFile saida(QString::fromLocal8Bit(argv[2]));
    if (!saida.open(QIODevice::WriteOnly) || saida.write(fonte) != fonte.size()) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(saida.errorString()));
        return 1;
    }
    return 0;
}
