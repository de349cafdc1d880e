#pragma once
// Errors the text library raises: a conversion that cannot be done (an unreadable number where
// the caller asked for an error instead of a default, a number pattern that is too long, a column
// width beyond what any report can hold) and a list index outside the list.

#include <QString>
#include <stdexcept>

class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const QString& mensagem)
        : std::runtime_error(mensagem.toStdString()), mensagem_(mensagem) {}
    const QString& Mensagem() const { return mensagem_; }

private:
    QString mensagem_;
};

class EListError : public std::out_of_range {
public:
    explicit EListError(long long indice)
        : std::out_of_range(Texto(indice).toStdString()), mensagem_(Texto(indice)) {}
    const QString& Mensagem() const { return mensagem_; }

private:
    static QString Texto(long long indice) {
        return QStringLiteral("List index out of bounds (%1)").arg(indice);
    }
    QString mensagem_;
};
