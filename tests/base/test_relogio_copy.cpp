// The test clock and Delphi's Copy.
#include <gtest/gtest.h>

#include "base/Relogio.h"
#include "base/internal/Texto.h"

namespace {

TEST(Relogio, AFixedClockMovesOnlyWhenTestsMoveIt) {
    Relogio::Fixar(45000.5);
    const quint32 ticks = Relogio::TickCount();
    EXPECT_EQ(Relogio::Agora(), 45000.5);
    Relogio::Avancar(6 * 3600 * 1000);
    Relogio::Avancar(-1000);  // never back
    EXPECT_DOUBLE_EQ(Relogio::Agora(), 45000.75);
    EXPECT_EQ(Relogio::TickCount() - ticks, 6u * 3600 * 1000);
    Relogio::Liberar();
    EXPECT_GT(Relogio::Agora(), 45000.75);  // 2023 and later
}

TEST(Copy, FollowsDelphiForEveryIndexAndCount) {
    struct Caso {
        qsizetype indice, quantidade;
        const char16_t* esperado;
    };
    for (const Caso& c : {Caso{1, 2, u"ab"},
                          {2, 10, u"bcd"},
                          {0, 2, u"ab"},
                          {-5, 1, u"a"},
                          {4, 1, u"d"},
                          {5, 1, u""},
                          {2, 0, u""},
                          {2, -1, u""}}) {
        EXPECT_EQ(TextoInterno::Copy(u"abcd", c.indice, c.quantidade),
                  QString::fromUtf16(c.esperado))
            << c.indice << "," << c.quantidade;
    }
}

}  // namespace
