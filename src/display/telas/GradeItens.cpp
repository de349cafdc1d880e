#include "display/telas/GradeItens.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include "desenho/fontes/Fontes.h"
#include "display/estado/CoresTela.h"

namespace {
// Insets of a cell's text.
constexpr int kMargemLateral = 3;
constexpr int kMargemSuperior = 2;

int LarguraProjetada() {
    int soma = 0;
    for (int c = 0; c < kNumCamposItem; ++c)
        soma += ColunaItem(static_cast<ECampoItem>(c)).largura;
    return soma;
}

QFont Escalada(QFont fonte, double fator) {
    if (fonte.pixelSize() > 0)
        fonte.setPixelSize(qRound(fonte.pixelSize() * fator));
    else
        fonte.setPointSizeF(fonte.pointSizeF() * fator);
    return fonte;
}

QPalette PaletaAltoContraste(QPalette paleta) {
    for (const auto papel : {QPalette::Base, QPalette::Window})
        paleta.setColor(papel, Qt::black);
    paleta.setColor(QPalette::Button, QColor(0x26, 0x26, 0x26));
    for (const auto papel : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        paleta.setColor(papel, Qt::white);
    return paleta;
}
}  // namespace

TGradeItens::TGradeItens(TTabelaItens& tabela, QWidget* pai)
    : QTableView(pai),
      fonteBase_(Fontes::Fonte(QStringLiteral("Arial Narrow"), 21)),
      paletaBase_(palette()) {
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

    QHeaderView* linhas = verticalHeader();
    linhas->hide();
    linhas->setSectionResizeMode(QHeaderView::Fixed);
    linhas->setMinimumSectionSize(1);

    QHeaderView* titulos = horizontalHeader();
    titulos->setHighlightSections(false);
    titulos->setSectionsClickable(false);
    titulos->setStretchLastSection(false);
    titulos->setSectionResizeMode(QHeaderView::Fixed);
    Dimensionar();
}

void TGradeItens::DefinirLegivel(bool legivel, bool altoContraste) {
    legivel_ = legivel;
    static_cast<TDelegateGrade*>(itemDelegate())->DefinirLegivel(legivel, altoContraste);
    const QPalette paleta = altoContraste ? PaletaAltoContraste(paletaBase_) : paletaBase_;
    setPalette(paleta);
    horizontalHeader()->setPalette(paleta);
    Dimensionar();
    viewport()->update();
}

void TGradeItens::Dimensionar() {
    const int projetada = LarguraProjetada();
    // The room beside a vertical scroll bar, so that a long sale never needs a horizontal one.
    const int largura = width() - style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const double fator = legivel_ ? std::max(1.0, double(largura) / projetada) : 1.0;
    const QFont fonte = Escalada(fonteBase_, fator);
    setFont(fonte);
    horizontalHeader()->setFont(fonte);
    const int alturaTexto = QFontMetrics(fonte).height();
    verticalHeader()->setDefaultSectionSize(alturaTexto + qRound(3 * fator));
    horizontalHeader()->setFixedHeight(alturaTexto + qRound(4 * fator));
    for (int c = 0; c < kNumCamposItem; ++c)
        horizontalHeader()->resizeSection(
            c, qRound(ColunaItem(static_cast<ECampoItem>(c)).largura * fator));
}

void TGradeItens::MostrarUltimaLinha() {
    // The view lays itself out lazily after a model change; the scroll range must be current
    // before scrolling to the end.
    updateGeometries();
    scrollToBottom();
}

void TGradeItens::resizeEvent(QResizeEvent* evento) {
    QTableView::resizeEvent(evento);
    if (legivel_)
        Dimensionar();
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

void TDelegateGrade::DefinirLegivel(bool legivel, bool altoContraste) {
    legivel_ = legivel;
    altoContraste_ = altoContraste;
}

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

    QColor texto =
        coluna.cor.isValid() && !altoContraste_ ? coluna.cor : paleta.color(QPalette::Text);
    const auto corLinha = CoresTela::CorLinha(linha.Tipo(), altoContraste_);
    if (corLinha)
        texto = QColor(QRgb(*corLinha));
    if (corLinha && campo == ECampoItem::Tipo)
        texto = fundo;

    pintor.fillRect(retangulo, fundo);
    pintor.setPen(texto);
    pintor.setClipRect(retangulo, Qt::IntersectClip);
    QString conteudo = linha.TextoExibido(campo);
    if (legivel_) {
        if (linha.Cancelamento()) {
            QFont riscada = pintor.font();
            riscada.setStrikeOut(true);
            pintor.setFont(riscada);
        }
        if (linha.MarcaAcrescimo() && campo == ECampoItem::Total && !conteudo.isEmpty())
            conteudo.prepend(QLatin1Char('+'));
    }
    pintor.drawText(retangulo.adjusted(kMargemLateral, kMargemSuperior, -kMargemLateral, 0),
                    static_cast<int>(coluna.alinhamento | Qt::AlignTop | Qt::TextSingleLine),
                    conteudo);
}
