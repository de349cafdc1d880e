#include "sistema/tela/TmRotTela.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

// The standard output of a program that ended normally with status 0; "" otherwise.
QString Saida(const QString& programa, const QStringList& argumentos) {
    QProcess processo;
    processo.setStandardErrorFile(QProcess::nullDevice());
    processo.start(programa, argumentos);
    if (!processo.waitForFinished(30000) || processo.exitStatus() != QProcess::NormalExit ||
        processo.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(processo.readAllStandardOutput());
}

// The first connected output's name; "" when there is none.
QString SaidaConectada(const QString& consulta) {
    static const QRegularExpression conectada(QStringLiteral("^(\\S+) connected"),
                                              QRegularExpression::MultilineOption);
    return conectada.match(consulta).captured(1);
}

}  // namespace

namespace TmRot {

QList<TModoTela> LerModosXrandr(const QString& asSaida) {
    static const QRegularExpression modo(QStringLiteral("^\\s+((\\d+)x(\\d+)\\S*)(.*)$"));
    QList<TModoTela> modos;
    bool naSaida = false;
    for (const QString& linha : asSaida.split(u'\n')) {
        if (!linha.isEmpty() && !linha[0].isSpace()) {
            if (naSaida)
                break;
            naSaida = linha.contains(QLatin1String(" connected"));
            continue;
        }
        const QRegularExpressionMatch achado = modo.match(linha);
        if (naSaida && achado.hasMatch())
            modos << TModoTela{achado.captured(1), achado.captured(2).toInt(),
                               achado.captured(3).toInt(), achado.captured(4).contains(u'*')};
    }
    return modos;
}

QList<TModoTela> ModosTela() {
    return LerModosXrandr(Saida(QStringLiteral("xrandr"), {QStringLiteral("--query")}));
}

int ProfundidadeTela() {
    static const QRegularExpression profundidade(QStringLiteral("Depth:\\s*(\\d+)"));
    return profundidade.match(Saida(QStringLiteral("xwininfo"), {QStringLiteral("-root")}))
        .captured(1)
        .toInt();
}

bool MudarModoTela(int aiLargura, int aiAltura) {
    const QString consulta = Saida(QStringLiteral("xrandr"), {QStringLiteral("--query")});
    const QString saida = SaidaConectada(consulta);
    for (const TModoTela& modo : LerModosXrandr(consulta))
        if (modo.Largura == aiLargura && modo.Altura == aiAltura)
            return QProcess::execute(QStringLiteral("xrandr"),
                                     {QStringLiteral("--output"), saida, QStringLiteral("--mode"),
                                      modo.Nome}) == 0;
    return false;
}

bool MudarPara800x600() {
    return ProfundidadeTela() > 15 && MudarModoTela(800, 600);
}

}  // namespace TmRot
