#pragma once
// The platform's file error: a settings file that exists but cannot be read, or a document that
// cannot be saved. The message names the file and the reason the system gave.

#include <QString>
#include <stdexcept>

class EInOutError : public std::runtime_error {
public:
    explicit EInOutError(const QString& mensagem)
        : std::runtime_error(mensagem.toStdString()), mensagem_(mensagem) {}
    const QString& Mensagem() const { return mensagem_; }

private:
    QString mensagem_;
};
