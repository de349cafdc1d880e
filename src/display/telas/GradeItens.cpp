#include "display/telas/GradeItens.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

#include "desenho/fontes/Fontes.h"

namespace {
// Insets of a cell's text.
constexpr int kMargemLateral = 3;
constexpr int kMargemSuperior = 2;
}  // namespace

TGradeItens::TGradeItens(TTabelaItens& tabela, QWidget* pai) : QTableView(pai) {
    setObjectName(QStringLiteral("Grid"));
    setModel(&tabela);
    setItemDelegate(new TDelegateGrade(tabela, this));
    setFrameShape(QFrame::NoFrame);
    setShowGrid(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);

    const QFont fonte = Fontes::Fonte(QStringLiteral("Arial Narrow"), 21);
    setFont(fonte);
    const int alturaTexto = QFontMetrics(fonte).height();

    QHeaderView* linhas = verticalHeader();
    linhas->hide();
    linhas->setSectionResizeMode(QHeaderView::Fixed);
    linhas->setMinimumSectionSize(1);
    linhas->setDefaultSectionSize(alturaTexto + 3);

    QHeaderView* titulos = horizontalHeader();
    titulos->setFont(fonte);
    titulos->setHighlightSections(false);
    titulos->setSectionsClickable(false);
    titulos->setStretchLastSection(false);
    titulos->setSectionResizeMode(QHeaderView::Fixed);
    titulos->setFixedHeight(alturaTexto + 4);
    for (int c = 0; c < kNumCamposItem; ++c)
        titulos->resizeSection(c, ColunaItem(static_cast<ECampoItem>(c)).largura);
}

void TGradeItens::MostrarUltimaLinha() {
    // The view lays itself out lazily after a model change; the scroll range must be current
    // before scrolling to the end.
    updateGeometries();
    scrollToBottom();
}

void TGradeItens::resizeEvent(QResizeEvent* evento) {
    QTableView::resizeEvent(evento);
    MostrarUltimaLinha();
}

void TGradeItens::updateGeometries() {
    QTableView::updateGeometries();
    const int alturaLinha = verticalHeader()->defaultSectionSize();
    QScrollBar* barra = verticalScrollBar();
    barra->setSingleStep(alturaLinha);
    barra->setMaximum((barra->maximum() + alturaLinha - 1) / alturaLinha * alturaLinha);
}

TDelegateGrade::TDelegateGrade(const TTabelaItens& tabela, QObject* pai)
    : QStyledItemDelegate(pai), tabela_(tabela) {}

void TDelegateGrade::paint(QPainter* pintor, const QStyleOptionViewItem& opcao,
                           const QModelIndex& indice) const {
    pintor->save();
    pintor->setFont(opcao.font);
    GridDrawColumnCell(*pintor, opcao.rect, opcao.palette, indice);
    pintor->restore();
}

void TDelegateGrade::GridDrawColumnCell(QPainter& pintor, const QRect& retangulo,
                                        const QPalette& paleta, const QModelIndex& indice) const {
    const TLinhaItem& linha = tabela_.Linha(indice.row());
    const auto campo = static_cast<ECampoItem>(indice.column());
    const TColunaItem& coluna = ColunaItem(campo);

    // Record numbers count from 1: the first row is odd.
    const bool impar = indice.row() % 2 == 0;
    const QColor fundo = paleta.color(impar ? QPalette::Base : QPalette::Button);

    QColor texto = coluna.cor.isValid() ? coluna.cor : paleta.color(QPalette::Text);
    const bool marcada = linha.MarcaDesconto() || linha.MarcaAcrescimo();
    if (linha.MarcaDesconto())
        texto = QColor(0xFF, 0x00, 0x00);
    if (linha.MarcaAcrescimo())
        texto = QColor(0x00, 0x80, 0x00);
    if (marcada && campo == ECampoItem::Tipo)
        texto = fundo;

    pintor.fillRect(retangulo, fundo);
    pintor.setPen(texto);
    pintor.setClipRect(retangulo, Qt::IntersectClip);
    pintor.drawText(retangulo.adjusted(kMargemLateral, kMargemSuperior, -kMargemLateral, 0),
                    static_cast<int>(coluna.alinhamento | Qt::AlignTop | Qt::TextSingleLine),
                    linha.TextoExibido(campo));
}
