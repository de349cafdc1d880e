#include "display/telas/PaginaVenda.h"

#include <QLabel>

#include "desenho/fontes/Fontes.h"
#include "display/estado/CoresTela.h"
#include "display/telas/Apresentacao.h"
#include "display/telas/GradeItens.h"
#include "display/telas/ImagemFundo.h"
#include "display/telas/RotuloTexto.h"

namespace {

constexpr int kAlturaPainelTotal = 64;
// Both labels of the total panel keep their right edges this far from the panel's right edge.
constexpr int kMargemDireita = 11;
const QRect kTituloTotal(0, 1, 41, 23);
const QRect kTotalVenda(0, 17, 240, 45);

}  // namespace

TPaginaVenda::TPaginaVenda(QWidget* pai)
    : QWidget(pai),
      ImgFundoVenda_(new TImagemFundo(this)),
      Apresentacao_(new TApresentacao(this)),
      pnlTotal_(new QWidget(this)) {
    setObjectName(QStringLiteral("TabVenda"));
    pnlTotal_->setObjectName(QStringLiteral("pnlTotal"));
    pnlTotal_->setAutoFillBackground(true);

    lbTituloTotal_ =
        NovoRotuloTexto(pnlTotal_, QStringLiteral("lbTituloTotal"), QStringLiteral("Total"),
                        Fontes::Fonte(QStringLiteral("Tahoma"), 19));
    lbTituloTotal_->resize(kTituloTotal.size());
    QPalette cinza = lbTituloTotal_->palette();
    cinza.setColor(QPalette::WindowText, QColor(QRgb(CoresTela::kTituloTotal)));
    lbTituloTotal_->setPalette(cinza);

    lbTotalVenda_ =
        NovoRotuloTexto(pnlTotal_, QStringLiteral("lbTotalVenda"), QStringLiteral("0,00"),
                        Fontes::Fonte(QStringLiteral("Tahoma"), 37, true));
    lbTotalVenda_->resize(kTotalVenda.size());
    lbTotalVenda_->setAlignment(Qt::AlignRight | Qt::AlignTop);

    SeguirTabela();
    pnlTotal_->hide();
    Dispor();
}

TGradeItens& TPaginaVenda::Grade() {
    if (!Grid_) {
        Grid_ = new TGradeItens(Tb_, this);
        Grid_->stackUnder(pnlTotal_);  // above the background and the slideshow
        Grid_->DefinirLegivel(legivel_, altoContraste_);
        Dispor();
        // The grid takes each change of the table before the page scrolls it to the newest row.
        disconnect(&Tb_, nullptr, this, nullptr);
        SeguirTabela();
    }
    return *Grid_;
}

void TPaginaVenda::SeguirTabela() {
    connect(&Tb_, &QAbstractItemModel::modelReset, this, &TPaginaVenda::DSDataChange);
    connect(&Tb_, &QAbstractItemModel::rowsInserted, this, &TPaginaVenda::DSDataChange);
}

void TPaginaVenda::MostrarLinhas(const QVector<TLinhaItem>& linhas, bool acrescidas) {
    if (acrescidas)
        Tb_.Acrescentar(linhas);
    else
        Tb_.Definir(linhas);
}

void TPaginaVenda::MostrarTotal(const QString& total) {
    lbTotalVenda_->setText(total);
}

void TPaginaVenda::ConfigurarApresentacao(const QString& pasta, int intervaloS) {
    Apresentacao_->Configurar(pasta, intervaloS);
    Apresentacao_->setVisible(Apresentacao_->Configurada() && !VendaVisivel());
}

void TPaginaVenda::DefinirLegivel(bool legivel, bool altoContraste) {
    legivel_ = legivel;
    altoContraste_ = altoContraste;
    if (!Grid_)
        return;
    Grid_->DefinirLegivel(legivel, altoContraste);
    if (VendaVisivel())
        Grid_->MostrarUltimaLinha();
}

void TPaginaVenda::DSDataChange() {
    const bool visivel = VendaVisivel();
    if (visivel)
        Grade().show();
    else if (Grid_)
        Grid_->hide();
    Apresentacao_->setVisible(Apresentacao_->Configurada() && !visivel);
    pnlTotal_->setVisible(visivel);
    if (visivel)
        Grid_->MostrarUltimaLinha();
    emit VisibilidadeMudou(visivel);
}

void TPaginaVenda::resizeEvent(QResizeEvent*) {
    Dispor();
}

void TPaginaVenda::Dispor() {
    const int largura = width();
    const int alturaGrade = std::max(0, height() - kAlturaPainelTotal);
    ImgFundoVenda_->setGeometry(rect());
    Apresentacao_->setGeometry(rect());
    if (Grid_)
        Grid_->setGeometry(0, 0, largura, alturaGrade);
    pnlTotal_->setGeometry(0, alturaGrade, largura, kAlturaPainelTotal);
    lbTituloTotal_->move(largura - kMargemDireita - kTituloTotal.width(), kTituloTotal.top());
    lbTotalVenda_->move(largura - kMargemDireita - kTotalVenda.width(), kTotalVenda.top());
}
