#pragma once
// A copy of /bin/sleep under a name no other process has, in a temporary folder, so the tests
// start, find, count and end real processes without touching anyone else's.

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

class TProgramaTeste {
public:
    explicit TProgramaTeste(const QString& prefixo) {
        static int contador = 0;
        nome_ = QStringLiteral("%1%2x%3")
                    .arg(prefixo)
                    .arg(QCoreApplication::applicationPid())
                    .arg(++contador);
        QFile::copy(QStringLiteral("/bin/sleep"), Caminho());
    }
    QString Nome() const { return nome_; }
    QString Caminho() const { return pasta_.filePath(nome_); }

private:
    QTemporaryDir pasta_;
    QString nome_;
};
