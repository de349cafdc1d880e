#pragma once
// The text measurer of a Qt font: widths are horizontal advances, heights the font's line height,
// the screen the primary one (0 wide when there is none). For the GUI thread.

#include <QFont>
#include <QFontMetrics>

#include "desenho/ExportacaoDesenho.h"
#include "sistema/formatacao/TmStrInfo.h"

class ORVANE_DESENHO_EXPORT TMedidorFonte : public TMedidorTexto {
public:
    explicit TMedidorFonte(const QFont& fonte) : metricas_(fonte) {}
    int TextWidth(QStringView texto) const override;
    int TextHeight(QStringView texto) const override;
    int LarguraTela() const override;

private:
    QFontMetrics metricas_;
};
