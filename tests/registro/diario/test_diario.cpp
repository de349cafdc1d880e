#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>

#include "registro/diario/Diario.h"
#include "support/CapturaErroPadrao.h"

using Diario::ENivel;

namespace {

struct NivelRestaurado {
    ~NivelRestaurado() { Diario::DefinirNivel(Diario::kNivelPadrao); }
};

}  // namespace

TEST(Diario, WritesStampedLinesAtOrAboveTheLevel) {
    NivelRestaurado restaurar;
    CapturaErroPadrao erro;
    Diario::DefinirNivel(ENivel::Info);
    Diario::Escrever(ENivel::Erro, u"porta ocupada");
    Diario::Escrever(ENivel::Info, u"conexão de 127.0.0.1");
    Diario::Escrever(ENivel::Depuracao, u"não sai");
    Diario::DefinirNivel(ENivel::Erro);
    Diario::Escrever(ENivel::Aviso, u"também não");
    EXPECT_FALSE(Diario::Registra(ENivel::Aviso));
    EXPECT_TRUE(Diario::Registra(ENivel::Erro));

    const QStringList linhas = QString::fromUtf8(erro.Texto()).split(u'\n');
    ASSERT_EQ(linhas.size(), 3) << erro.Texto().data();
    const QRegularExpression forma(
        QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} (\S+) (.*)$)"));
    const QStringList esperadas[] = {{"ERRO", "porta ocupada"}, {"INFO", "conexão de 127.0.0.1"}};
    for (int i = 0; i < 2; ++i) {
        const auto casamento = forma.match(linhas[i]);
        ASSERT_TRUE(casamento.hasMatch()) << linhas[i].toStdString();
        EXPECT_EQ(casamento.capturedTexts().mid(1), esperadas[i]);
    }
    EXPECT_EQ(linhas[2], QString());
}

TEST(Diario, OutsideTextCannotBreakOrForgeALine) {
    const QString linha = QString::fromUtf8(
        Diario::Linha(ENivel::Aviso, u"AÇÚCAR\n2026-01-01 00:00:00.000 ERRO falso\r\x1b[31m"));
    EXPECT_TRUE(linha.endsWith(
        QStringLiteral(" AVISO AÇÚCAR\\x0a2026-01-01 00:00:00.000 ERRO falso\\x0d\\x1b[31m\n")))
        << linha.toStdString();
    EXPECT_EQ(linha.count(u'\n'), 1);
}

TEST(Diario, LevelNames) {
    const std::pair<const char16_t*, std::optional<ENivel>> casos[] = {
        {u"erro", ENivel::Erro},           {u"AVISO", ENivel::Aviso}, {u" Info ", ENivel::Info},
        {u"depuracao", ENivel::Depuracao}, {u"", std::nullopt},       {u"debug", std::nullopt},
    };
    for (const auto& [nome, nivel] : casos)
        EXPECT_EQ(Diario::NivelPorNome(nome), nivel) << QStringView(nome).toString().toStdString();
}
