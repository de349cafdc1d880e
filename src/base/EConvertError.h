#pragma once
// Errors the text library raises: a conversion that cannot be done (an unreadable number where
// the caller asked for an error instead of a default, a number pattern that is too long, a column
// width beyond what any report can hold) and a list index outside the list.

#include <QString>
#include <stdexcept>

#include "base/ErroComMensagem.h"
#include "base/ExportacaoBase.h"

class EConvertError : public TErroComMensagem<std::runtime_error> {
public:
    using TErroComMensagem::TErroComMensagem;
};

class ORVANE_BASE_EXPORT EListError : public TErroComMensagem<std::out_of_range> {
public:
    explicit EListError(long long indice)
        : TErroComMensagem(QStringLiteral("List index out of bounds (%1)").arg(indice)) {}
};
