#include "dialogos/mensagens/TratamentoErros.h"

#include <QString>
#include <stdexcept>

#include "dialogos/mensagens/mMensagem.h"

void TratamentoErros::Relatar(std::exception_ptr erro) {
    QString texto;
    try {
        std::rethrow_exception(erro);
    } catch (const EAbortSilencioso&) {
        return;
    } catch (const std::exception& e) {
        texto = QString::fromUtf8(e.what());
    } catch (...) {
        texto = QStringLiteral("Erro desconhecido.");
    }
    try {
        TmDlg::Erro(texto);
    } catch (...) {
        // The handler is the last stop: a failure to show the message must not end the program.
    }
}
