#pragma once
// The customer's screen as data, between the protocol and the pages: what the payment summary
// shows, decided once here so that every view of the screen (the window's pages, any other)
// shows the same rows, texts and change rule without deciding anything itself. Qt Core only.
//
// TEstadoTela::Aplicar takes a command of the POS with its parameter text, reads its record with
// the protocol, changes the state and emits Mudou with the parts that changed; a command that
// changes nothing emits nothing. Amounts are already texts in the screens' number format
// (FormatoValor.h); payment means keep the texts the POS sent.

#include <QObject>
#include <QString>
#include <array>

#include "base/Currency.h"
#include "display/protocolo/Protocolo.h"

// The change row: closed, the amount still missing, or the change due.
enum class ETroco { Nenhum, Falta, Troco };

// The rows of the payment summary. Subtotal, discount and surcharge keep their last texts while
// closed (a closed row is a 1-pixel line on the window). A payment mean with an empty title is
// closed and shows no value.
struct TPagamentoTela {
    QString Liquido = QStringLiteral("0,00");
    QString Bruto;
    QString Desconto;   // "-" and the amount
    QString Acrescimo;  // "+" and the amount
    bool BrutoAberto = false;
    bool DescontoAberto = false;
    bool AcrescimoAberto = false;
    std::array<Protocolo::TMeioPagamento, Protocolo::kMeiosPagamento> Meios;
    ETroco Troco = ETroco::Nenhum;
    QString ValorTroco;  // the amount without its sign; empty while the row is closed

    bool MeioAberto(int meio) const { return !Meios[meio].Titulo.isEmpty(); }
    // Total "0,00", means and change row closed; the other texts stay.
    void Limpar();
    // Command 3: a reset, then the totals when the summary was read.
    void AplicarResumo(const Protocolo::TResumoPagamento& resumo);
    // Command 4: the five means, then the totals and the change row.
    void AplicarMeios(const Protocolo::TMeiosPagamento& meios);

    bool operator==(const TPagamentoTela&) const = default;

private:
    // Discount and surcharge open above 0, the subtotal while their sum is above 0; the change
    // row opens only beside an open first mean and for an amount other than 0: above 0 still
    // missing ("Falta"), below 0 change due ("Troco").
    void AplicarTotais(Currency total, Currency descontos, Currency acrescimos,
                       Currency trocoOuFalta);
};

class TEstadoTela : public QObject {
    Q_OBJECT
public:
    // What a command changed. MostrarPagamento is not a change but the command's request that
    // the payment summary be shown (command 3 with its summary, command 104).
    enum EParte { Pagamento = 1, MostrarPagamento = 2 };
    Q_DECLARE_FLAGS(EPartes, EParte)

    using QObject::QObject;

    // Commands 2 (with "1": a new sale), 3, 4 and 5 change the payment summary, 3 and 104 ask
    // for it to be shown; the others leave this state as it is. Returns the parts changed, as Mudou tells them.
    EPartes Aplicar(Protocolo::EComando comando, const QString& parametros);
    // A new sale: the payment summary reset.
    void LimparVenda();

    const TPagamentoTela& PagamentoTela() const { return pagamento_; }

signals:
    void Mudou(TEstadoTela::EPartes partes);

private:
    // Keeps the new summary and tells what changed, with the requests of the command.
    EPartes Trocar(const TPagamentoTela& novo, EPartes pedidos);

    TPagamentoTela pagamento_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TEstadoTela::EPartes)
