#pragma once
// A real FTP server on loopback for the tests (pyftpdlib, servidor_ftp.py), serving a temporary
// folder to the account "usuario"/"senha", or the hostile server of servidor_hostil.py. The
// server is stopped with the object.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

class TServidorFtp {
public:
    // The pyftpdlib server, with extra options of servidor_ftp.py ("--sem-size").
    explicit TServidorFtp(const QStringList& opcoes = {}) {
        Iniciar(QStringLiteral(SERVIDOR_FTP),
                QStringList{QStringLiteral("--raiz"), Raiz(), QStringLiteral("--registro"),
                            Registro()} +
                    opcoes);
    }
    // The hostile server in one of its modes ("lixo", "sem_fim", "reset").
    struct THostil {
        QString modo;
    };
    explicit TServidorFtp(const THostil& hostil) {
        Iniciar(QStringLiteral(SERVIDOR_HOSTIL), {hostil.modo});
    }
    TServidorFtp(const TServidorFtp&) = delete;
    ~TServidorFtp() {
        processo_.kill();
        processo_.waitForFinished(5000);
    }

    int Porta() const { return porta_; }
    // The folder the server serves as "/".
    QString Raiz() const { return pasta_.filePath(QStringLiteral("raiz")); }
    // Writes a file below the served folder, creating its folders.
    QString Publicar(const QString& remoto, const QByteArray& conteudo) const {
        const QString caminho = Raiz() + remoto;
        QDir().mkpath(QFileInfo(caminho).path());
        QFile arquivo(caminho);
        arquivo.open(QIODevice::WriteOnly);
        arquivo.write(conteudo);
        return caminho;
    }
    // The commands the server received so far, in order.
    QStringList Comandos() const {
        QFile arquivo(Registro());
        arquivo.open(QIODevice::ReadOnly);
        return QString::fromUtf8(arquivo.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    QString Registro() const { return pasta_.filePath(QStringLiteral("comandos.txt")); }

    void Iniciar(const QString& script, const QStringList& argumentos) {
        QDir().mkpath(Raiz());
        processo_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        processo_.start(QStringLiteral(PYTHON3), QStringList{script} + argumentos);
        if (processo_.waitForReadyRead(20000))
            porta_ = processo_.readLine().trimmed().toInt();
    }

    QTemporaryDir pasta_;
    QProcess processo_;
    int porta_ = 0;
};
