#include "desenho/ajudantes/TmRotImpressao.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

constexpr int kMargem = 10;
constexpr int kEntrelinha = 5;

}  // namespace

namespace TmRot {

bool PrintStrings(const QStringList& aoStrings, const QFont& aoFont) {
    if (QPrinterInfo::defaultPrinter().isNull())
        return false;
    QPrinter impressora;
    return PrintStrings(aoStrings, aoFont, impressora);
}

bool PrintStrings(const QStringList& aoStrings, const QFont& aoFont, QPaintDevice& aoDestino) {
    QPainter pintor;
    if (!pintor.begin(&aoDestino))
        return false;
    pintor.setFont(aoFont);
    const QFontMetrics medidas = pintor.fontMetrics();
    const int passo = medidas.boundingRect(QStringLiteral("A")).height() + kEntrelinha;
    auto* paginas = dynamic_cast<QPagedPaintDevice*>(&aoDestino);
    int topo = kMargem;
    for (const QString& linha : aoStrings) {
        if (paginas && topo > kMargem && topo + passo > aoDestino.height()) {
            paginas->newPage();
            topo = kMargem;
        }
        pintor.drawText(QRect(kMargem, topo, aoDestino.width() - kMargem, passo),
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, linha);
        topo += passo;
    }
    return pintor.end();
}

}  // namespace TmRot
