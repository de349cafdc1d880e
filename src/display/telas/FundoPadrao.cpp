#include "display/telas/FundoPadrao.h"

namespace FundoPadrao {

// Made at build time from FundoPadrao.png (GeradorFundoPadrao.cpp).
extern const int kLargura;
extern const int kAltura;
extern const quint32 kPixels[];

QImage Imagem() {
    // The pixels in the program's read-only data, in the form the screen is painted in: shown
    // without decoding or converting (the PNG decoder alone took about a millisecond at start).
    return QImage(reinterpret_cast<const uchar*>(kPixels), kLargura, kAltura, kLargura * 4,
                  QImage::Format_ARGB32_Premultiplied);
}

}  // namespace FundoPadrao
