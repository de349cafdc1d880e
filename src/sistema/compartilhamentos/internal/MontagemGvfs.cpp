#include "sistema/compartilhamentos/internal/MontagemGvfs.h"

#include <dirent.h>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <cerrno>

namespace {

constexpr int kPrazoGioMs = 60000;
constexpr int kPrazoPontePastaMs = 10000;

struct TResultadoGio {
    bool Ok = false;
    QString Saida;
    QString Erro;
};

// gio with the C locale (its messages are read), the answers on its standard input, and a time
// limit: a server that never answers does not hold the caller.
TResultadoGio Gio(const QStringList& argumentos, const QByteArray& respostas = {}) {
    QProcess gio;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    gio.setProcessEnvironment(ambiente);
    gio.start(QStringLiteral("gio"), argumentos);
    if (!gio.waitForStarted(kPrazoGioMs))
        return {false, {}, QStringLiteral("gio cannot be started (GVfs is not installed)")};
    gio.write(respostas);
    gio.closeWriteChannel();
    if (!gio.waitForFinished(kPrazoGioMs)) {
        gio.kill();
        gio.waitForFinished();
        return {false, {}, QStringLiteral("gio did not finish in time")};
    }
    TResultadoGio resultado{gio.exitStatus() == QProcess::NormalExit && gio.exitCode() == 0,
                            QString::fromUtf8(gio.readAllStandardOutput()),
                            QString::fromUtf8(gio.readAllStandardError()).trimmed()};
    // The questions gio asked are no reason; what it says last is.
    resultado.Erro = resultado.Erro.section(u'\n', -1);
    return resultado;
}

// Opens and reads the folder whole (the bridge may open it and fail the reading): the errno of
// what failed, 0 when it was read.
int ErroLendoPasta(const QByteArray& caminho) {
    DIR* pasta = opendir(caminho.constData());
    if (!pasta)
        return errno;
    errno = 0;
    while (readdir(pasta)) {
    }
    const int erro = errno;
    closedir(pasta);
    return erro;
}

}  // namespace

namespace MontagemGvfs {

bool Montar(const QString& asUrl, const QString& asUsuario, const QString& asDominio,
            const QString& asSenha, QString& asMotivo) {
    const TResultadoGio resultado =
        asUsuario.isEmpty()
            ? Gio({QStringLiteral("mount"), QStringLiteral("--anonymous"), QStringLiteral("--"),
                   asUrl})
            : Gio({QStringLiteral("mount"), QStringLiteral("--"), asUrl},
                  (asUsuario + u'\n' + asDominio + u'\n' + asSenha + u'\n').toUtf8());
    if (resultado.Ok || resultado.Erro.endsWith(QLatin1String("Location is already mounted")))
        return true;
    // gio asking again (its last words a question) means the answers were refused.
    asMotivo = resultado.Erro.isEmpty() || resultado.Erro.endsWith(u':')
                   ? QStringLiteral("the server refused the user and password")
                   : resultado.Erro;
    return false;
}

QString CaminhoLocal(const QString& asUrl) {
    const TResultadoGio resultado =
        Gio({QStringLiteral("info"), QStringLiteral("--attributes=standard::type"),
             QStringLiteral("--"), asUrl});
    for (const QString& linha : resultado.Saida.split(u'\n'))
        if (linha.startsWith(QLatin1String("local path: ")))
            return linha.mid(12);
    return {};
}

bool PastaAbre(const QString& asCaminhoLocal) {
    const QByteArray caminho = QFile::encodeName(asCaminhoLocal);
    for (const QDeadlineTimer prazo(kPrazoPontePastaMs);; QThread::msleep(100)) {
        const int erro = ErroLendoPasta(caminho);
        if (erro == 0)
            return true;
        if (erro != EIO || prazo.hasExpired())
            return false;
    }
}

bool Desmontar(const QString& asCaminhoLocal, QString& asMotivo) {
    const TResultadoGio resultado =
        Gio({QStringLiteral("mount"), QStringLiteral("--unmount"), QStringLiteral("--force"),
             QStringLiteral("--"), asCaminhoLocal});
    if (!resultado.Ok)
        asMotivo = resultado.Erro;
    return resultado.Ok;
}

QString PastaFuse() {
    return qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/gvfs");
}

QString RaizMontagem(const QString& asCaminhoLocal) {
    const QString pasta = PastaFuse() + u'/';
    if (!asCaminhoLocal.startsWith(pasta))
        return {};
    return pasta + asCaminhoLocal.mid(pasta.size()).section(u'/', 0, 0);
}

}  // namespace MontagemGvfs
