#pragma once
// The application-wide error handler: an error that reaches event handling is shown with its
// text in an error dialog (through TmDlg, so through the installed back end) and the program
// goes on; the library's silent abort is swallowed without a message.

#include <exception>
#include <utility>

#include "dialogos/ExportacaoDialogos.h"

namespace TratamentoErros {

// Shows the error the handler caught (nothing for a silent abort).
ORVANE_DIALOGOS_EXPORT void Relatar(std::exception_ptr erro);

// Runs passo; an error that escapes it is reported and `seFalhar` answered instead.
template <typename F, typename R = decltype(std::declval<F>()())>
R Protegido(F&& passo, R seFalhar = R()) {
    try {
        return std::forward<F>(passo)();
    } catch (...) {
        Relatar(std::current_exception());
        return seFalhar;
    }
}

// The same for a step without result.
template <typename F>
void Executar(F&& passo) {
    try {
        std::forward<F>(passo)();
    } catch (...) {
        Relatar(std::current_exception());
    }
}

}  // namespace TratamentoErros
