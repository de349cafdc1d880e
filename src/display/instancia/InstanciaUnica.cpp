#include "display/instancia/InstanciaUnica.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
QString PastaDoUsuario() {
    QString pasta = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (pasta.isEmpty())
        pasta = QDir::tempPath();
    return pasta;
}
}  // namespace

TInstanciaUnica::TInstanciaUnica(const QString& nome, QObject* parent)
    : QObject(parent),
      nomeSocket_(PastaDoUsuario() + QLatin1Char('/') + nome + ".sock"),
      trava_(std::make_unique<QLockFile>(PastaDoUsuario() + QLatin1Char('/') + nome + ".lock")) {
    trava_->setStaleLockTime(0);  // only a lock whose owner process is gone is stale
    connect(&servidor_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = servidor_.nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            s->disconnectFromServer();
            emit TrazerParaFrente();
        }
    });
}

TInstanciaUnica::~TInstanciaUnica() = default;

bool TInstanciaUnica::Adquirir() {
    if (!trava_->tryLock(0)) {
        PedirAoPrimeiro();
        return false;
    }
    QLocalServer::removeServer(nomeSocket_);  // a socket left behind by a killed copy
    servidor_.setSocketOptions(QLocalServer::UserAccessOption);
    servidor_.listen(nomeSocket_);
    return true;
}

bool TInstanciaUnica::PedirAoPrimeiro() const {
    QLocalSocket s;
    s.connectToServer(nomeSocket_);
    if (!s.waitForConnected(2000))
        return false;
    s.waitForDisconnected(2000);
    return true;
}
