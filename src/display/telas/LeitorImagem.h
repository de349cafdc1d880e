#pragma once
// Reading the picture files the display shows: the POS's picture (command 102) and the sale
// page's background.
//
// A picture is shown whole or not at all. The file is read once into memory and decoded from
// those bytes, so that the picture and the checks below see the same file even while a writer
// is still at it. Qt's decoders accept a file cut short without an error (a BMP shows the rows
// that are there, a JPEG a grey rest), so the bytes are also checked for completeness where the
// format allows it: a BMP must hold the pixel rows its header declares, a PNG must reach its
// IEND chunk through whole chunks, a JPEG must have its end marker after its last scan. Other
// formats are taken as their decoder reads them.

#include <QByteArray>
#include <QImage>
#include <QString>

// A picture file: the bytes read and the picture decoded from them.
struct TArquivoImagem {
    QByteArray bytes;
    QImage imagem;
};

// Loads a picture whose format follows the file's extension. A missing, unreadable, undecodable
// or incomplete file, or one larger than 512 MB or whose picture would need more, raises
// std::runtime_error with a Portuguese text naming the file.
TArquivoImagem LerArquivoImagem(const QString& caminho);
// The same, the picture alone.
QImage LerImagem(const QString& caminho);
