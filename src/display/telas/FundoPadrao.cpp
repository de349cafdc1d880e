#include "display/telas/FundoPadrao.h"

#include <QImageReader>

namespace FundoPadrao {

QImage Imagem() {
    // With its format named and detection off, the reader decodes with Qt's own PNG decoder
    // without loading every image-format plugin first to ask whether it knows the file.
    QImageReader leitor(QStringLiteral(":/display/telas/FundoPadrao.png"), "png");
    leitor.setAutoDetectImageFormat(false);
    return leitor.read();
}

}  // namespace FundoPadrao
