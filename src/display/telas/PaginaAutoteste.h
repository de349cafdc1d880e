#pragma once
// The installer's self-test page (TabAutoteste): a colour and geometry test pattern over the
// whole page, and in its middle what an installer checks first: the machine's addresses, the
// port and whether it is listening, the last connection and the lines received, the version,
// and the monitor with its geometry (lbAutoteste, plain text).
//
// The pattern: a one-pixel white frame on the page's edge, a grid every 64 pixels, both
// diagonals and a centred circle (a stretched picture shows an ellipse, a cut edge a missing
// frame line), eight colour bars and a grey ramp of sixteen steps (a wrong colour depth shows
// bands merging).

#include <QLabel>
#include <QStringList>
#include <QWidget>

struct TEstadoAutoteste {
    QString versao;
    QStringList enderecos;
    quint16 porta = 0;
    bool ouvindo = false;
    QString ultimaConexao;  // empty: none since the program started
    qint64 linhasRecebidas = 0;
    int monitor = 1;  // 1 = the first
    QRect geometriaMonitor;
};

class TPaginaAutoteste : public QWidget {
    Q_OBJECT
public:
    explicit TPaginaAutoteste(QWidget* parent = nullptr);
    void Exibir(const TEstadoAutoteste& estado);

    // The text the page shows for the state.
    static QString Texto(const TEstadoAutoteste& estado);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QLabel* lbAutoteste;
};
