#include "sistema/arquivos/TmFilePastas.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <stdexcept>

#include <sys/stat.h>

#include <cerrno>

#include "base/CaminhoWindows.h"
#include "base/FormatoDataHora.h"
#include "base/Relogio.h"
#include "sistema/arquivos/TmFileCaminhos.h"

namespace {

QString Padrao(QStandardPaths::StandardLocation local) {
    return QStandardPaths::writableLocation(local);
}

QString NoDriveC(const QString& caminhoWindows) {
    return CaminhoWindows::Mapear(caminhoWindows);
}

// The first system-wide folder of a kind (the user's own comes first in Qt's list).
QString DoSistema(QStandardPaths::StandardLocation local) {
    const QStringList pastas = QStandardPaths::standardLocations(local);
    return pastas.size() > 1 ? pastas.at(1) : QString();
}

QString SemBarra(QString pasta) {
    while (pasta.size() > 1 && pasta.endsWith(QLatin1Char('/')))
        pasta.chop(1);
    return pasta;
}

// pasta with delimiter, created when missing.
QString Criada(const QString& pasta) {
    QDir().mkpath(pasta);
    return TmFile::DirBarra(pasta);
}

}  // namespace

namespace TmFile {

QString PastaWindows() {
    return DirBarra(NoDriveC(QStringLiteral("C:\\Windows")));
}

QString PastaWindowsSystem() {
    return DirBarra(NoDriveC(QStringLiteral("C:\\Windows\\System32")));
}

QString PastaWindowsTemp() {
    return DirBarra(QDir::tempPath());
}

QString PastaWindowsSystem32() {
    const QString wow64 = NoDriveC(QStringLiteral("C:\\Windows\\SysWOW64"));
    return QFileInfo(wow64).isDir() ? DirBarra(wow64) : PastaWindowsSystem();
}

QString PastaWindowsDesktop() {
    return DirBarra(GetSpecialFolderPath(0));
}

QString GetPastaDesktop() {
    return DirBarra(GetSpecialFolderPath(16));
}

QString GetPastaStartMenu() {
    return DirBarra(GetSpecialFolderPath(11));
}

QString GetPastaAllUsersStartMenu() {
    return DirBarra(GetSpecialFolderPath(22));
}

QString GetPastaDadosApplicativos() {
    return DirBarra(GetSpecialFolderPath(26));
}

QString GetSpecialFolderPath(int CSIDLFolder) {
    using QSP = QStandardPaths;
    switch (CSIDLFolder) {
        case 0:   // desktop
        case 16:  // desktop directory
            return SemBarra(Padrao(QSP::DesktopLocation));
        case 2:   // programs
        case 11:  // start menu
            return SemBarra(Padrao(QSP::ApplicationsLocation));
        case 5:  // documents
            return SemBarra(Padrao(QSP::DocumentsLocation));
        case 7:  // startup
            return SemBarra(Padrao(QSP::GenericConfigLocation)) + QStringLiteral("/autostart");
        case 13:
            return SemBarra(Padrao(QSP::MusicLocation));
        case 14:
            return SemBarra(Padrao(QSP::MoviesLocation));
        case 20:
            return SemBarra(Padrao(QSP::FontsLocation));
        case 22:  // common start menu
            return SemBarra(DoSistema(QSP::ApplicationsLocation));
        case 26:  // application data
        case 28:  // local application data
            return SemBarra(Padrao(QSP::GenericDataLocation));
        case 32:  // internet cache
            return SemBarra(Padrao(QSP::GenericCacheLocation));
        case 35:  // common application data
            return NoDriveC(QStringLiteral("C:\\ProgramData"));
        case 36:
            return SemBarra(PastaWindows());
        case 37:
            return SemBarra(PastaWindowsSystem());
        case 38:
            return NoDriveC(QStringLiteral("C:\\Program Files"));
        case 39:
            return SemBarra(Padrao(QSP::PicturesLocation));
        case 40:  // profile
            return SemBarra(Padrao(QSP::HomeLocation));
        case 41:  // 32-bit system folder
            return NoDriveC(QStringLiteral("C:\\Windows\\SysWOW64"));
        default:
            return {};
    }
}

QString GetPastaAppDataLocal() {
    return DirBarra(GetSpecialFolderPath(28));
}

QString GetPastaApp() {
    return GetPastaAppDataLocal();
}

QString GetDataUserFolderCorvel() {
    return Criada(GetPastaAppDataLocal() + QStringLiteral("Corvel"));
}

QString GetDataUserFolderTemp() {
    return Criada(GetDataUserFolderCorvel() + QStringLiteral("Temp"));
}

QString GetDataUserFolderVestra() {
    return Criada(GetDataUserFolderCorvel() + QStringLiteral("Vestra"));
}

QString GetCorvelRoot(const QString& asPath, bool abShowException) {
    const bool rede =
        asPath.startsWith(QLatin1String("\\\\")) || asPath.startsWith(QLatin1String("//"));
    if (!rede)
        return DirBarra(NoDriveC(QStringLiteral("C:\\CORVEL")));
    const QString caminho = DirBarra(asPath);
    static const QRegularExpression pasta(QStringLiteral(R"([\\/]corvel[\\/])"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (const auto achado = pasta.match(caminho); achado.hasMatch())
        return caminho.left(achado.capturedEnd());
    if (abShowException)
        throw std::runtime_error("Path inválido para obter o root da Corvel!");
    return {};
}

QString GetNovaPastaTemp(const QString& Prefixo) {
    const QString nome =
        PastaWindowsTemp() + Prefixo + Rtl::FormatDateTime(u"YYMMDDHHNNSSZZZ", Relogio::Agora());
    // Created here and now, never an existing folder or a link planted at the name: the name
    // takes a number until mkdir makes a new folder.
    for (int n = 0; n < 1000; ++n) {
        const QString pasta = n == 0 ? nome : nome + QLatin1Char('_') + QString::number(n);
        if (::mkdir(QFile::encodeName(pasta).constData(), 0777) == 0)
            return DirBarra(pasta);
        if (errno != EEXIST)
            break;
    }
    return {};
}

QString GetNomeArquivoTemp(const QString& Prefixo) {
    QTemporaryFile arquivo(PastaWindowsTemp() + Prefixo + QStringLiteral("XXXXXX.tmp"));
    arquivo.setAutoRemove(false);
    return arquivo.open() ? FileName(arquivo.fileName()) : QString();
}

}  // namespace TmFile
