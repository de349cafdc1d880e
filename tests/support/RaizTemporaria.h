#pragma once
// A temporary folder that stands for drive C: while the test runs (ORVANE_DRIVE_C), with a
// helper to create files below it by their Windows path.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "base/CaminhoWindows.h"

class RaizTemporaria {
public:
    RaizTemporaria() {
        anterior_ = qgetenv("ORVANE_DRIVE_C");
        qputenv("ORVANE_DRIVE_C", dir_.path().toUtf8());
    }
    ~RaizTemporaria() {
        if (anterior_.isEmpty())
            qunsetenv("ORVANE_DRIVE_C");
        else
            qputenv("ORVANE_DRIVE_C", anterior_);
    }
    QString Caminho() const { return dir_.path(); }
    // Writes bytes to the file the relative native path names, creating its folders.
    QString Criar(const QString& relativo, const QByteArray& conteudo = {}) const {
        const QString caminho = dir_.path() + QLatin1Char('/') + relativo;
        QDir().mkpath(QFileInfo(caminho).path());
        QFile f(caminho);
        f.open(QIODevice::WriteOnly);
        f.write(conteudo);
        return caminho;
    }

private:
    QTemporaryDir dir_;
    QByteArray anterior_;
};
