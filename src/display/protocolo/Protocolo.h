#pragma once
// The POS's command protocol, free of widgets and sockets: the command codes and the typed
// record of each command, read once from its parameter text.
//
// A command line's first character gives the code, its second is never read and the rest is
// the parameter text (the channel cuts and decodes the lines). Fields are split by the rule of
// ListaSep.h, on '|' within a record and on '&' between the records of command 1, and numbered
// from 1 in the comments below. Amounts and quantities are read with TmConv::Str2Curr and item
// numbers with TmConv::ToInt with default 0: an unreadable number is 0, never an error. A
// command that needs at least N fields gets no record when it has fewer; fields beyond those
// listed are ignored. Texts are kept exactly as sent: the screens show them as plain text.

#include <QList>
#include <QString>
#include <array>
#include <optional>
#include <variant>

#include "base/Currency.h"

namespace Protocolo {

// The commands, named after the display's handlers, with their codes: 1 to 9 are the control
// characters 1 to 9, 101 to 104 the letters 'e' to 'h', 80 to 82 the letters 'P' to 'R'.
enum class EComando {
    CarregarListaItens = 1,
    ExibirVenda = 2,
    ExibirResumoPagamento = 3,
    ExibirMeiosPagamento = 4,
    LimparVenda = 5,
    ExibirInfo = 6,
    AdicionarDebug = 7,
    CancelarItem = 8,
    DescontoItem = 9,
    AcrescimoItem = 101,
    ExibirImagem = 102,
    FecharImagem = 103,
    ExibirPagamento = 104,
    // PIX QR code on the payment page (ComandosPix.h): the letters 'P', 'Q' and 'R'.
    ExibirCodigoPix = 80,
    MontarCodigoPix = 81,
    RemoverCodigoPix = 82,
};

// Every command: the sale's in the order of their codes, then the PIX ones.
inline constexpr std::array kComandos = {
    EComando::CarregarListaItens,   EComando::ExibirVenda,     EComando::ExibirResumoPagamento,
    EComando::ExibirMeiosPagamento, EComando::LimparVenda,     EComando::ExibirInfo,
    EComando::AdicionarDebug,       EComando::CancelarItem,    EComando::DescontoItem,
    EComando::AcrescimoItem,        EComando::ExibirImagem,    EComando::FecharImagem,
    EComando::ExibirPagamento,      EComando::ExibirCodigoPix, EComando::MontarCodigoPix,
    EComando::RemoverCodigoPix,
};

// The command of a code; nothing for the codes without one (0, 10 to 100, 105 and above).
std::optional<EComando> ComandoDoCodigo(int codigo);
// The code of a command: the numeric value of the line's first character.
constexpr int CodigoDoComando(EComando comando) {
    return static_cast<int>(comando);
}

// Minimum field counts.
inline constexpr int kCamposRegistroLista = 11;
inline constexpr int kCamposResumoPagamento = 4;
inline constexpr int kCamposMeiosPagamento = 14;
inline constexpr int kCamposCancelamentoItem = 4;
inline constexpr int kCamposAjusteItem = 2;
inline constexpr int kMeiosPagamento = 5;

// Command 1, an item record: 1 number, 2 barcode, 3 description, 4 quantity, 5 type code,
// 6 unit price, 7 item total, 8 "C" exactly when cancelled, 9 item discount, 10 item surcharge,
// 11 present but not read. Texts are whole here; the item table cuts them to its field sizes.
struct TRegistroItem {
    int Nr = 0;
    QString Barras;
    QString Nome;
    Currency Qtd;
    QString Tipo;
    Currency Unit;
    Currency Total;
    bool Cancelado = false;
    Currency Desconto;
    Currency Acrescimo;

    bool operator==(const TRegistroItem&) const = default;
};

// Command 1, a total record: field 1 is exactly "TOTAL" (case matters), field 2 the text of the
// sale total label, shown unchanged; 11 fields like an item record.
struct TRegistroTotal {
    QString Texto;

    bool operator==(const TRegistroTotal&) const = default;
};

using TRegistroLista = std::variant<TRegistroItem, TRegistroTotal>;

// Command 1: the records in the order sent; a record with fewer than 11 fields is skipped alone.
// An empty parameter text gives no record.
QList<TRegistroLista> LerListaItens(const QString& parametros);

// Command 3, at least 4 fields: total, discounts, surcharges, change or missing amount.
struct TResumoPagamento {
    Currency Total;
    Currency Descontos;
    Currency Acrescimos;
    Currency TrocoOuFalta;

    bool operator==(const TResumoPagamento&) const = default;
};
std::optional<TResumoPagamento> LerResumoPagamento(const QString& parametros);

// A payment mean of command 4, title and value as sent; an empty title hides the mean.
struct TMeioPagamento {
    QString Titulo;
    QString Valor;

    bool operator==(const TMeioPagamento&) const = default;
};

// Command 4, at least 14 fields: fields 1 to 10 the five means (title, value), 11 change or
// missing amount (above 0 still missing, below 0 change due), 12 total, 13 discounts,
// 14 surcharges.
struct TMeiosPagamento {
    std::array<TMeioPagamento, kMeiosPagamento> Meios;
    Currency TrocoOuFalta;
    Currency Total;
    Currency Descontos;
    Currency Acrescimos;

    bool operator==(const TMeiosPagamento&) const = default;
};
std::optional<TMeiosPagamento> LerMeiosPagamento(const QString& parametros);

// Command 6: the pieces 1 and 2 of the parameter text cut at every '|' (TmStr::Separa, not the
// field rule: quotes mean nothing), empty when missing; later pieces are ignored.
struct TInfo {
    QString Texto;
    QString Valor;

    bool operator==(const TInfo&) const = default;
};
TInfo LerInfo(const QString& parametros);

// Command 7: the whole parameter text is one line of the debug log, bars included. A carriage
// return inside it (one before the line feed never arrives) is removed: it would break the line
// in two on the page or show as a stray mark.
QString LerLinhaDebug(const QString& parametros);

// Command 8, at least 4 fields: item number, description, item total, new sale total.
struct TCancelamentoItem {
    int Nr = 0;
    QString Nome;
    Currency Total;
    Currency TotalVenda;

    bool operator==(const TCancelamentoItem&) const = default;
};
std::optional<TCancelamentoItem> LerCancelamentoItem(const QString& parametros);

// Commands 9 (item discount) and 101 (item surcharge), at least 2 fields: the amount and the
// new sale total.
struct TAjusteItem {
    Currency Valor;
    Currency TotalVenda;

    bool operator==(const TAjusteItem&) const = default;
};
std::optional<TAjusteItem> LerAjusteItem(const QString& parametros);

// Commands 2 and 103: whether the parameter text is exactly "1" (no trimming).
bool ParametroUm(const QString& parametros);

}  // namespace Protocolo
