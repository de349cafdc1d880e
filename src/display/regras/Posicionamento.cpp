#include "display/regras/Posicionamento.h"

#include <QStringList>

std::uint16_t PortaEfetiva(int porta) {
    const auto p = static_cast<std::uint16_t>(static_cast<std::uint32_t>(porta) & 0xFFFFu);
    return p == 0 ? kPortaPadrao : p;
}

QPoint CantoDoMonitor(const QList<TMonitor>& monitores, int monitorConfigurado) {
    if (monitorConfigurado > monitores.size() || monitores.isEmpty())
        return QPoint(1, 1);
    const int indice = monitorConfigurado < 1 ? 0 : monitorConfigurado - 1;
    return monitores.at(indice).Limites.topLeft();
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
