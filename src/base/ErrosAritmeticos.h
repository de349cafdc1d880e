#pragma once
// Errors of the library's integer arithmetic: a division whose divisor is zero (whole or
// floating point), and an integer result that does not fit its type. Raised instead of letting
// the processor trap, so that callers can catch them like any other error of the library.

#include <QString>
#include <stdexcept>

#include "base/ErroComMensagem.h"
#include "base/ExportacaoBase.h"

class EIntError : public TErroComMensagem<std::runtime_error> {
public:
    using TErroComMensagem::TErroComMensagem;
};

class ORVANE_BASE_EXPORT EDivByZero : public EIntError {
public:
    EDivByZero() : EIntError(QStringLiteral("Divisão por zero")) {}
};

class ORVANE_BASE_EXPORT EIntOverflow : public EIntError {
public:
    EIntOverflow() : EIntError(QStringLiteral("Estouro de inteiro")) {}
};
