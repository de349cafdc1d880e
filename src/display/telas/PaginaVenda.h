#pragma once
// The sale page (TabVenda): the background picture ImgFundoVenda filling the page, and above it
// the item grid Grid with the total panel pnlTotal (caption lbTituloTotal, value lbTotalVenda)
// along the bottom. Grid and total panel are shown exactly while the item table has rows; the
// window follows VisibilidadeMudou with its status bar, so that an empty table leaves only the
// background picture: the idle screen.
//
// The operations take the records the protocol read from a command's parameter text. Operations
// that show the sale page ask the window for it through PedirAtivacao.

#include <QWidget>

#include "display/protocolo/Protocolo.h"
#include "display/telas/TabelaItens.h"

class QLabel;
class TGradeItens;
class TImagemFundo;
class TApresentacao;
class TPaginaPagamento;

class TPaginaVenda : public QWidget {
    Q_OBJECT
public:
    // The payment page is reset together with the sale (LimparVenda).
    explicit TPaginaVenda(TPaginaPagamento& pagamento, QWidget* pai = nullptr);

    // Command 1: rebuilds the item table from the records in order (a total record sets the
    // total label, the last one wins) and asks to be made the active page.
    void CarregarListaItens(const QList<Protocolo::TRegistroLista>& registros);
    // One item record of command 1: an item row, plus a cancellation row when it is cancelled, a
    // discount row when its discount is above 0 and a surcharge row when its surcharge is.
    void AdicionarItem(const Protocolo::TRegistroItem& item);
    // Command 8: a cancellation row with the item total negated; the new sale total.
    void CancelarItem(const Protocolo::TCancelamentoItem& cancelamento);
    // Command 9: a discount row with the amount negated; the new sale total.
    void DescontoItem(const Protocolo::TAjusteItem& desconto);
    // Command 101: a surcharge row; the new sale total.
    void AcrescimoItem(const Protocolo::TAjusteItem& acrescimo);
    // Command 5: empties the table, total "0,00", resets the payment page; no page change.
    void LimparVenda();
    // Command 2: clears the sale first when asked (parameter "1"); asks to be made the active
    // page.
    void ExibirVenda(bool limpar);
    // The idle slideshow over the background (TApresentacao::Configurar); shown only while no
    // sale is on screen.
    void ConfigurarApresentacao(const QString& pasta, int intervaloS);
    // Legible mode and high contrast of the item grid (TGradeItens::DefinirLegivel).
    void DefinirLegivel(bool legivel, bool altoContraste);

    TImagemFundo& ImgFundoVenda() const { return *ImgFundoVenda_; }
    const TTabelaItens& Tb() const { return Tb_; }
    // Whether grid, total panel and status bar are shown: the table has rows.
    bool VendaVisivel() const { return Tb_.rowCount() > 0; }

signals:
    void PedirAtivacao();
    // After every change of the item table: whether grid, total panel and status bar show.
    void VisibilidadeMudou(bool visivel);

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void DSDataChange();
    // "R$" and the amount formatted, without a blank.
    void DefinirTotalVenda(Currency total);
    void Dispor();

    TPaginaPagamento& pagamento_;
    TTabelaItens Tb_;
    TImagemFundo* ImgFundoVenda_;
    TGradeItens* Grid_;
    TApresentacao* Apresentacao_;
    QWidget* pnlTotal_;
    QLabel* lbTituloTotal_;
    QLabel* lbTotalVenda_;
};
