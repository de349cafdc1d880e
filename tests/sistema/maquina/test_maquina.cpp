#include "sistema/maquina/Maquina.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

#include "base/CaminhoWindows.h"
#include "base/Relogio.h"
#include "base/TDateTime.h"
#include "sistema/datas/TmDtDatas.h"

namespace {

// Addresses come from the interfaces: loopback last, never the host name's 127.0.1.1.
TEST(Maquina, LocalAddressesComeFromTheInterfaces) {
    const QStringList ips = TmRot::GetLocalIPs();
    ASSERT_FALSE(ips.isEmpty());
    EXPECT_EQ(ips.last(), QStringLiteral("127.0.0.1"));
    EXPECT_FALSE(ips.contains(QStringLiteral("127.0.1.1")));
    EXPECT_EQ(TmRot::GetLocalIP(), ips.first());
    EXPECT_TRUE(TmRot::IsIPLocal(QStringLiteral("127.0.0.1")));
    EXPECT_FALSE(TmRot::IsIPLocal(QStringLiteral("192.0.2.77")));
    EXPECT_FALSE(TmRot::IsIPLocal(QString()));
}

TEST(Maquina, MacAddressIsOneOfTheCardsAddresses) {
    const QString mac = TmRot::GetMacAddress();
    QStringList daMaquina;
    for (const QString& placa :
         QDir(QStringLiteral("/sys/class/net")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile endereco(QStringLiteral("/sys/class/net/%1/address").arg(placa));
        if (placa != QLatin1String("lo") && endereco.open(QIODevice::ReadOnly))
            daMaquina
                << QString::fromLatin1(endereco.readAll().trimmed()).toUpper().replace(u':', u'-');
    }
    daMaquina.removeAll(QStringLiteral("00-00-00-00-00-00"));
    if (daMaquina.isEmpty()) {
        EXPECT_EQ(mac, QString());
        return;
    }
    EXPECT_TRUE(daMaquina.contains(mac)) << mac.toStdString();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^([0-9A-F]{2}-){5}[0-9A-F]{2}$")).match(mac).hasMatch());
    EXPECT_EQ(TmRot::GetLocalEnderecoMac(), mac);
}

TEST(Maquina, MemoryUsageFollowsWhatTheProcessTouches) {
    const std::int64_t antes = TmRot::GetCurrentMemoryUsage();
    constexpr std::size_t kTamanho = 64 * 1024 * 1024;
    auto bloco = std::make_unique<char[]>(kTamanho);
    std::memset(bloco.get(), 1, kTamanho);
    EXPECT_GE(TmRot::GetCurrentMemoryUsage() - antes, std::int64_t{50} * 1024 * 1024);
}

// df(1) beside statvfs, on the folder that stands for drive C:.
TEST(Maquina, FreeDiskSpaceAgreesWithDf) {
    QProcess df;
    df.start(QStringLiteral("df"), {QStringLiteral("-B1"), QStringLiteral("--output=avail"),
                                    CaminhoWindows::RaizDriveC()});
    ASSERT_TRUE(df.waitForFinished());
    const qint64 livres = df.readAllStandardOutput().split('\n').value(1).trimmed().toLongLong();
    ASSERT_GT(livres, 0);
    EXPECT_NEAR(static_cast<double>(TmRot::HDLivreMb()), livres / 1e6, 200);
}

TEST(Maquina, SizesAsTexts) {
    const std::pair<std::int64_t, const char*> casos[] = {
        {0, "0 Kb"},
        {1'000'000, "976 Kb"},
        {1'000'001, "1 Mb"},
        {1'000'000'000, "954 Mb"},
        {1'000'000'001, "1 Gb"},
        {std::int64_t{16} * 1024 * 1024 * 1024, "16 Gb"},
    };
    for (const auto& [bytes, texto] : casos)
        EXPECT_EQ(TmRot::TamanhoTexto(bytes), QString::fromLatin1(texto)) << bytes;
    EXPECT_TRUE(TmRot::GetSystemMem().endsWith(QStringLiteral(" Gb")) ||
                TmRot::GetSystemMem().endsWith(QStringLiteral(" Mb")));
}

TEST(Maquina, ProcessorBrandAgreesWithCpuinfo) {
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    ASSERT_TRUE(cpuinfo.open(QIODevice::ReadOnly));
    QString modelo;
    for (const QByteArray& linha : cpuinfo.readAll().split('\n'))
        if (linha.startsWith("model name")) {
            modelo = QString::fromLatin1(linha.mid(linha.indexOf(':') + 1)).simplified();
            break;
        }
    if (!modelo.isEmpty()) {
        EXPECT_EQ(TmRot::GetProcessadorStr().simplified(), modelo);
    }
    EXPECT_GT(TmRot::GetProcessadorCount(), 0);
}

TEST(Maquina, UserSessionAndEnvironment) {
    QProcess id;
    id.start(QStringLiteral("id"), {QStringLiteral("-un")});
    ASSERT_TRUE(id.waitForFinished());
    EXPECT_EQ(TmRot::GetWindowsUser(),
              QString::fromLocal8Bit(id.readAllStandardOutput().trimmed()));
    EXPECT_FALSE(TmRot::GetComputerName(true).contains(u'.'));
    EXPECT_TRUE(TmRot::GetComputerName(false).startsWith(TmRot::GetComputerName(true)));
    qputenv("ORVANE_TESTE_LONGO", QByteArray(300, 'x'));
    EXPECT_EQ(TmTS::GetVariavelAmbiente(QStringLiteral("ORVANE_TESTE_LONGO")).size(), 256);
    qputenv("SSH_CONNECTION", "192.0.2.1 5000 192.0.2.2 22");
    EXPECT_TRUE(TmTS::IsTerminalService());
    qunsetenv("SSH_CONNECTION");
    qputenv("XDG_SESSION_ID", "c7");
    EXPECT_EQ(TmTS::GetIdSecao(), 0);
    qputenv("XDG_SESSION_ID", "12");
    EXPECT_EQ(TmTS::GetIdSecao(), 12);
    EXPECT_FALSE(TmRot::Is64Bits());  // this build is a 64-bit program
}

}  // namespace

namespace {

TEST(VersaoWindows, NamesAndTheirVersionsInTheirOrder) {
    const std::pair<const char*, TVersaoWindows> nomes[] = {
        {"Windows 8.1", vw8},
        {"Windows Server 2012 R2", vwServer2012},
        {"Windows 2012 R2", vwNT},
        {"Windows Server 2003", vwNT},
        {"Windows Server 2008", vwServer2008},
        {"Windows XP 64", vwXP},
        {"Windows 7", vw7},
        {"Windows 10", vw10},
        {"Windows Vista", vwVista},
        {"Windows ?", vwNT}};
    for (const auto& [nome, versao] : nomes)
        EXPECT_EQ(TmRot::VersaoWindowsDoNome(QString::fromLatin1(nome)), versao) << nome;
    const std::pair<const char*, const char*> versoes[] = {
        {"5.1", "XP"}, {"6.1", "7"}, {"6.3", "8.1"}, {"10.0", "10"}, {"4.0", "?"}, {"", "?"}};
    for (const auto& [numero, nome] : versoes)
        EXPECT_EQ(TmRot::NomeVersaoWindows(QString::fromLatin1(numero)), QString::fromLatin1(nome));
}

// Drive C: without a Windows folder: no version to answer, and the running system apart.
TEST(VersaoWindows, WithoutAWindowsFolderTheAnswerIsUnknown) {
    QTemporaryDir raiz;
    qputenv("ORVANE_DRIVE_C", raiz.path().toLocal8Bit());
    EXPECT_EQ(TmRot::VersaoWindowsStr(), QStringLiteral("Windows ?"));
    EXPECT_EQ(TmRot::VersaoWindows(), vwNT);
    qunsetenv("ORVANE_DRIVE_C");
    EXPECT_FALSE(TmRot::SistemaOperacionalStr().isEmpty());
}

}  // namespace

namespace {

TEST(PortaOK, PrinterAndNetworkKindsAreFalseAndMissingPortsSayWhy) {
    QString msg;
    EXPECT_FALSE(TmFile::PortaOK(1, tiPRN, msg));
    EXPECT_FALSE(TmFile::PortaOK(1, tiREDE, msg));
    EXPECT_TRUE(msg.isEmpty());
    EXPECT_FALSE(TmFile::PortaOK(0, tiCOM, msg));
    EXPECT_FALSE(TmFile::PortaOK(250, tiCOM, msg));
    EXPECT_TRUE(msg.startsWith(QStringLiteral("/dev/ttyS249: "))) << msg.toStdString();
}

}  // namespace

namespace {

TEST(Fuso, NowAndTheOffsetFromUtc) {
    Relogio::Fixar(DataHora::FromQDateTime(QDateTime(QDate(2024, 3, 9), QTime(14, 5, 7))));
    EXPECT_EQ(TmRot::FusoHorarioComputador(),
              QStringLiteral("09/03/2024 14:05:07 - GMT (") + TmDt::GetTimeZone() + u')');
    Relogio::Liberar();
}

}  // namespace
