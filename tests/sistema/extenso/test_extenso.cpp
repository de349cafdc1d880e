// Amounts in words and cheque lines.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>

#include "sistema/extenso/TmStrExtenso.h"

namespace {

QString EmReais(Currency valor) {
    return TmStr::Extenso(valor, QStringLiteral("Real"), QStringLiteral("Reais"),
                          QStringLiteral("Centavo"), QStringLiteral("Centavos"));
}

Currency Reais(qint64 inteiro, int centavos = 0) {
    return Currency::FromRaw(inteiro * 10000 + centavos * 100);
}

TEST(Extenso, WritesTheGrammarOfEveryGroup) {
    struct Caso {
        Currency valor;
        const char* esperado;
    };
    const Caso casos[] = {
        {Reais(0), "Zero"},
        {Reais(1), "Um Real"},
        {Reais(0, 1), "Um Centavo de Real"},
        {Reais(0, 50), "Cinqüenta Centavos de Real"},
        {Reais(1, 1), "Um Real e Um Centavo"},
        {Reais(2, 50), "Dois Reais e Cinqüenta Centavos"},
        {Reais(21, 21), "Vinte e Um Reais e Vinte e Um Centavos"},
        {Reais(14), "Quatorze Reais"},
        {Reais(100), "Cem Reais"},
        {Reais(110), "Cento e Dez Reais"},
        {Reais(1000), "Um Mil Reais"},
        {Reais(1100), "Um Mil e Cem Reais"},
        {Reais(1234, 56), "Um Mil, Duzentos e Trinta e Quatro Reais e Cinqüenta e Seis Centavos"},
        {Reais(2001), "Dois Mil e Um Reais"},
        {Reais(1000000), "Um Milhão de Reais"},
        {Reais(1000000, 50), "Um Milhão de Reais e Cinqüenta Centavos"},
        {Reais(1001000), "Um Milhão, Um Mil de Reais"},
        {Reais(2000000), "Dois Milhões de Reais"},
        {Reais(1000000005), "Um Bilhão e Cinco Reais"},
        {Reais(1002000000), "Um Bilhão, Dois Milhões de Reais"},
        {Reais(999999999999, 99),
         "Novecentos e Noventa e Nove Bilhões, Novecentos e Noventa e Nove Milhões, Novecentos e "
         "Noventa e Nove Mil, Novecentos e Noventa e Nove Reais e Noventa e Nove Centavos"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(EmReais(c.valor), QString::fromUtf8(c.esperado)) << c.valor.Raw();
}

TEST(Extenso, DecidesOnTheAmountRoundedToCentsAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(EmReais(Currency::FromRaw(10)), "Zero");       // 0,001
    EXPECT_EQ(EmReais(Currency::FromRaw(9950)), "Um Real");  // 0,995
    EXPECT_EQ(EmReais(Currency::FromRaw(19949)), "Um Real e Noventa e Nove Centavos");
    EXPECT_EQ(EmReais(Currency::FromRaw(-100)), "");              // below 0
    EXPECT_EQ(EmReais(Reais(1000000000000)), "");                 // a trillion
    EXPECT_EQ(EmReais(Currency::FromRaw(9999999999999950)), "");  // rounds to a trillion
    EXPECT_EQ(EmReais(Currency::FromRaw(INT64_MIN)), "");
    EXPECT_EQ(EmReais(Currency::FromRaw(INT64_MAX)), "");
}

TEST(QuebraExtenso, FitsTheWordsIntoTwoChequeLines) {
    struct Caso {
        double valor;
        int linha1, linha2;
        QString esperado;
    };
    const Caso casos[] = {
        {2.5, 40, 20,
         "DOIS REAIS E CINQUENTA CENTAVOS" + QString(9, u'*') + "^" + QString(20, u'*')},
        // Broken at the last blank of line 1; the rest keeps its leading blank.
        {2.5, 15, 20, "DOIS REAIS E***^ CINQUENTA CENTAVOS*^"},
        // The rest exactly as long as line 2 does not fit.
        {2.5, 15, 19, ""},
        {1234.56, 10, 10, ""},
        {2.5, 0, 20, ""},
        {2.5, 40, -1, ""},
        {-3, 40, 20, ""},
        {1e13, 40, 20, ""},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(TmStr::QuebraExtenso(c.valor, c.linha1, c.linha2), c.esperado)
            << c.valor << " " << c.linha1 << " " << c.linha2;
}

// Every group 1..999 against num2words, an independent Brazilian Portuguese speller, compared
// after folding case and «ü». The one known difference is 14: num2words writes «catorze», the
// library's table «Quatorze».
TEST(Extenso, AgreesWithNum2wordsOnEveryGroup) {
    // Debian's own interpreter, which carries Debian's Python modules.
    const QString python = QStringLiteral("/usr/bin/python3");
    if (!QFileInfo::exists(python))
        GTEST_SKIP() << "python3 is missing";
    QProcess processo;
    processo.start(python, {QStringLiteral("-c"), QStringLiteral(R"(
from num2words import num2words
for n in range(1, 1000):
    print(num2words(n, lang='pt_BR'))
)")});
    ASSERT_TRUE(processo.waitForFinished(60000));
    if (processo.exitCode() != 0)
        GTEST_SKIP() << "python3-num2words is missing: "
                     << processo.readAllStandardError().constData();
    const QStringList esperadas =
        QString::fromUtf8(processo.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(esperadas.size(), 999);
    int diferencas = 0;
    for (int n = 1; n <= 999; ++n) {
        QString nossa = TmStr::Extenso(Reais(n), QStringLiteral("R"), QStringLiteral("R"),
                                       QStringLiteral("C"), QStringLiteral("C"));
        nossa.chop(2);  // " R"
        nossa = nossa.toLower().replace(u'ü', u'u');
        QString deles = esperadas[n - 1].toLower().replace(u'ü', u'u');
        if (n % 100 == 14)
            deles.replace(QStringLiteral("catorze"), QStringLiteral("quatorze"));
        if (nossa != deles) {
            ++diferencas;
            ADD_FAILURE() << n << ": " << nossa.toStdString() << " / " << deles.toStdString();
        }
    }
    EXPECT_EQ(diferencas, 0);
}

}  // namespace
