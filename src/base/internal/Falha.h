#pragma once
// The one record of a failed file operation: what was tried, on which path, and the errno the
// system answered. Internal helpers return it; the public routines turn it into their false,
// their message text or an EInOutError only at their boundary.

#include <QString>
#include <QtGlobal>

struct TFalha {
    QString operacao;  // the verb, as in "Não foi possível <operacao> ..."
    QString caminho;
    int erro = 0;  // errno; 0 when the refusal is this library's own

    // The system's text for erro, or the refusal's own text.
    QString Motivo() const { return erro != 0 ? qt_error_string(erro) : motivo; }
    QString Texto() const {
        return QStringLiteral("Não foi possível %1 \"%2\": %3").arg(operacao, caminho, Motivo());
    }

    QString motivo;  // the library's own reason, when erro is 0
};
