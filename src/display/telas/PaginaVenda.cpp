#include "display/telas/PaginaVenda.h"

#include <QLabel>

#include "desenho/fontes/Fontes.h"
#include "display/telas/Apresentacao.h"
#include "display/telas/FormatoValor.h"
#include "display/telas/GradeItens.h"
#include "display/telas/ImagemFundo.h"
#include "display/telas/PaginaPagamento.h"
#include "display/telas/RotuloTexto.h"

namespace {

constexpr int kAlturaPainelTotal = 64;
// Both labels of the total panel keep their right edges this far from the panel's right edge.
constexpr int kMargemDireita = 11;
const QRect kTituloTotal(0, 1, 41, 23);
const QRect kTotalVenda(0, 17, 240, 45);

TLinhaItem LinhaCancelamento(int nr, QStringView nome, Currency total) {
    return TLinhaItem()
        .DefinirNr(nr)
        .DefinirBarras(u"CANCELADO")
        .DefinirNome(nome)
        .DefinirTotal(-total)
        .DefinirTipo(u".");
}

TLinhaItem LinhaDesconto(Currency desconto) {
    return TLinhaItem().DefinirNome(u"DESCONTO ITEM").DefinirTotal(-desconto).DefinirTipo(u".");
}

TLinhaItem LinhaAcrescimo(Currency acrescimo) {
    return TLinhaItem().DefinirNome(u"ACRESCIMO ITEM").DefinirTotal(acrescimo).DefinirTipo(u",");
}

}  // namespace

TPaginaVenda::TPaginaVenda(TPaginaPagamento& pagamento, QWidget* pai)
    : QWidget(pai),
      pagamento_(pagamento),
      ImgFundoVenda_(new TImagemFundo(this)),
      Grid_(new TGradeItens(Tb_, this)),
      Apresentacao_(new TApresentacao(this)),
      pnlTotal_(new QWidget(this)) {
    setObjectName(QStringLiteral("TabVenda"));
    Apresentacao_->stackUnder(Grid_);
    pnlTotal_->setObjectName(QStringLiteral("pnlTotal"));
    pnlTotal_->setAutoFillBackground(true);

    lbTituloTotal_ =
        NovoRotuloTexto(pnlTotal_, QStringLiteral("lbTituloTotal"), QStringLiteral("Total"),
                        Fontes::Fonte(QStringLiteral("Tahoma"), 19));
    lbTituloTotal_->resize(kTituloTotal.size());
    QPalette cinza = lbTituloTotal_->palette();
    cinza.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    lbTituloTotal_->setPalette(cinza);

    lbTotalVenda_ =
        NovoRotuloTexto(pnlTotal_, QStringLiteral("lbTotalVenda"), QStringLiteral("0,00"),
                        Fontes::Fonte(QStringLiteral("Tahoma"), 37, true));
    lbTotalVenda_->resize(kTotalVenda.size());
    lbTotalVenda_->setAlignment(Qt::AlignRight | Qt::AlignTop);

    connect(&Tb_, &QAbstractItemModel::modelReset, this, &TPaginaVenda::DSDataChange);
    connect(&Tb_, &QAbstractItemModel::rowsInserted, this, &TPaginaVenda::DSDataChange);
    Grid_->hide();
    pnlTotal_->hide();
    Dispor();
}

void TPaginaVenda::CarregarListaItens(const QList<Protocolo::TRegistroLista>& registros) {
    {
        TTabelaItens::TCarga carga(Tb_);
        Tb_.Limpar();
        for (const Protocolo::TRegistroLista& registro : registros) {
            if (const auto* total = std::get_if<Protocolo::TRegistroTotal>(&registro))
                lbTotalVenda_->setText(total->Texto);
            else
                AdicionarItem(std::get<Protocolo::TRegistroItem>(registro));
        }
    }
    // Asked for once the views have the new rows: the window may show the page at once.
    emit PedirAtivacao();
}

void TPaginaVenda::AdicionarItem(const Protocolo::TRegistroItem& item) {
    Tb_.Adicionar(TLinhaItem()
                      .DefinirNr(item.Nr)
                      .DefinirBarras(item.Barras)
                      .DefinirNome(item.Nome)
                      .DefinirUnit(item.Unit)
                      .DefinirQtd(item.Qtd)
                      .DefinirTipo(item.Tipo)
                      .DefinirTotal(item.Total));
    if (item.Cancelado)
        Tb_.Adicionar(LinhaCancelamento(item.Nr, item.Nome, item.Total));
    if (item.Desconto > Currency())
        Tb_.Adicionar(LinhaDesconto(item.Desconto));
    if (item.Acrescimo > Currency())
        Tb_.Adicionar(LinhaAcrescimo(item.Acrescimo));
}

void TPaginaVenda::CancelarItem(const Protocolo::TCancelamentoItem& cancelamento) {
    Tb_.Adicionar(LinhaCancelamento(cancelamento.Nr, cancelamento.Nome, cancelamento.Total));
    DefinirTotalVenda(cancelamento.TotalVenda);
}

void TPaginaVenda::DescontoItem(const Protocolo::TAjusteItem& desconto) {
    Tb_.Adicionar(LinhaDesconto(desconto.Valor));
    DefinirTotalVenda(desconto.TotalVenda);
}

void TPaginaVenda::AcrescimoItem(const Protocolo::TAjusteItem& acrescimo) {
    Tb_.Adicionar(LinhaAcrescimo(acrescimo.Valor));
    DefinirTotalVenda(acrescimo.TotalVenda);
}

void TPaginaVenda::LimparVenda() {
    Tb_.Limpar();
    lbTotalVenda_->setText(QStringLiteral("0,00"));
    pagamento_.LimparPagamento();
}

void TPaginaVenda::ExibirVenda(bool limpar) {
    if (limpar)
        LimparVenda();
    emit PedirAtivacao();
}

void TPaginaVenda::ConfigurarApresentacao(const QString& pasta, int intervaloS) {
    Apresentacao_->Configurar(pasta, intervaloS);
    Apresentacao_->setVisible(Apresentacao_->Configurada() && !VendaVisivel());
}

void TPaginaVenda::DefinirLegivel(bool legivel, bool altoContraste) {
    Grid_->DefinirLegivel(legivel, altoContraste);
    if (VendaVisivel())
        Grid_->MostrarUltimaLinha();
}

void TPaginaVenda::DefinirTotalVenda(Currency total) {
    lbTotalVenda_->setText(QStringLiteral("R$") + FormataValor(total));
}

void TPaginaVenda::DSDataChange() {
    const bool visivel = VendaVisivel();
    Grid_->setVisible(visivel);
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
    Grid_->setGeometry(0, 0, largura, alturaGrade);
    pnlTotal_->setGeometry(0, alturaGrade, largura, kAlturaPainelTotal);
    lbTituloTotal_->move(largura - kMargemDireita - kTituloTotal.width(), kTituloTotal.top());
    lbTotalVenda_->move(largura - kMargemDireita - kTotalVenda.width(), kTotalVenda.top());
}
