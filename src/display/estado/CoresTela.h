#pragma once
// The colours and fixed titles of the customer's screen, one table for every view of it (the
// window's pages and any other). Colours are 0xRRGGBB; where a view uses its own base text colour
// the table holds nothing.

#include <QtGlobal>
#include <array>
#include <optional>

#include "display/estado/LinhaVenda.h"

namespace CoresTela {

using TCor = quint32;  // 0xRRGGBB

// The sale grid: the text of each column (ECampoItem order) and of its titles; the text of a
// discount or cancellation row and of a surcharge row, and in high contrast (white on black).
inline constexpr std::array<std::optional<TCor>, kNumCamposItem> kColunas = {
    0xC0C0C0, std::nullopt, 0x0000FF, std::nullopt, 0x008000, 0x800000, std::nullopt};
inline constexpr TCor kTituloColuna = 0x808080;
inline constexpr TCor kLinhaDesconto = 0xFF0000;
inline constexpr TCor kLinhaAcrescimo = 0x008000;
inline constexpr TCor kLinhaDescontoContraste = 0xFF8080;
inline constexpr TCor kLinhaAcrescimoContraste = 0x80FF80;
inline constexpr TCor kTituloTotal = 0x808080;

// The text of a row of the given kind, over its columns' colours; nothing for an item.
constexpr std::optional<TCor> CorLinha(ETipoLinha tipo, bool altoContraste) {
    switch (tipo) {
        case ETipoLinha::Cancelamento:
        case ETipoLinha::Desconto:
            return altoContraste ? kLinhaDescontoContraste : kLinhaDesconto;
        case ETipoLinha::Acrescimo:
            return altoContraste ? kLinhaAcrescimoContraste : kLinhaAcrescimo;
        case ETipoLinha::Item:
            break;
    }
    return std::nullopt;
}

// The payment summary, row by row (subtotal, discount, surcharge, total, the five means, the
// change row): the title (UTF-8; the means and the change row take theirs from the state), the
// value's text colour (nothing: the page's text colour) and the row's background while it is
// open. Titles are black.
struct TLinhaPagamento {
    const char* titulo;
    std::optional<TCor> valor;
    TCor fundoAberta;
};
inline constexpr TCor kBranco = 0xFFFFFF;
inline constexpr TCor kPreto = 0x000000;
inline constexpr std::array<TLinhaPagamento, 10> kPagamento = {{
    {"Subtotal", 0x808080, kBranco},
    {"Descontos", 0xFF0000, 0xFFEAEA},
    {"Acréscimos", 0x0000FF, 0xDFDFFF},
    {"Total", std::nullopt, kBranco},
    {"Pagamento", 0x008080, 0xEAF4F4},
    {"Pagamento", 0x008080, 0xDFEEEE},
    {"Pagamento", 0x008080, 0xD2E8E8},
    {"Pagamento", 0x008080, 0xC6E1E1},
    {"Pagamento", 0x008080, 0xB4D6D6},
    {"Falta", 0x000080, kBranco},
}};
// The change row's title and value: red while an amount is still missing ("Falta"), black and
// navy for the change due ("Troco").
struct TCoresTroco {
    TCor titulo;
    TCor valor;
};
constexpr TCoresTroco CoresTroco(bool falta) {
    return falta ? TCoresTroco{0xFF0000, 0xFF0000} : TCoresTroco{kPreto, 0x000080};
}

}  // namespace CoresTela
