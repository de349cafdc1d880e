#include <gtest/gtest.h>

#include <QLocale>
#include <QTemporaryDir>

#include "base/CaminhoWindows.h"
#include "base/CodePage.h"
#include "base/Currency.h"
#include "base/TDateTime.h"
#include "base/mConst.h"
#include "support/RaizTemporaria.h"

namespace {

TEST(Regionais, LocaleCGivesBrazilianSettingsAndDayNamesHaveNoPoint) {
    const TFormatSettings c = TFormatSettings::DoLocale(QLocale::c());
    EXPECT_EQ(c.DecimalSeparator, QLatin1Char(','));
    EXPECT_EQ(c.ShortDateFormat, QStringLiteral("dd/mm/yyyy"));
    const TFormatSettings br = TFormatSettings::DoLocale(QLocale(QStringLiteral("pt_BR")));
    const QStringList esperado = {"dom", "seg", "ter", "qua", "qui", "sex", "sáb"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(br.ShortDayNames[i], esperado[i]) << i;
    EXPECT_EQ(br.DecimalSeparator, QLatin1Char(','));
    const TFormatSettings us = TFormatSettings::DoLocale(QLocale(QStringLiteral("en_US")));
    EXPECT_EQ(us.DecimalSeparator, QLatin1Char('.'));
    EXPECT_EQ(us.ShortDateFormat, QStringLiteral("mm/dd/yyyy"));
}

TEST(CodePageAnsi, RoundTripsWindows1252AndMarksWhatItLacks) {
    const QByteArray bytes("\x80\xE7\xE3o \x9F", 6);
    const QString texto = CodePage::DeAnsi(bytes);
    EXPECT_EQ(texto, QStringLiteral("€ção Ÿ"));
    EXPECT_EQ(CodePage::ParaAnsi(texto), bytes);
    EXPECT_EQ(CodePage::ParaAnsi(QStringLiteral("a\uFFFDb")), QByteArray("a?b"));
}

TEST(DataHoraTipo, ConvertsBothWaysIncludingBeforeTheEpoch) {
    EXPECT_EQ(DataHora::FromQDate(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(DataHora::FromQDateTime(QDateTime(QDate(2026, 12, 10), QTime(6, 0))), 46366.25);
    EXPECT_EQ(DataHora::ToQDateTime(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_EQ(DataHora::FromQDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
    EXPECT_EQ(DataHora::DayOfWeek(46366), 5);  // a Thursday
    EXPECT_EQ(DataHora::ToQTime(0.99999999999), QTime(0, 0));
}

TEST(Caminhos, MapsDriveCAndMatchesExistingComponentsIgnoringCase) {
    RaizTemporaria raiz;
    raiz.Criar(QStringLiteral("Frente/Config/Orvane.crv"));
    EXPECT_EQ(CaminhoWindows::Mapear(QStringLiteral("c:\\frente\\config\\orvane.CRV")),
              raiz.Caminho() + QStringLiteral("/Frente/Config/Orvane.crv"));
    EXPECT_EQ(CaminhoWindows::Mapear(QStringLiteral("C:\\frente\\skin\\Orvane_seg")),
              raiz.Caminho() + QStringLiteral("/Frente/skin/Orvane_seg"));
    EXPECT_EQ(CaminhoWindows::Mapear(QStringLiteral("dados\\a.txt")),
              QStringLiteral("dados/a.txt"));
    EXPECT_EQ(CaminhoWindows::Mapear(QStringLiteral("1:\\a.txt")), QStringLiteral("1:/a.txt"));
}

// Another drive letter stands for its folder among the network drives, where mapping the drive
// puts a link into the share.
TEST(Caminhos, MapsOtherDrivesToTheirNetworkDriveFolder) {
    QTemporaryDir dados;
    qputenv("XDG_DATA_HOME", dados.path().toLocal8Bit());
    QDir(dados.path()).mkpath(QStringLiteral("orvane/unidades/Z/Dados"));
    EXPECT_EQ(CaminhoWindows::Mapear(QStringLiteral("z:\\dados\\Nota.xml")),
              dados.path() + QStringLiteral("/orvane/unidades/Z/Dados/Nota.xml"));
    EXPECT_EQ(CaminhoWindows::RaizDrive(u'y'), dados.path() + QStringLiteral("/orvane/unidades/Y"));
    EXPECT_EQ(CaminhoWindows::RaizDrive(u'c'), CaminhoWindows::RaizDriveC());
    EXPECT_EQ(CaminhoWindows::RaizDrive(u'\u00e7'), QString());
    qunsetenv("XDG_DATA_HOME");
}

TEST(CodePageArquivo, ReadsUtf8WhenMarkedOrValidElseWindows1252) {
    const QString acentos = QStringLiteral("Ação São João");
    EXPECT_EQ(CodePage::DeArquivo(acentos.toUtf8()), acentos);
    EXPECT_EQ(CodePage::DeArquivo("\xEF\xBB\xBF" + acentos.toUtf8()), acentos);
    EXPECT_EQ(CodePage::DeArquivo(CodePage::ParaAnsi(acentos)), acentos);
    // One invalid sequence anywhere makes the whole text Windows-1252.
    const QByteArray misto = acentos.toUtf8() + "\xE7";
    EXPECT_EQ(CodePage::DeArquivo(misto), CodePage::DeAnsi(misto));
    EXPECT_EQ(CodePage::DeArquivo(""), QString());
}

}  // namespace
