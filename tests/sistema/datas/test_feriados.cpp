// Easter and the national holidays: the figures of the table, and agreement with two independent
// implementations, python3-dateutil (Easter) and npm's date-holidays (the public holidays).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>

#include "sistema/datas/TmDtFeriados.h"

namespace {

TDateTime D(int ano, int mes, int dia) {
    return DataHora::FromQDate(QDate(ano, mes, dia));
}
QString Iso(TDateTime data) {
    return DataHora::ToQDate(data).toString(Qt::ISODate);
}

// Runs a program, feeding it entrada, and answers its output lines; an empty programa skips.
QStringList Rodar(const QString& programa, const QStringList& argumentos, const QString& pasta,
                  const QByteArray& entrada = {}) {
    QProcess processo;
    processo.setWorkingDirectory(pasta);
    processo.start(programa, argumentos);
    EXPECT_TRUE(processo.waitForStarted(30000)) << programa.toStdString();
    processo.write(entrada);
    processo.closeWriteChannel();
    EXPECT_TRUE(processo.waitForFinished(300000));
    EXPECT_EQ(processo.exitCode(), 0) << processo.readAllStandardError().toStdString();
    return QString::fromUtf8(processo.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// Every day of the years in [de, ate] that IsFeriado takes, as ISO dates.
QStringList FeriadosNossos(int de, int ate) {
    QStringList dias;
    for (TDateTime d = D(de, 1, 1); d < D(ate + 1, 1, 1); d += 1)
        if (TmDt::IsFeriado(d))
            dias += Iso(d) + u' ' + TmDt::GetFeriadoStr(d);
    return dias;
}

}  // namespace

TEST(Pascoa, DatasConhecidas) {
    const struct {
        int ano;
        TDateTime pascoa;
    } casos[] = {{2024, D(2024, 3, 31)}, {2025, D(2025, 4, 20)}, {2026, D(2026, 4, 5)},
                 {1583, D(1583, 4, 10)}, {2285, D(2285, 3, 22)}, {2038, D(2038, 4, 25)}};
    for (const auto& c : casos)
        EXPECT_EQ(Iso(TmDt::GetPascoa(c.ano)), Iso(c.pascoa)) << c.ano;
    for (const int fora : {0, -5, 10000, std::numeric_limits<int>::max()})
        EXPECT_EQ(TmDt::GetPascoa(fora), 0) << fora;
    // Every year of the range gives a Sunday in March or April.
    for (int ano = 1; ano <= 9999; ++ano) {
        const QDate pascoa = DataHora::ToQDate(TmDt::GetPascoa(ano));
        ASSERT_TRUE(pascoa.dayOfWeek() == Qt::Sunday &&
                    (pascoa.month() == 3 || pascoa.month() == 4))
            << ano;
    }
}

TEST(Feriados, NomesEHoras) {
    const struct {
        TDateTime data;
        const char16_t* nome;
    } casos[] = {
        {D(2026, 1, 1), u"Confraternização Universal"},
        {D(2026, 4, 21) + 0.625, u"Tiradentes"},  // fixed holidays whatever the hour
        {D(2026, 2, 17), u"Carnaval"},
        {D(2026, 4, 3), u"Sexta-feira da Paixão"},
        {D(2026, 4, 3) + 0.625, u""},  // movable ones only at 00:00
        {D(2026, 4, 5), u"Páscoa"},
        {D(2026, 6, 4), u"Corpus Christi"},
        {D(2026, 11, 2), u"Finados"},
        {D(2023, 11, 20), u""},  // before the law of December 2023
        {D(2024, 11, 20), u"Dia Nacional de Zumbi e da Consciência Negra"},
        {D(2030, 11, 20) + 0.5, u"Dia Nacional de Zumbi e da Consciência Negra"},
        {D(2026, 12, 24), u""},
        {DataHora::Combinar(D(1850, 12, 25), 0.25),
         u"Natal"},  // before 1899 the fraction still counts forward
        {std::nan(""), u""},
        {1e300, u""},
    };
    for (const auto& c : casos) {
        const QString nome = QString::fromUtf16(c.nome);
        EXPECT_EQ(TmDt::GetFeriadoStr(c.data).toStdString(), nome.toStdString())
            << Iso(c.data).toStdString();
        EXPECT_EQ(TmDt::IsFeriado(c.data), !nome.isEmpty()) << Iso(c.data).toStdString();
    }
}

// python3-dateutil's western Easter, for every year it computes.
TEST(Pascoa, ConcordaComDateutil) {
    QString python;
    for (const QString& candidato :
         {QStringLiteral("/usr/bin/python3"), QStandardPaths::findExecutable("python3")}) {
        if (!candidato.isEmpty() &&
            QProcess::execute(candidato, {"-c", "import dateutil.easter"}) == 0) {
            python = candidato;
            break;
        }
    }
    if (python.isEmpty())
        GTEST_SKIP() << "python3 with dateutil is missing (Debian: python3-dateutil)";
    const QStringList deles =
        Rodar(python,
              {"-c",
               "from dateutil.easter import easter\n"
               "for ano in range(1583, 4100): print(easter(ano).isoformat())"},
              QDir::tempPath());
    ASSERT_EQ(deles.size(), 4099 - 1583 + 1);
    for (int ano = 1583; ano <= 4099; ++ano)
        ASSERT_EQ(Iso(TmDt::GetPascoa(ano)), deles[ano - 1583]) << ano;
}

// npm's date-holidays, installed into the build tree on the first run. It lists Easter as an
// observance and adds the Sundays of general elections as public days; the table has Easter and
// no elections. Carnaval and Corpus Christi are optional points there, holidays here.
TEST(Feriados, ConcordamComDateHolidays) {
    const QString npm = QStandardPaths::findExecutable("npm");
    const QString node = QStandardPaths::findExecutable("node");
    if (npm.isEmpty() || node.isEmpty())
        GTEST_SKIP() << "npm or node is missing (Debian: nodejs, npm; scripts/install-deps.sh)";
    const QString pasta = QStringLiteral(ORVANE_PASTA_NPM);
    QDir().mkpath(pasta);
    if (!QFile::exists(pasta + "/node_modules/date-holidays/package.json"))
        Rodar(npm, {"install", "--prefix", pasta, "--no-audit", "--no-fund", "date-holidays"},
              pasta);
    QStringList deles = Rodar(node, {"-e", R"(
        const Holidays = require('date-holidays');
        const br = new Holidays('BR');
        for (let ano = 2023; ano <= 2030; ++ano)
          for (const f of br.getHolidays(ano))
            if ((f.type === 'public' && !/Eleição/.test(f.name)) || f.name === 'Páscoa')
              console.log(f.date.slice(0, 10));
    )"},
                              pasta);
    ASSERT_FALSE(deles.isEmpty());
    deles.removeDuplicates();  // Easter 2030 falls on Tiradentes
    QStringList nossos;
    for (const QString& linha : FeriadosNossos(2023, 2030))
        if (!linha.endsWith(u"Carnaval") && !linha.endsWith(u"Corpus Christi"))
            nossos += linha.left(10);
    EXPECT_EQ(nossos.join(u' ').toStdString(), deles.join(u' ').toStdString());
}
