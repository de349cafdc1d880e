#include "display/telas/TabelaItens.h"

#include <array>

#include "display/estado/CoresTela.h"

namespace {

// The grid's width of each column, in pixels.
constexpr std::array<int, kNumCamposItem> kLarguras = {38, 169, 278, 81, 58, 45, 87};

TColunaItem Coluna(std::size_t c) {
    const TCampoItem& campo = CampoItem(static_cast<ECampoItem>(c));
    const auto cor = CoresTela::kColunas[c];
    return {campo.titulo, kLarguras[c], cor ? QColor(QRgb(*cor)) : QColor(), campo.alinhamento};
}

const std::array<TColunaItem, kNumCamposItem> kColunas = {
    Coluna(0), Coluna(1), Coluna(2), Coluna(3), Coluna(4), Coluna(5), Coluna(6)};

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
