#include "display/telas/TabelaItens.h"

#include <array>

#include "display/estado/CoresTela.h"

namespace {

QColor CorColuna(ECampoItem campo) {
    const auto cor = CoresTela::kColunas[static_cast<std::size_t>(campo)];
    return cor ? QColor(QRgb(*cor)) : QColor();
}

const std::array<TColunaItem, kNumCamposItem> kColunas = {{
    {"Nº", 38, CorColuna(ECampoItem::Nr), Qt::AlignHCenter},
    {"Código de Barras", 169, CorColuna(ECampoItem::Barras), Qt::AlignLeft},
    {"Nome", 278, CorColuna(ECampoItem::Nome), Qt::AlignLeft},
    {"Vlr.Unit.", 81, CorColuna(ECampoItem::Unit), Qt::AlignRight},
    {"Qtd.", 58, CorColuna(ECampoItem::Qtd), Qt::AlignRight},
    {"Tipo", 45, CorColuna(ECampoItem::Tipo), Qt::AlignHCenter},
    {"Total", 87, CorColuna(ECampoItem::Total), Qt::AlignRight},
}};

}  // namespace

const TColunaItem& ColunaItem(ECampoItem campo) {
    return kColunas[static_cast<std::size_t>(campo)];
}

void TTabelaItens::Definir(const QVector<TLinhaItem>& linhas) {
    beginResetModel();
    linhas_ = linhas;
    endResetModel();
}

void TTabelaItens::Acrescentar(const QVector<TLinhaItem>& linhas) {
    const qsizetype primeira = linhas_.size();
    if (linhas.size() <= primeira)
        return;
    beginInsertRows(QModelIndex(), int(primeira), int(linhas.size() - 1));
    linhas_ = linhas;
    endInsertRows();
}

int TTabelaItens::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(linhas_.size());
}

int TTabelaItens::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : kNumCamposItem;
}

QVariant TTabelaItens::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid() || indice.row() >= linhas_.size())
        return {};
    const auto campo = static_cast<ECampoItem>(indice.column());
    switch (papel) {
        case Qt::DisplayRole:
            return linhas_[indice.row()].TextoExibido(campo);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(ColunaItem(campo).alinhamento | Qt::AlignTop);
        default:
            return {};
    }
}

QVariant TTabelaItens::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao != Qt::Horizontal || secao < 0 || secao >= kNumCamposItem)
        return {};
    const TColunaItem& coluna = ColunaItem(static_cast<ECampoItem>(secao));
    switch (papel) {
        case Qt::DisplayRole:
            return QString::fromUtf8(coluna.titulo);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(coluna.alinhamento | Qt::AlignVCenter);
        case Qt::ForegroundRole:
            return QColor(QRgb(CoresTela::kTituloColuna));
        default:
            return {};
    }
}

Qt::ItemFlags TTabelaItens::flags(const QModelIndex& indice) const {
    return indice.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}
