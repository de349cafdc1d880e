#pragma once
// The payment page (TabPgto): from the top, the white spacer EspacoPanel, then ten rows, each
// a panel across the page with a title label and a value label. A row that carries a value is
// open (52 pixels high), the others shrink to a 1-pixel line; the spacer keeps the stack centred
// vertically, 10 pixels above the page's middle.
//
// When the open rows are taller than the page the spacer's computed height is negative; it then
// stays at 0, so the stack starts at the top and its lower rows are cut off by the page's
// bottom. The stack is centred again whenever the page is resized, so that a page that gets its
// final size only after the first command still shows the stack centred.
//
// The page and its widgets carry the names of the screen's design (TabPgto, EspacoPanel,
// pnlBruto, lbTitBruto, lbBruto, ..., pnlTroco, lbTitTroco, lbTroco) as object names.

#include <QColor>
#include <QWidget>
#include <array>
#include <optional>

#include "base/Currency.h"
#include "display/protocolo/Protocolo.h"

class QLabel;

enum class ELinhaPagamento {
    Bruto,
    Desconto,
    Acrescimo,
    Liquido,
    Meio1,
    Meio2,
    Meio3,
    Meio4,
    Meio5,
    Troco
};

class TPaginaPagamento : public QWidget {
    Q_OBJECT
public:
    static constexpr int kAlturaAberta = 52;
    static constexpr int kAlturaFechada = 1;

    explicit TPaginaPagamento(QWidget* pai = nullptr);

    // Command 3: resets the page; then, when the parameter text gave a summary (it had its four
    // fields), shows the totals rows and asks to be made the active page. The reset comes
    // first in either case.
    void ExibirResumoPagamento(const std::optional<Protocolo::TResumoPagamento>& resumo);
    // Command 4: the five payment means, the change row and the totals; no reset, no page
    // change.
    void ExibirMeiosPagamento(const Protocolo::TMeiosPagamento& meios);
    // Command 104: asks to be made the active page.
    void ExibirPagamento();

    // Shows total, discount, surcharge and subtotal rows and decides the change row (open only
    // when the first payment mean is open and the amount is not 0: "Falta" in red when still
    // missing, "Troco" with a navy value when change is due). The change value is the caller's.
    void ExibirTotaisPagamento(Currency total, Currency descontos, Currency acrescimos,
                               Currency trocoOuFalta);
    // Fills the row `linhaMeio` with a payment mean's title and value (as sent); an empty title
    // closes the row.
    void ExibirMeioPagamento(const Protocolo::TMeioPagamento& meio, ELinhaPagamento linhaMeio);
    // Total "0,00", means emptied, every row but the total closed and painted white (the
    // subtotal keeps its colour), change row emptied; the stack centred again.
    void LimparPagamento();
    // Spacer height = (page height - sum of the row heights) / 2 - 10, at least 0.
    void CentralizarPagamento();
    // Places every row's title and value labels horizontally for a window client width: the
    // pair sits 60 pixels left of the window's centre, 10 pixels between title and value.
    void CentralizarLinhaPagamento(int larguraClienteJanela);

    QWidget* Painel(ELinhaPagamento linha) const { return Linha(linha).painel; }
    QLabel* Titulo(ELinhaPagamento linha) const { return Linha(linha).titulo; }
    QLabel* Valor(ELinhaPagamento linha) const { return Linha(linha).valor; }
    QWidget* EspacoPanel() const { return espaco_; }

signals:
    void PedirAtivacao();

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    struct TLinha {
        QWidget* painel;
        QLabel* titulo;
        QLabel* valor;
        QColor corAtiva;
        int altura;
    };

    const TLinha& Linha(ELinhaPagamento linha) const {
        return linhas_[static_cast<std::size_t>(linha)];
    }
    TLinha& Linha(ELinhaPagamento linha) { return linhas_[static_cast<std::size_t>(linha)]; }
    // The change row needs the first payment mean open.
    bool PrimeiroMeioAberto() const;
    // Opens a row in its active colour, or closes it painted white.
    void AbrirNaCorAtiva(ELinhaPagamento linha, bool aberta);
    void DefinirAltura(ELinhaPagamento linha, bool aberta);
    void DefinirTroco(Currency trocoOuFalta);
    void Dispor();

    QWidget* espaco_;
    int alturaEspaco_;
    std::array<TLinha, 10> linhas_;
};
