#include "display/regras/Posicionamento.h"

#include <QStringList>

QPoint CantoDoMonitor(const QList<TMonitor>& monitores, int monitorConfigurado) {
    if (monitorConfigurado > monitores.size() || monitores.isEmpty())
        return QPoint(1, 1);
    const int indice = monitorConfigurado < 1 ? 0 : monitorConfigurado - 1;
    return monitores.at(indice).Limites.topLeft();
}

QPoint CantoDaJanela(const QList<TMonitor>& monitores, const ConfiguracaoDisplay& config) {
    return config.CantoFixo().value_or(CantoDoMonitor(monitores, config.Monitor));
}

int MonitorDoCanto(const QList<TMonitor>& monitores, QPoint canto) {
    for (int i = 0; i < monitores.size(); ++i)
        if (monitores[i].Limites.contains(canto))
            return i;
    return monitores.isEmpty() ? -1 : 0;
}

QString TextoMonitor(int indice, const TMonitor& monitor) {
    const QRect& r = monitor.Limites;
    return QStringList{
        QStringLiteral("i = %1").arg(indice),
        QStringLiteral("Primary = %1")
            .arg(monitor.Primario ? QStringLiteral("Sim") : QStringLiteral("Não")),
        QStringLiteral("MonitorNum = %1").arg(monitor.Numero),
        QStringLiteral("Left = %1").arg(r.left()),
        QStringLiteral("Top = %1").arg(r.top()),
        QStringLiteral("Width = %1").arg(r.width()),
        QStringLiteral("Height = %1").arg(r.height()),
    }
        .join(QLatin1Char('\n'));
}
