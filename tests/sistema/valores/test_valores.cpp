// Choosers, Null substitutes, mappers, membership and list helpers of TmRot.
#include <gtest/gtest.h>

#include <QObject>
#include <memory>
#include <type_traits>

#include "base/EConvertError.h"
#include "dialogos/mensagens/mMensagem.h"
#include "sistema/valores/TmRotValores.h"

namespace {

// A literal reaches the text overloads, a character literal the character one.
static_assert(std::is_same_v<decltype(TmRot::IfThen(true, "a", "b")), QString>);
static_assert(std::is_same_v<decltype(TmRot::IfThen(true, 'a', 'b')), QChar>);
static_assert(std::is_same_v<decltype(TmRot::IfThen(true, u'a', u'b')), QChar>);
static_assert(std::is_same_v<decltype(TmRot::IfNull(Variante(), "x")), QString>);

TEST(IfThen, LiteralsReachTheTextOverload) {
    EXPECT_EQ(TmRot::IfThen(true, "Porta", "22334"), QStringLiteral("Porta"));
    EXPECT_EQ(TmRot::IfThen(false, "Porta", "22334"), QStringLiteral("22334"));
    EXPECT_EQ(TmRot::IfThen(false, QStringLiteral("a"), "ção"), QStringLiteral("ção"));
    EXPECT_EQ(TmRot::IfNull(Variante(), "padrão"), QStringLiteral("padrão"));
    EXPECT_EQ(TmRot::IfNull(Variante(""), "padrão"), QString());
    EXPECT_EQ(TmRot::IfThen(true, 'x', 'y'), QChar(u'x'));
}

TEST(IfThen, EveryOverloadChoosesByCondition) {
    QObject a, b;
    for (const bool c : {true, false}) {
        EXPECT_EQ(TmRot::IfThen(c, 1, 2), c ? 1 : 2);
        EXPECT_EQ(TmRot::IfThen(c, &a, &b), c ? &a : &b);
        EXPECT_EQ(TmRot::IfThen(c, false, true), !c);
        EXPECT_EQ(TmRot::IfThen(c, Variante(), Variante(5)).IsNull(), c);
        EXPECT_EQ(TmRot::IfThenFloat(c, 1.5, 2.5), c ? 1.5 : 2.5);
        EXPECT_EQ(TmRot::IfFloat(c, 1.5, 2.5), c ? 1.5 : 2.5);
        EXPECT_EQ(TmRot::IfThenDate(c, 45000.0, 0.0), c ? 45000.0 : 0.0);
    }
}

TEST(Substitutos, IfVazioTrimsOnlyToDecide) {
    struct Caso {
        const char* entrada;
        const char* esperado;
    };
    for (const Caso& c : {Caso{"", "R"},
                          {"   ", "R"},
                          {"\t\r\n ", "R"},
                          {" x ", " x "},
                          {"x", "x"},
                          {"\u00a0", "\u00a0"}})
        EXPECT_EQ(TmRot::IfVazio(QString::fromUtf8(c.entrada), "R"), QString::fromUtf8(c.esperado))
            << c.entrada;
}

TEST(Substitutos, IfNullConvertsOnlyValues) {
    const Variante nulo, texto("2,5"), inteiro(7);
    EXPECT_EQ(TmRot::IfNull(nulo, 9.5), 9.5);
    EXPECT_EQ(TmRot::IfNull(texto, 9.5), 2.5);
    EXPECT_EQ(TmRot::IfNull(inteiro, QStringLiteral("n")), "7");
    EXPECT_EQ(TmRot::IfNull(nulo, true), true);
    EXPECT_EQ(TmRot::IfNull(Variante("0"), true), false);
    EXPECT_EQ(TmRot::IfNull(nulo, Variante(3)) == Variante(3), true);
    EXPECT_EQ(TmRot::IfNull(texto, Variante(3)) == texto, true);
    EXPECT_EQ(TmRot::IfIntNull(nulo, -1), -1);
    EXPECT_EQ(TmRot::IfIntNull(texto, -1), 2);
    EXPECT_EQ(TmRot::IfDateNull(nulo, 1.0), 1.0);
    EXPECT_EQ(TmRot::IfDateNull(Variante::DeDataHora(45000.5), 1.0), 45000.5);
    EXPECT_THROW(TmRot::IfNull(Variante("x"), 0.0), EConvertError);
}

TEST(Substitutos, NullIfAndNullableValues) {
    EXPECT_TRUE(TmRot::NullIf(Variante(0), Variante(0)).IsNull());
    EXPECT_TRUE(TmRot::NullIf(Variante(""), Variante("")).IsNull());
    EXPECT_EQ(TmRot::NullIf(Variante(1), Variante(0)).ToInt(), 1);
    EXPECT_FALSE(TmRot::NullIf(Variante(""), Variante()).IsNull());

    EXPECT_TRUE(TmRot::GetVariantValueString("", true).IsNull());
    EXPECT_FALSE(TmRot::GetVariantValueString("", false).IsNull());
    EXPECT_TRUE(TmRot::GetVariantValueInt(0, true).IsNull());
    EXPECT_EQ(TmRot::GetVariantValueInt(0, false).ToInt(), 0);
    EXPECT_TRUE(TmRot::GetVariantValueDouble(0.0, true).IsNull());
    EXPECT_EQ(TmRot::GetVariantValueDouble(-0.5, true).ToDouble(), -0.5);
}

TEST(Substitutos, VarToFloatReadsTheTextOrGivesZero) {
    struct Caso {
        Variante v;
        double esperado;
    };
    for (const Caso& c : {Caso{Variante("1,25"), 1.25},
                          {Variante(" -3 "), -3},
                          {Variante(2.5), 2.5},
                          {Variante("1.25"), 0},
                          {Variante("abc"), 0},
                          {Variante(), 0},
                          {Variante(true), 0}})
        EXPECT_EQ(TmRot::VarToFloat(c.v), c.esperado) << c.v.ToString().toStdString();
}

// Records the warnings the facade asks for and answers none.
class TAvisos : public TDialogosBackEnd {
public:
    QStringList mensagens;
    bool Executar(const TParametrosDialogo& d) override {
        mensagens << d.Mensagem;
        return false;
    }
    void SetTaskbarEstado(int) override {}
    void TocarSom(TMsgDlgType) override {}
    void Focar(QObject*) override {}
};

class Mapeadores : public ::testing::Test {
protected:
    void SetUp() override { TmDlg::InstalarBackEnd(avisos); }
    void TearDown() override { TmDlg::InstalarBackEnd(nullptr); }
    std::shared_ptr<TAvisos> avisos = std::make_shared<TAvisos>();
};

TEST_F(Mapeadores, FirstEqualKeyGivesItsResult) {
    const TcrvArrayString letras{"A", "B", "C", "B"}, numeros{"1", "2", "3", "4"};
    EXPECT_EQ(TmRot::CaseDo("B", letras, numeros, "d"), "2");
    EXPECT_EQ(TmRot::CaseDo("b", letras, numeros, "d"), "d");
    EXPECT_EQ(TmRot::CaseDo("", {}, {}, "d"), "d");
    EXPECT_EQ(TmRot::CaseDoInt(30, {10, 20, 30}, {"a", "b", "c"}, "d"), "c");
    EXPECT_EQ(TmRot::CaseDoInt(40, {10, 20, 30}, {"a", "b", "c"}, "d"), "d");
    EXPECT_EQ(TmRot::CaseDoInteger(20, {10, 20, 30}, {1, 2, 3}, -1), 2);
    EXPECT_EQ(TmRot::CaseDoInteger(5, {10, 20, 30}, {1, 2, 3}, -1), -1);
    EXPECT_TRUE(avisos->mensagens.isEmpty());
}

TEST_F(Mapeadores, ListsOfDifferentLengthsWarnAndAbort) {
    EXPECT_THROW(TmRot::CaseDo("A", {"A", "B"}, {"1"}, "d"), EAbortSilencioso);
    EXPECT_THROW(TmRot::CaseDoInt(1, {1}, {"a", "b"}, "d"), EAbortSilencioso);
    EXPECT_EQ(avisos->mensagens, QStringList(2, "CaseDo: Quantidade de parâmetros incorretas"));
}

TEST_F(Mapeadores, CaseDoIntegerPastItsResultsGivesTheDefault) {
    EXPECT_EQ(TmRot::CaseDoInteger(30, {10, 20, 30}, {1, 2}, -1), -1);
    EXPECT_EQ(TmRot::CaseDoInteger(10, {10, 20, 30}, {}, -1), -1);
    EXPECT_EQ(TmRot::CaseDoInteger(20, {10, 20, 30}, {1, 2}, -1), 2);
}

TEST(Pertinencia, MembershipGreaterAndYesNo) {
    EXPECT_TRUE(TmRot::ContemStr("b", {"a", "b"}));
    EXPECT_FALSE(TmRot::ContemStr("B", {"a", "b"}));
    EXPECT_FALSE(TmRot::ContemStr("", {}));
    EXPECT_TRUE(TmRot::ContemInt(-1, {3, -1}));
    EXPECT_FALSE(TmRot::ContemInt(0, {3, -1}));
    EXPECT_EQ(TmRot::MaxInt(3, 3), 3);
    EXPECT_EQ(TmRot::MaxInt(-3, 2), 2);
    EXPECT_EQ(TmRot::Max(Currency::FromInt(-1), Currency::FromInt(-2)), Currency::FromInt(-1));
    EXPECT_EQ(TmRot::Max(Currency::FromRaw(1), Currency()), Currency::FromRaw(1));
    EXPECT_EQ(TmRot::BoolToStr(true), "Sim");
    EXPECT_EQ(TmRot::BoolToStr(false), "Não");
}

TEST(Listas, AddClearAndConvert) {
    TcrvArrayString textos;
    TmRot::AddArrayStr(textos, "a");
    TmRot::AddArrayStr(textos, "");
    EXPECT_EQ(textos, TcrvArrayString({"a", ""}));
    TmRot::ClearArrayStr(textos);
    EXPECT_TRUE(textos.isEmpty());
    TcrvArrayInteger inteiros;
    TmRot::AddArrayInt(inteiros, 4);
    EXPECT_EQ(inteiros, TcrvArrayInteger({4}));
    TmRot::ClearArrayInt(inteiros);
    EXPECT_TRUE(inteiros.isEmpty());

    const TcrvArrayVariant variantes{Variante("x"), Variante(), Variante(12), Variante("3")};
    EXPECT_EQ(TmRot::ArrayVarToStr(variantes), TcrvArrayString({"x", "", "12", "3"}));
    EXPECT_EQ(TmRot::ArrayVarToInt({Variante(), Variante(12), Variante("3"), Variante(2.5)}),
              TcrvArrayInteger({0, 12, 3, 2}));
    EXPECT_THROW(TmRot::ArrayVarToInt(variantes), EConvertError);  // "x" is no integer
}

TEST(Listas, ByteArrayToStringNumbersEachCharacterAsItsByte) {
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos.append(char(b));
    const QString texto = TmRot::ByteArrayToString(todos, 256);
    ASSERT_EQ(texto.size(), 256);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(texto[b].unicode(), b);
    EXPECT_EQ(TmRot::ByteArrayToString("abc", 2), "ab");
    EXPECT_EQ(TmRot::ByteArrayToString("abc", 10), "abc");  // stops at the end
    EXPECT_EQ(TmRot::ByteArrayToString("abc", 0), "");
    EXPECT_EQ(TmRot::ByteArrayToString("abc", -1), "");
    EXPECT_EQ(TmRot::ByteArrayToString(QByteArray(), 5), "");
}

}  // namespace
