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

protected:
    // The newest row stays in view when the grid changes size too (the window's status bar
    // appears together with the grid and takes its height from the page).
    void resizeEvent(QResizeEvent* evento) override;
    // Rows scroll whole: the scroll range ends on a row boundary, so that the top row is never
    // cut and the space left over lies below the last row.
    void updateGeometries() override;
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
    void GridDrawColumnCell(QPainter& pintor, const QRect& retangulo, const QPalette& paleta,
                            const QModelIndex& indice) const;

private:
    const TTabelaItens& tabela_;
};
