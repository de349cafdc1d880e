#include "sistema/shell/TmRotShell.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLibrary>
#include <QProcess>
#include <QStandardPaths>

#include "base/internal/Texto.h"
#include "dialogos/mensagens/mMensagem.h"

namespace {

bool Abrir(const QString& programa, const QStringList& argumentos) {
    for (const QString& argumento : argumentos)
        if (argumento.startsWith(u'-'))
            return false;
    return !QStandardPaths::findExecutable(programa).isEmpty() &&
           QProcess::startDetached(programa, argumentos);
}

// The first of the programs that is installed, started.
bool AbrirPrimeiro(const QStringList& programas) {
    for (const QString& programa : programas)
        if (Abrir(programa, {}))
            return true;
    return false;
}

}  // namespace

namespace TmRot {

bool AbreExplorer(const QString& cLocal) {
    return Abrir(QStringLiteral("xdg-open"), {cLocal});
}

void AbreSite(const QString& asUrl) {
    if (TextoInterno::Aparar(asUrl).isEmpty() || AbreExplorer(asUrl))
        return;
    TmDlg::Informa(
        QStringLiteral("Não foi possível abrir o site: ") + asUrl +
        QStringLiteral(
            "\r\rSite cópiado, cole (\"Control+V\") manualmente na pesquisa do browser..."));
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        app->clipboard()->setText(asUrl);
}

bool PropriedadesInternet() {
    return AbrirPrimeiro(
        {QStringLiteral("nm-connection-editor"), QStringLiteral("gnome-control-center")});
}

bool ServicosWindows() {
    return AbrirPrimeiro(
        {QStringLiteral("gnome-system-monitor"), QStringLiteral("xfce4-taskmanager")});
}

}  // namespace TmRot

namespace TmFile {

bool RegistraDll(const QString& asDll) {
    QLibrary biblioteca(asDll);
    if (biblioteca.load()) {
        biblioteca.unload();
        return true;
    }
    TmDlg::Erro(QStringLiteral("não foi possível copiar ou registrar a dll ") + asDll +
                QStringLiteral(".\r(") + biblioteca.errorString() + u')');
    return false;
}

}  // namespace TmFile
