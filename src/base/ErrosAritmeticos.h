#pragma once
// Errors of the library's integer arithmetic: a division whose divisor is zero (whole or
// floating point), and an integer result that does not fit its type. Raised instead of letting
// the processor trap, so that callers can catch them like any other error of the library.

#include <QString>
#include <stdexcept>

class EIntError : public std::runtime_error {
public:
    explicit EIntError(const QString& mensagem)
        : std::runtime_error(mensagem.toStdString()), mensagem_(mensagem) {}
    const QString& Mensagem() const { return mensagem_; }

private:
    QString mensagem_;
};

class EDivByZero : public EIntError {
public:
    EDivByZero() : EIntError(QStringLiteral("Divisão por zero")) {}
};

class EIntOverflow : public EIntError {
public:
    EIntOverflow() : EIntError(QStringLiteral("Estouro de inteiro")) {}
};
