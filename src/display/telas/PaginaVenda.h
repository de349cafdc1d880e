#pragma once
// The sale page (TabVenda): the background picture ImgFundoVenda filling the page, and above it
// the item grid Grid with the total panel pnlTotal (caption lbTituloTotal, value lbTotalVenda)
// along the bottom. Grid and total panel are shown exactly while the item table has rows; the
// window follows VisibilidadeMudou with its status bar, so that an empty table leaves only the
// background picture: the idle screen.
//
// The operations take a command's parameter text; records are split on "&" and fields on "|".
// Operations that show the sale page ask the window for it through PedirAtivacao.

#include <QWidget>

#include "display/telas/TabelaItens.h"

class QLabel;
class TGradeItens;
class TImagemFundo;
class TPaginaPagamento;

class TPaginaVenda : public QWidget {
    Q_OBJECT
public:
    // The payment page is reset together with the sale (LimparVenda).
    explicit TPaginaVenda(TPaginaPagamento& pagamento, QWidget* pai = nullptr);

    // Command 1: rebuilds the item table from the records (a record with fewer than 11 fields is
    // skipped; a "TOTAL" record sets the total label) and asks to be made the active page.
    void CarregarListaItens(const QString& parametros);
    // One record of command 1: an item row, plus a cancellation row when field 8 is "C", a
    // discount row when field 9 is above 0 and a surcharge row when field 10 is above 0.
    void AdicionarItem(QStringView registro);
    // Command 8: item number, description, item total, new sale total.
    void CancelarItem(const QString& parametros);
    // Command 9: discount, new sale total.
    void DescontoItem(const QString& parametros);
    // Command 101: surcharge, new sale total.
    void AcrescimoItem(const QString& parametros);
    // Command 5: empties the table, total "0,00", resets the payment page; no page change.
    void LimparVenda();
    // Command 2: with exactly "1" clears the sale first; asks to be made the active page.
    void ExibirVenda(const QString& parametros);

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
    void DefinirTotalVenda(const QString& campo);
    void Dispor();

    TPaginaPagamento& pagamento_;
    TTabelaItens Tb_;
    TImagemFundo* ImgFundoVenda_;
    TGradeItens* Grid_;
    QWidget* pnlTotal_;
    QLabel* lbTituloTotal_;
    QLabel* lbTotalVenda_;
};
