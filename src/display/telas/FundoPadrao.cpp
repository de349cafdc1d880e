#include "display/telas/FundoPadrao.h"

namespace FundoPadrao {

// Made at build time from FundoPadrao.png (GeradorFundoPadrao.cpp).
extern const int kLargura;
extern const int kAltura;
extern const uchar kPixels[];

QImage Imagem() {
    // Pixels in premultiplied RGBA byte order, in the program's read-only data: shown without
    // decoding, as the PNG decoder alone took about a millisecond of the start-up.
    return QImage(kPixels, kLargura, kAltura, kLargura * 4, QImage::Format_RGBA8888_Premultiplied);
}

}  // namespace FundoPadrao
