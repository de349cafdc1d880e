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

#include "display/estado/EstadoTela.h"

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

    // Shows the payment summary as the screen state decided it: the open rows in their active
    // colours, the closed ones as white lines; the change row's title and colours follow its
    // kind ("Falta" in red, "Troco" with a navy value). The stack is centred again.
    void Mostrar(const TPagamentoTela& pagamento);
    // Spacer height = (page height - sum of the row heights) / 2 - 10, at least 0.
    void CentralizarPagamento();
    // Places every row's title and value labels horizontally for a window client width: the
    // pair sits 60 pixels left of the window's centre, 10 pixels between title and value.
    void CentralizarLinhaPagamento(int larguraClienteJanela);

    QWidget* Painel(ELinhaPagamento linha) const { return Linha(linha).painel; }
    QLabel* Titulo(ELinhaPagamento linha) const { return Linha(linha).titulo; }
    QLabel* Valor(ELinhaPagamento linha) const { return Linha(linha).valor; }
    QWidget* EspacoPanel() const { return espaco_; }

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
    // Opens a row in its active colour, or closes it painted white.
    void AbrirNaCorAtiva(ELinhaPagamento linha, bool aberta);
    void DefinirAltura(ELinhaPagamento linha, bool aberta);
    void MostrarTroco(const TPagamentoTela& pagamento);
    void Dispor();

    QWidget* espaco_;
    int alturaEspaco_;
    std::array<TLinha, 10> linhas_;
};
