#include "possim/Gravador.h"

#include <QTcpSocket>

#include <memory>

#include "display/canal/LeitorLinhas.h"
#include "possim/Avisos.h"
#include "possim/Gravacao.h"

TGravador::TGravador(QString host, quint16 portaDisplay, QObject* parent)
    : QObject(parent), host_(std::move(host)), portaDisplay_(portaDisplay) {
    connect(&servidor_, &QTcpServer::newConnection, this, [this] {
        while (servidor_.hasPendingConnections())
            AtenderConexao();
    });
}

bool TGravador::Iniciar(const QString& arquivo, quint16 portaEscuta, QString& erro) {
    arquivo_.setFileName(arquivo);
    if (!arquivo_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        erro = QStringLiteral("não foi possível criar %1: %2").arg(arquivo, arquivo_.errorString());
        return false;
    }
    arquivo_.write(
        "# pos-simulador: milissegundos desde a primeira linha, tabulação, linha "
        "recebida (\\\\ e \\xHH escapados)\n");
    arquivo_.flush();
    if (!servidor_.listen(QHostAddress::Any, portaEscuta)) {
        erro = QStringLiteral("não foi possível escutar a porta %1: %2")
                   .arg(portaEscuta)
                   .arg(servidor_.errorString());
        return false;
    }
    return true;
}

void TGravador::AtenderConexao() {
    QTcpSocket* pdv = servidor_.nextPendingConnection();
    auto* display = new QTcpSocket(this);  // outlives pdv until its last bytes are sent
    const auto parcial = std::make_shared<QByteArray>();  // the line in progress
    const QString origem = pdv->peerAddress().toString();
    connect(display, &QTcpSocket::errorOccurred, this, [this, display] {
        Avisar(QStringLiteral("display %1:%2: %3 (as linhas continuam sendo gravadas)")
                   .arg(host_)
                   .arg(portaDisplay_)
                   .arg(display->errorString()));
    });
    display->connectToHost(host_, portaDisplay_);

    connect(pdv, &QTcpSocket::readyRead, this, [this, pdv, display, parcial] {
        parcial->append(pdv->readAll());
        qsizetype inicio = 0;
        for (qsizetype lf; (lf = parcial->indexOf('\n', inicio)) >= 0; inicio = lf + 1) {
            const QByteArrayView linha = QByteArrayView(*parcial).sliced(inicio, lf - inicio);
            if (linha.size() > LeitorLinhas::kMaximoBytesLinha)
                break;
            GravarLinha(linha);
            if (display->isOpen())
                display->write(linha.toByteArray() + '\n');
        }
        parcial->remove(0, inicio);
        if (parcial->indexOf('\n') >= 0 || parcial->size() > LeitorLinhas::kMaximoBytesLinha) {
            Avisar(QStringLiteral("linha com mais de %1 bytes: conexão fechada, como faz o display")
                       .arg(LeitorLinhas::kMaximoBytesLinha));
            parcial->clear();
            pdv->abort();
        }
    });
    connect(pdv, &QTcpSocket::disconnected, this, [pdv, display, parcial, origem] {
        if (!parcial->isEmpty())
            Avisar(
                QStringLiteral("%1 fechou a conexão no meio de uma linha: descartada").arg(origem));
        if (display->state() == QAbstractSocket::UnconnectedState) {
            display->deleteLater();
        } else {
            connect(display, &QTcpSocket::disconnected, display, &QObject::deleteLater);
            display->disconnectFromHost();
        }
        pdv->deleteLater();
    });
}

void TGravador::GravarLinha(QByteArrayView linha) {
    if (!relogio_.isValid())
        relogio_.start();
    arquivo_.write(Gravacao::Formatar({relogio_.elapsed(), linha.toByteArray()}));
    arquivo_.flush();
}
