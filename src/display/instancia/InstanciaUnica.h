#pragma once
// One copy of the display per user session. The first copy holds a lock file in the user's
// runtime folder and listens on a local socket; a later copy finds the lock taken, asks the
// first one over the socket to raise its window, and ends. A copy that was killed leaves a
// stale lock, which the next copy detects (the owner process is gone) and takes over.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

class TInstanciaUnica : public QObject {
    Q_OBJECT
public:
    // nome: the lock's name, e.g. "CvOrvaneMutex"; folders: the user's runtime folder.
    explicit TInstanciaUnica(const QString& nome, QObject* parent = nullptr);
    ~TInstanciaUnica() override;

    // True when this copy now owns the lock (and listens for other copies); false when another
    // copy owns it, in which case that copy has been asked to come to the front.
    bool Adquirir();

signals:
    // Another copy was started: the window should come to the front.
    void TrazerParaFrente();

private:
    bool PedirAoPrimeiro() const;
    QString nomeSocket_;
    std::unique_ptr<QLockFile> trava_;
    QLocalServer servidor_;
};
