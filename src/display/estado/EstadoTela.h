#pragma once
// The customer's screen as data, between the protocol and the pages: the sale's rows and total
// and what the payment summary shows, decided once here so that every view of the screen (the
// window's pages, any other) shows the same rows, texts and change rule without deciding
// anything itself. Qt Core only.
//
// TEstadoTela::Aplicar takes a command of the POS with its parameter text, reads its record with
// the protocol, changes the state and emits Mudou with the parts that changed and what the
// command asks to be shown; a command that changes nothing and asks for nothing emits nothing.
// Amounts are already texts in the screens' number format (FormatoValor.h); payment means keep the
// texts the POS sent. Pictures are held as their files' bytes with a content hash, so that a view
// decodes them, or serves them by name, without reading the file again.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

#include "base/Currency.h"
#include "display/estado/LinhaVenda.h"
#include "display/protocolo/ComandosPix.h"
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
    // "Falta", "Troco", or empty while the change row is closed.
    QString TituloTroco() const;
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

// The page of the customer's screen that the commands last asked for.
enum class EPaginaTela { Venda, Pagamento, Info, Imagem };

// A picture file's bytes and their SHA-256 in lower-case hexadecimal; both empty for none.
struct TImagemTela {
    QByteArray Conteudo;
    QByteArray Hash;

    static TImagemTela De(const QByteArray& conteudo);
    bool Vazia() const { return Hash.isEmpty(); }
    bool operator==(const TImagemTela& outra) const { return Hash == outra.Hash; }
};

class TEstadoTela : public QObject {
    Q_OBJECT
public:
    // What a command changed: the rows replaced (Linhas) or rows appended at the end
    // (LinhasAcrescidas), the sale total, the payment summary, the info texts. The Mostrar parts
    // are no change but the command's request that the sale (commands 1 and 2, command 103 with
    // "1"), the payment summary (command 3 with its summary, commands 103 without "1" and 104, a
    // PIX code shown) or the info texts (command 6) or the picture be shown; PaginaTela follows
    // them. Pix is the PIX code shown or removed, Imagem the picture page's picture, Fundo the idle
    // background.
    enum EParte {
        Linhas = 1,
        LinhasAcrescidas = 2,
        Total = 4,
        Pagamento = 8,
        MostrarVenda = 16,
        MostrarPagamento = 32,
        Info = 64,
        MostrarInfo = 128,
        Pix = 256,
        Imagem = 512,
        MostrarImagem = 1024,
        Fundo = 2048,
    };
    Q_DECLARE_FLAGS(EPartes, EParte)

    using QObject::QObject;

    // Command 1 replaces the rows (an item record gives its row, then a cancellation row when it
    // is cancelled, a discount row when its discount is above 0 and a surcharge row when its
    // surcharge is) and sets the total from its total records (the text as sent, the last one
    // wins); 8, 9 and 101 append a cancellation, discount or surcharge row and set the total
    // ("R$" and the amount). Commands 2 with "1" and 5 clear the sale: no rows, total "0,00",
    // payment summary reset. Commands 3 and 4 change the payment summary, command 6 the info
    // texts. Commands P and Q set the PIX code (a code that is no BR Code raises
    // std::runtime_error and changes nothing); R, 1, 3, 5 and a command 4 that ends the payment
    // remove it. Command 103 asks for the sale ("1") or the payment page. The others leave this
    // state as it is. Returns the parts changed with the requests, as Mudou tells them.
    EPartes Aplicar(Protocolo::EComando comando, const QString& parametros);
    // A new sale, as command 5.
    void LimparVenda();
    // Command 102 once its file was read and decoded: the picture page's picture, and the page.
    void ExibirImagem(const QByteArray& conteudo);
    // The idle background's file; empty for the built-in one.
    void DefinirFundo(const QByteArray& conteudo);

    const QVector<TLinhaItem>& LinhasVenda() const { return linhas_; }
    const QString& TotalVenda() const { return totalVenda_; }
    const TPagamentoTela& PagamentoTela() const { return pagamento_; }
    const Protocolo::TInfo& InfoTela() const { return info_; }
    EPaginaTela PaginaTela() const { return pagina_; }
    const std::optional<Protocolo::TQrPix>& PixTela() const { return pix_; }
    const TImagemTela& ImagemTela() const { return imagem_; }
    const TImagemTela& FundoTela() const { return fundo_; }

signals:
    void Mudou(TEstadoTela::EPartes partes);

private:
    // Emits the parts, after the page they ask for became the state's page.
    EPartes Avisar(EPartes partes);
    EPartes DefinirPix(std::optional<Protocolo::TQrPix> pix);
    EPartes AplicarPagamento(Protocolo::EComando comando, const QString& parametros);
    EPartes CarregarLista(const QString& parametros);
    EPartes Acrescentar(const TLinhaItem& linha, Currency totalVenda);
    EPartes Limpar();
    // The parts are Total when the text differs.
    EPartes DefinirTotal(const QString& total);

    QVector<TLinhaItem> linhas_;
    QString totalVenda_ = QStringLiteral("0,00");
    TPagamentoTela pagamento_;
    Protocolo::TInfo info_;
    EPaginaTela pagina_ = EPaginaTela::Venda;
    std::optional<Protocolo::TQrPix> pix_;
    TImagemTela imagem_;
    TImagemTela fundo_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TEstadoTela::EPartes)
