#pragma once
// The item table of the sale screen: the sale's rows (LinhaVenda.h) as the screen state holds
// them, no key, no editing. The model's columns are the grid's, left to right; the display text
// of a cell is its field with the field's display format, computed when the cell is asked for.

#include <QAbstractTableModel>
#include <QColor>
#include <QVector>
#include <array>

#include "display/estado/LinhaVenda.h"

// How a column is shown: title, width in pixels, text colour (invalid: the base colour) and
// alignment of title and cells.
struct TColunaItem {
    const char* titulo;  // UTF-8
    int largura;
    QColor cor;
    Qt::Alignment alinhamento;
};
const TColunaItem& ColunaItem(ECampoItem campo);

class TTabelaItens : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // All rows replaced: views hear of it as one reset. The rows are shared with the caller's
    // list, not copied.
    void Definir(const QVector<TLinhaItem>& linhas);
    // The rows of `linhas` beyond the table's are appended; the ones before are the table's.
    void Acrescentar(const QVector<TLinhaItem>& linhas);
    const TLinhaItem& Linha(int indice) const { return linhas_[indice]; }

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;

private:
    QVector<TLinhaItem> linhas_;
};
