#pragma once
// What every error type of the library shares: its Portuguese (or the platform's) message kept
// as the library's text, beside the standard exception it plays the role of, so that callers can
// catch it either as the library's type or as a standard exception.

#include <QString>

template <typename Padrao>
class TErroComMensagem : public Padrao {
public:
    explicit TErroComMensagem(const QString& mensagem)
        : Padrao(mensagem.toStdString()), mensagem_(mensagem) {}
    const QString& Mensagem() const { return mensagem_; }

private:
    QString mensagem_;
};
