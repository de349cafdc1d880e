#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <type_traits>

#include "texto/config/Documento.h"
#include "texto/config/TmConfig.h"
#include "texto/config/TmINI.h"

namespace {

TEST(TmINI, TheOlderNamesReachTheStaticAccess) {
    // The same functions under both names, the literal rule included.
    static_assert(std::is_same_v<decltype(mINI::Ler("Config", "Porta", "22334")), QString>);
    static_assert(std::is_same_v<decltype(TmINI::GravarConfig("Porta", "22334")), void>);

    QTemporaryDir dir;
    const QString arquivo = dir.filePath(QStringLiteral("cfg.ini"));
    TmConfig(Doc({"[A]", "n=12", "h=0x1F", "x=1 ", "", "[B]", "s=texto"})).SaveCopyTo(arquivo);

    // A trailing blank is not accepted; a missing key gives the default.
    const std::pair<const char*, int> esperados[] = {{"n", 12}, {"h", 31}, {"x", -1}, {"falta", -1}};
    for (const auto& [item, esperado] : esperados) {
        EXPECT_EQ(TmINI::LerInt("A", item, -1, arquivo), esperado) << item;
        EXPECT_EQ(TmINI::Ler("A", item, -1, arquivo), esperado) << item;
    }
    EXPECT_EQ(mINI::LerInt("A", "h", -1, arquivo), 31);
    EXPECT_EQ(mINI::Ler("B", "s", "padrao", arquivo), QStringLiteral("texto"));

    mINI::Limpa(QStringLiteral("A"), arquivo);
    EXPECT_EQ(TmConfig(arquivo, true).Lista(), Doc({"[B]", "s=texto"}));
}

}  // namespace
