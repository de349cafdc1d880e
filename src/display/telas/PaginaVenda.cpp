#include "display/telas/PaginaVenda.h"

#include <QLabel>

#include "base/gui/Fontes.h"
#include "display/protocolo/ListaSep.h"
#include "display/telas/FormatoValor.h"
#include "display/telas/GradeItens.h"
#include "display/telas/ImagemFundo.h"
#include "display/telas/PaginaPagamento.h"
#include "text/conversao/TmConv.h"

namespace {

constexpr int kAlturaPainelTotal = 64;
// Both labels of the total panel keep their right edges this far from the panel's right edge.
constexpr int kMargemDireita = 11;
const QRect kTituloTotal(0, 1, 41, 23);
const QRect kTotalVenda(0, 17, 240, 45);

QLabel* NovoRotulo(QWidget* pai, const QString& nome, const QString& texto, const QFont& fonte,
                   const QSize& tamanho) {
    auto* rotulo = new QLabel(texto, pai);
    rotulo->setObjectName(nome);
    rotulo->setFont(fonte);
    rotulo->setTextFormat(Qt::PlainText);  // texts from the POS are shown as sent
    rotulo->resize(tamanho);
    return rotulo;
}

TLinhaItem LinhaCancelamento(const QString& nr, const QString& nome, const QString& total) {
    return TLinhaItem()
        .DefinirNr(TmConv::ToInt(nr, 0))
        .DefinirBarras(u"CANCELADO")
        .DefinirNome(nome)
        .DefinirTotal(Negado(TmConv::Str2Curr(total)))
        .DefinirTipo(u".");
}

TLinhaItem LinhaDesconto(Currency desconto) {
    return TLinhaItem()
        .DefinirNome(u"DESCONTO ITEM")
        .DefinirTotal(Negado(desconto))
        .DefinirTipo(u".");
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
      pnlTotal_(new QWidget(this)) {
    pnlTotal_->setObjectName(QStringLiteral("pnlTotal"));
    pnlTotal_->setAutoFillBackground(true);

    lbTituloTotal_ = NovoRotulo(pnlTotal_, QStringLiteral("lbTituloTotal"), QStringLiteral("Total"),
                                Fontes::Fonte(QStringLiteral("Tahoma"), 19), kTituloTotal.size());
    QPalette cinza = lbTituloTotal_->palette();
    cinza.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    lbTituloTotal_->setPalette(cinza);

    lbTotalVenda_ =
        NovoRotulo(pnlTotal_, QStringLiteral("lbTotalVenda"), QStringLiteral("0,00"),
                   Fontes::Fonte(QStringLiteral("Tahoma"), 37, true), kTotalVenda.size());
    lbTotalVenda_->setAlignment(Qt::AlignRight | Qt::AlignTop);

    connect(&Tb_, &QAbstractItemModel::modelReset, this, &TPaginaVenda::DSDataChange);
    connect(&Tb_, &QAbstractItemModel::rowsInserted, this, &TPaginaVenda::DSDataChange);
    Grid_->hide();
    pnlTotal_->hide();
    Dispor();
}

void TPaginaVenda::CarregarListaItens(const QString& parametros) {
    {
        TTabelaItens::TCarga carga(Tb_);
        Tb_.Limpar();
        for (const QString& registro : DividirCampos(parametros, u'&'))
            AdicionarItem(registro);
    }
    // Asked for once the views have the new rows: the window may show the page at once.
    emit PedirAtivacao();
}

void TPaginaVenda::AdicionarItem(QStringView registro) {
    const QStringList campos = DividirCampos(registro, u'|');
    if (campos.size() < 11)
        return;
    if (campos[0] == QLatin1String("TOTAL")) {
        lbTotalVenda_->setText(campos[1]);
        return;
    }
    Tb_.Adicionar(TLinhaItem()
                      .DefinirNr(TmConv::ToInt(campos[0], 0))
                      .DefinirBarras(campos[1])
                      .DefinirNome(campos[2])
                      .DefinirUnit(TmConv::Str2Curr(campos[5]))
                      .DefinirQtd(TmConv::Str2Curr(campos[3]))
                      .DefinirTipo(campos[4])
                      .DefinirTotal(TmConv::Str2Curr(campos[6])));
    if (campos[7] == QLatin1String("C"))
        Tb_.Adicionar(LinhaCancelamento(campos[0], campos[2], campos[6]));
    const Currency desconto = TmConv::Str2Curr(campos[8]);
    const Currency acrescimo = TmConv::Str2Curr(campos[9]);
    if (desconto > Currency())
        Tb_.Adicionar(LinhaDesconto(desconto));
    if (acrescimo > Currency())
        Tb_.Adicionar(LinhaAcrescimo(acrescimo));
}

void TPaginaVenda::CancelarItem(const QString& parametros) {
    const QStringList campos = DividirCampos(parametros, u'|');
    if (campos.size() < 4)
        return;
    Tb_.Adicionar(LinhaCancelamento(campos[0], campos[1], campos[2]));
    DefinirTotalVenda(campos[3]);
}

void TPaginaVenda::DescontoItem(const QString& parametros) {
    const QStringList campos = DividirCampos(parametros, u'|');
    if (campos.size() < 2)
        return;
    Tb_.Adicionar(LinhaDesconto(TmConv::Str2Curr(campos[0])));
    DefinirTotalVenda(campos[1]);
}

void TPaginaVenda::AcrescimoItem(const QString& parametros) {
    const QStringList campos = DividirCampos(parametros, u'|');
    if (campos.size() < 2)
        return;
    Tb_.Adicionar(LinhaAcrescimo(TmConv::Str2Curr(campos[0])));
    DefinirTotalVenda(campos[1]);
}

void TPaginaVenda::LimparVenda() {
    Tb_.Limpar();
    lbTotalVenda_->setText(QStringLiteral("0,00"));
    pagamento_.LimparPagamento();
}

void TPaginaVenda::ExibirVenda(const QString& parametros) {
    if (parametros == QLatin1String("1"))
        LimparVenda();
    emit PedirAtivacao();
}

void TPaginaVenda::DefinirTotalVenda(const QString& campo) {
    lbTotalVenda_->setText(QStringLiteral("R$") + FormataValor(TmConv::Str2Curr(campo)));
}

void TPaginaVenda::DSDataChange() {
    const bool visivel = VendaVisivel();
    Grid_->setVisible(visivel);
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
    Grid_->setGeometry(0, 0, largura, alturaGrade);
    pnlTotal_->setGeometry(0, alturaGrade, largura, kAlturaPainelTotal);
    lbTituloTotal_->move(largura - kMargemDireita - kTituloTotal.width(), kTituloTotal.top());
    lbTotalVenda_->move(largura - kMargemDireita - kTotalVenda.width(), kTotalVenda.top());
}
