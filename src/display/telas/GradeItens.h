#pragma once
// The sale page's item grid (Grid): a title row and one line per row of the item table, no row
// indicator, no grid lines, no selection, no editing; the newest row is kept in view. Cells are
// painted by GridDrawColumnCell.

#include <QStyledItemDelegate>
#include <QTableView>

#include "display/telas/TabelaItens.h"

class TGradeItens : public QTableView {
    Q_OBJECT
public:
    TGradeItens(TTabelaItens& tabela, QWidget* pai = nullptr);

    // Scrolls so that the last row is in view; valid at once after a change of the table.
    void MostrarUltimaLinha();

    // Legible mode: font, row height and column widths scale with the grid's width, from the
    // designed 756 pixels (never below them), and the cells carry cues that do not rely on
    // colour (see TDelegateGrade). High contrast: white text on black, lighter marks. Both off
    // is the designed grid.
    void DefinirLegivel(bool legivel, bool altoContraste);

protected:
    // The newest row stays in view when the grid changes size too (the window's status bar
    // appears together with the grid and takes its height from the page).
    void resizeEvent(QResizeEvent* evento) override;
    // Rows scroll whole: the scroll range ends on a row boundary, so that the top row is never
    // cut and the space left over lies below the last row.
    void updateGeometries() override;

private:
    // Font, row height and column widths for the current width and mode.
    void Dimensionar();

    const QFont fonteBase_;
    const QPalette paletaBase_;
    bool legivel_ = false;
};

class TDelegateGrade : public QStyledItemDelegate {
    Q_OBJECT
public:
    TDelegateGrade(const TTabelaItens& tabela, QObject* pai);

    void paint(QPainter* pintor, const QStyleOptionViewItem& opcao,
               const QModelIndex& indice) const override;

    // Paints one data cell: the row's background (window colour on odd record numbers, button
    // face on even ones), then the field's display text, 3 pixels from the side it is aligned
    // to and 2 from the top, in the column's colour, or red on rows marked "." and green on rows
    // marked "," (whose Tipo cell then hides the mark in the background colour).
    // In legible mode a cancelled item's row ("CANCELADO") is struck through and a surcharge
    // shows its "+" (discounts and cancellations show their "-" in both modes); in high contrast
    // every column is in the text colour and the marks in light red and light green.
    void GridDrawColumnCell(QPainter& pintor, const QRect& retangulo, const QPalette& paleta,
                            const QModelIndex& indice) const;

    void DefinirLegivel(bool legivel, bool altoContraste);

private:
    bool legivel_ = false;
    bool altoContraste_ = false;
    const TTabelaItens& tabela_;
};
