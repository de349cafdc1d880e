#pragma once
// What the file tests share: a temporary folder standing for drive C: with paths and contents
// below it, and environment variables set for the life of one test.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QtGlobal>

#include "support/RaizTemporaria.h"

class TesteArquivos : public ::testing::Test {
protected:
    RaizTemporaria raiz;
    QString p(const QString& relativo) const { return raiz.Caminho() + "/" + relativo; }
    // The file's bytes, "-" when it cannot be read.
    QByteArray Ler(const QString& relativo) const {
        QFile f(p(relativo));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("-");
    }
};

// An environment variable set for the life of one test, then restored.
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
