#include "base/Relogio.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <optional>

namespace {

constexpr double kMsPorDia = 86400000.0;

struct RelogioFixo {
    TDateTime agora = 0;
    quint64 ticks = 0;
};
std::optional<RelogioFixo> fFixo;

quint64 TicksDoSistema() {
    static const QElapsedTimer inicio = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<quint64>(inicio.elapsed());
}

}  // namespace

namespace Relogio {

TDateTime Agora() {
    return fFixo ? fFixo->agora : DataHora::FromQDateTime(QDateTime::currentDateTime());
}

quint32 TickCount() {
    return static_cast<quint32>(fFixo ? fFixo->ticks : TicksDoSistema());
}

void Fixar(TDateTime agora) {
    fFixo = RelogioFixo{agora, TicksDoSistema()};
}

void Avancar(qint64 ms) {
    if (!fFixo || ms < 0)
        return;
    fFixo->agora += static_cast<double>(ms) / kMsPorDia;
    fFixo->ticks += static_cast<quint64>(ms);
}

void Liberar() {
    fFixo.reset();
}

}  // namespace Relogio
