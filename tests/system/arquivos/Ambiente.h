#pragma once
// An environment variable set for the life of one test, then restored.

#include <QByteArray>
#include <QtGlobal>

class VariavelTemporaria {
public:
    VariavelTemporaria(const char* nome, const QByteArray& valor)
        : nome_(nome), tinha_(qEnvironmentVariableIsSet(nome)), anterior_(qgetenv(nome)) {
        qputenv(nome, valor);
    }
    ~VariavelTemporaria() {
        if (tinha_)
            qputenv(nome_, anterior_);
        else
            qunsetenv(nome_);
    }

private:
    const char* nome_;
    bool tinha_;
    QByteArray anterior_;
};
