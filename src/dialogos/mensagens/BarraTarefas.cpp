#include "dialogos/mensagens/BarraTarefas.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QVariantMap>

namespace {

const QString kNomeConexao = QStringLiteral("orvane-barra-tarefas");

// A session bus exists when its address is given, or the user's runtime folder holds one.
// Checked first so that no bus daemon is ever launched on our behalf.
bool HaBarramentoDeSessao() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFile::exists(runtime + QStringLiteral("/bus"));
}

bool Conectar(QDBusConnection& conexao) {
    if (conexao.isConnected())
        return true;
    QDBusConnection::disconnectFromBus(kNomeConexao);
    if (!HaBarramentoDeSessao())
        return false;
    conexao = QDBusConnection::connectToBus(QDBusConnection::SessionBus, kNomeConexao);
    return conexao.isConnected();
}

}  // namespace

QString BarraTarefas::UriAplicacao() {
    return QStringLiteral("application://") + QCoreApplication::applicationName() +
           QStringLiteral(".desktop");
}

void BarraTarefas::SetTaskbarEstado(int aiEstado) {
    static QDBusConnection conexao(kNomeConexao);
    if (!Conectar(conexao))
        return;
    QDBusMessage sinal = QDBusMessage::createSignal(
        QStringLiteral("/com/canonical/unity/launcherentry/orvane"),
        QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    QVariantMap propriedades;
    propriedades.insert(QStringLiteral("progress"), 1.0);
    propriedades.insert(QStringLiteral("progress-visible"), aiEstado != 0);
    propriedades.insert(QStringLiteral("urgent"), aiEstado == 3);
    sinal << UriAplicacao() << propriedades;
    conexao.send(sinal);
}
