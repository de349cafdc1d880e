// Capitalisation and abbreviation of names.
#include <gtest/gtest.h>

#include "sistema/nomes/TmStrNomes.h"

namespace {

TEST(Capitaliza, WritesNamesTheBrazilianWay) {
    const std::pair<const char*, const char*> casos[] = {
        {"JOSÉ DA SILVA", "José da Silva"},
        {"MARIA DOS SANTOS", "Maria dos Santos"},
        {"A CASA COM JARDIM E O POMAR EM FLOR", "a Casa com Jardim e o Pomar em Flor"},
        {"élio DE souza", "Élio de Souza"},
        // Blanks stay as they are.
        {"  ana  e   joão ", "  Ana  e   João "},
        // The character after the first point only.
        {"j.silva", "J.Silva"},
        {"d.a.silva", "D.A.silva"},
        {"ltda.", "Ltda."},
        // Full case rules: one character may become two.
        {"ßAMBA", "SSamba"},
        {"", ""},
    };
    for (const auto& [nome, esperado] : casos)
        EXPECT_EQ(TmStr::Capitaliza(QString::fromUtf8(nome)), QString::fromUtf8(esperado)) << nome;
}

TEST(AbreviarNome, ShortensByTheTableThenByInitialsThenCuts) {
    struct Caso {
        const char* nome;
        int maximo;
        const char* esperado;
    };
    const Caso casos[] = {
        {"João  da Silva ", 30, "JOÃO DA SILVA"},
        // Abbreviations from the first word on, only until the name fits.
        {"Comercio de Alimentos Limitada", 20, "COM.DE ALIM.LIMITADA"},
        {"Padaria &amp; Confeitaria São João", 20, "PAD.& CONF.SÃO JOÃO"},
        // Then initials from the second word on (two-word keys never match).
        {"Maria Aparecida dos Santos Oliveira", 20, "MARIA A.D.S.OLIVEIRA"},
        {"Nossa Senhora Aparecida", 10, "NOSSA S.A."},
        {"Sao Paulo", 5, "S.P."},
        // An abbreviation already there, with or without a comma, keeps its letters.
        {"Jose Ltda., Filhos Irmaos", 18, "JOSE LTDA., F.I."},
        // Cut when nothing else helps, counting ". " as ".".
        {"Bartolomeu Gusmão", 5, "BARTO"},
        {"Rua Bartolomeu Gusmão", 8, "R.B.G."},
        {"Rua Agropecuaria Industrial", 9, "R.AGROPEC"},
        {"Qualquer Nome", 0, ""},
        // A lone IND or COM between words always gets its point.
        {"Sao Paulo Ind Com", 50, "SAO PAULO IND.COM"},
        {"Silva Com Ltda", 50, "SILVA COM.LTDA"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(TmStr::AbreviarNome(QString::fromUtf8(c.nome), c.maximo),
                  QString::fromUtf8(c.esperado))
            << c.nome << " " << c.maximo;
}

}  // namespace
