// The wait window's flag files and time texts, on real files under a temporary drive C:.
#include <gtest/gtest.h>

#include <limits>

#include "registro/aguarde/FlagsAguarde.h"
#include "support/RaizTemporaria.h"

namespace {

const char* const kModo = "corvel/Config/VESTRA/Flags/AguardeShow.txt";

TEST(FlagsAguarde, ModeFileGivesTwoForAnythingButAnIntegerFromZero) {
    const struct {
        const char* conteudo;  // nullptr: no file
        int modo;
    } casos[] = {{nullptr, 2},
                 {"", 2},
                 {"abc", 2},
                 {"-3", 2},
                 {"0", 0},
                 {"1\r\n9", 1},
                 {" 1 \n", 1},
                 {"2", 2},
                 {"7", 7},
                 {"1abc", 2},
                 {"\n1", 2},
                 {"\xEF\xBB\xBF"
                  "1\r\n",
                  1},
                 {"0\r2", 0},
                 {"99999999999999999999", 2}};
    for (const auto& caso : casos) {
        RaizTemporaria raiz;
        if (caso.conteudo)
            raiz.Criar(QString::fromLatin1(kModo), caso.conteudo);
        EXPECT_EQ(FlagsAguarde::LerModoAguarde(), caso.modo)
            << (caso.conteudo ? caso.conteudo : "(no file)");
    }
}

TEST(FlagsAguarde, ModeFileFoundWhateverTheCaseOfItsFolders) {
    RaizTemporaria raiz;
    raiz.Criar(QStringLiteral("CORVEL/config/Vestra/FLAGS/aguardeshow.TXT"), "1");
    EXPECT_EQ(FlagsAguarde::LerModoAguarde(), 1);
}

TEST(FlagsAguarde, ElapsedTimeFlagCountsByPresenceAlone) {
    RaizTemporaria raiz;
    EXPECT_FALSE(FlagsAguarde::ReportarTempo());
    raiz.Criar(QStringLiteral("Corvel/Config/QEV/Flags/TEMPO.txt"));
    EXPECT_TRUE(FlagsAguarde::ReportarTempo());
}

TEST(FlagsAguarde, ReportShowsMinutesSecondsAndMillisecondsWithoutHours) {
    const struct {
        qint64 ms;
        const char* texto;
    } casos[] = {{83'500, "01:23,500"},
                 {0, "00:00,000"},
                 {3'600'000 + 61'001, "01:01,001"},
                 {-5, "00:00,000"}};
    for (const auto& caso : casos)
        EXPECT_EQ(FlagsAguarde::TextoConcluido(caso.ms),
                  QStringLiteral("Concluído! Tempo (MM:SS): ") + QLatin1String(caso.texto));
}

TEST(FlagsAguarde, TimeLineEstimatesTheRestWithoutOverflowAndNeverBelowZero) {
    constexpr int kMax = std::numeric_limits<int>::max();
    const struct {
        int p, x;
        qint64 e;
        const char* texto;
    } casos[] = {
        {25, 100, 10'000, "25/100 - Decorrido 00:00:10 - Restante 00:00:30"},
        // A position of 0 counts as 1.
        {0, 10, 2'000, "0/10 - Decorrido 00:00:02 - Restante 00:00:20"},
        // Past the maximum: nothing remains (the 32-bit estimate went negative).
        {150, 100, 60'000, "150/100 - Decorrido 00:01:00 - Restante 00:00:00"},
        // (X - P) x E far above 2^32: hours are not wrapped at a day.
        {1, kMax, 4'000'000'000,
         "1/2147483647 - Decorrido 1111:06:40 - Restante "
         "2386092940000:00:00"},
        // An elapsed time no tick count gives: the estimate saturates instead of wrapping.
        {1, 3, std::numeric_limits<qint64>::max(),
         "1/3 - Decorrido 2562047788015:12:55 - Restante 2562047788015:12:55"},
        {100, 100, -1, "100/100 - Decorrido 00:00:00 - Restante 00:00:00"},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(FlagsAguarde::TextoTempo(caso.p, caso.x, caso.e), QLatin1String(caso.texto));
}

}  // namespace
