#include "display/telas/TabelaItens.h"

#include "base/CodePage.h"
#include "texto/conversao/TmStrNumeros.h"

namespace {

const std::array<TColunaItem, kNumCamposItem> kColunas = {{
    {"Nº", 38, QColor(0xC0, 0xC0, 0xC0), Qt::AlignHCenter},
    {"Código de Barras", 169, QColor(), Qt::AlignLeft},
    {"Nome", 278, QColor(0x00, 0x00, 0xFF), Qt::AlignLeft},
    {"Vlr.Unit.", 81, QColor(), Qt::AlignRight},
    {"Qtd.", 58, QColor(0x00, 0x80, 0x00), Qt::AlignRight},
    {"Tipo", 45, QColor(0x80, 0x00, 0x00), Qt::AlignHCenter},
    {"Total", 87, QColor(), Qt::AlignRight},
}};

QString Formatado(Currency valor, const char* formato) {
    return TmStr::Formata(valor, QString::fromLatin1(formato), false);
}

}  // namespace

const TColunaItem& ColunaItem(ECampoItem campo) {
    return kColunas[static_cast<std::size_t>(campo)];
}

template <int N>
void TTextoAnsi<N>::Definir(QStringView texto) {
    texto = texto.left(N);
    tamanho_ = static_cast<quint8>(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i)
        bytes_[i] = CodePage::ParaAnsi(texto[i]);
}

template <int N>
QString TTextoAnsi<N>::Texto() const {
    return CodePage::DeAnsi(QByteArrayView(bytes_, tamanho_));
}

TLinhaItem& TLinhaItem::DefinirNr(int nr) {
    nr_ = nr;
    definidos_ |= dNr;
    return *this;
}
TLinhaItem& TLinhaItem::DefinirBarras(QStringView texto) {
    barras_.Definir(texto);
    return *this;
}
TLinhaItem& TLinhaItem::DefinirNome(QStringView texto) {
    nome_.Definir(texto);
    return *this;
}
TLinhaItem& TLinhaItem::DefinirTipo(QStringView texto) {
    tipo_.Definir(texto);
    return *this;
}
TLinhaItem& TLinhaItem::DefinirQtd(Currency valor) {
    qtd_ = valor;
    definidos_ |= dQtd;
    return *this;
}
TLinhaItem& TLinhaItem::DefinirUnit(Currency valor) {
    unit_ = valor;
    definidos_ |= dUnit;
    return *this;
}
TLinhaItem& TLinhaItem::DefinirTotal(Currency valor) {
    total_ = valor;
    definidos_ |= dTotal;
    return *this;
}

QString TLinhaItem::TextoExibido(ECampoItem campo) const {
    switch (campo) {
        case ECampoItem::Nr:
            return Definido(dNr) ? QString::number(nr_) : QString();
        case ECampoItem::Barras:
            return barras_.Texto();
        case ECampoItem::Nome:
            return nome_.Texto();
        case ECampoItem::Unit:
            return Definido(dUnit) ? Formatado(unit_, "#,##0.00") : QString();
        case ECampoItem::Qtd:
            return Definido(dQtd) ? Formatado(qtd_, "#,##0.###") : QString();
        case ECampoItem::Tipo:
            return tipo_.Texto();
        case ECampoItem::Total:
            return Definido(dTotal) ? Formatado(total_, "#,##0.00") : QString();
    }
    return QString();
}

TTabelaItens::TCarga::TCarga(TTabelaItens& tabela) : tabela_(tabela) {
    tabela_.beginResetModel();
    tabela_.emCarga_ = true;
}

TTabelaItens::TCarga::~TCarga() {
    tabela_.emCarga_ = false;
    tabela_.endResetModel();
}

void TTabelaItens::Limpar() {
    if (emCarga_) {
        linhas_.clear();
        return;
    }
    beginResetModel();
    linhas_.clear();
    endResetModel();
}

void TTabelaItens::Adicionar(const TLinhaItem& linha) {
    if (emCarga_) {
        linhas_.append(linha);
        return;
    }
    const int nova = static_cast<int>(linhas_.size());
    beginInsertRows(QModelIndex(), nova, nova);
    linhas_.append(linha);
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
            return QColor(0x80, 0x80, 0x80);
        default:
            return {};
    }
}

Qt::ItemFlags TTabelaItens::flags(const QModelIndex& indice) const {
    return indice.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}
