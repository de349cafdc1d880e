#pragma once
// Pictures held in memory made smaller, and the kind of a picture told from its first bytes.
//
// Pictures are decoded and encoded with Qt's codecs, each decoding limited to 512 MB as the
// picture page is, so that a hostile header cannot exhaust memory. An error while reading or
// converting a picture raises EConvertError with "Erro ao carregar a imagem para redimensionar!",
// a carriage return and line feed, and the reason.

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <cstdint>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmConv {

// A picture (JPEG, else BMP) shrunk to fit a WMax by HMax box, keeping its proportions, with the
// bilinear filter of FiltroBilinear, encoded as JPEG of quality 75. Empty when the picture is
// already narrower than WMax or lower than HMax (nothing to shrink). The target sides are never
// 0: a 200 x 10 picture in a 10 x 10 box becomes 10 x 1.
ORVANE_SISTEMA_EXPORT QByteArray resizeImage(QIODevice& FilePathNameImg, std::uint16_t WMax,
                                             std::uint16_t HMax);
// A picture of any supported kind stretched, without keeping proportions and without smoothing,
// to exactly WMax by HMax, on a transparent ground, encoded as JPEG of quality 75 (JPEG whatever
// the name says).
ORVANE_SISTEMA_EXPORT QByteArray resizeImagePNG(QIODevice& FilePathNameImg, std::uint16_t WMax,
                                                std::uint16_t HMax);
// A BMP picture stretched, without keeping proportions and without smoothing, to exactly WMax by
// HMax, written as a BMP file.
ORVANE_SISTEMA_EXPORT QByteArray resizeImageBMP(QIODevice& FilePathNameImg, std::uint16_t WMax,
                                                std::uint16_t HMax);

// "PNG", "JPG", "BMP" or the empty text, from the first bytes; the stream is set back to its
// start. A BMP is "BM" followed, at byte 14, by one of the sizes a BMP information header has
// (12, 40, 52, 56, 64, 108 or 124): the third byte alone is the low byte of the file size, which
// would recognise one BMP in 256. Streams shorter than 8 bytes (18 for a BMP) give the empty text.
ORVANE_SISTEMA_EXPORT QString getImageFormatFromStream(QIODevice& Stream);

// The bilinear filter of resizeImage on raw pixels of three bytes each, rows linhaOrigem and
// linhaDestino bytes apart: steps in 16.16 fixed point, (side - 1) * 65536 div the target side;
// each target pixel weighs the four source pixels around its position, the row and the column
// after the last ones clamped to the last ones. Positions are computed in 64 bits.
ORVANE_SISTEMA_EXPORT void FiltroBilinear(const std::uint8_t* origem, int largura, int altura,
                                          qsizetype linhaOrigem, std::uint8_t* destino,
                                          int alvoLargura, int alvoAltura, qsizetype linhaDestino);

}  // namespace TmConv
