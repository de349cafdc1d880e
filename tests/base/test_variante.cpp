// The variant's Null as a state of its own, its bridge from QVariant, its conversions and its
// equality, under Brazilian settings.
#include <gtest/gtest.h>

#include <QDate>
#include <QVariant>
#include <cmath>
#include <type_traits>

#include "base/EConvertError.h"
#include "base/TDateTime.h"
#include "base/Variante.h"

namespace {

using Tipo = Variante::Tipo;

// A pointer other than a literal must not become a Boolean.
static_assert(!std::is_constructible_v<Variante, const char16_t*>);
static_assert(!std::is_constructible_v<Variante, int*>);

TEST(Variante, NullIsApartFromEveryValue) {
    EXPECT_TRUE(Variante().IsNull());
    for (const Variante& v : {Variante(QString()), Variante(""), Variante(0), Variante(false),
                              Variante(0.0), Variante(Currency())})
        EXPECT_FALSE(v.IsNull()) << v.ToString().toStdString();
    EXPECT_EQ(Variante("x").TipoValor(), Tipo::Texto);  // a literal is a text, not true
    EXPECT_EQ(Variante(qint64{-5}).TipoValor(), Tipo::Inteiro);
    EXPECT_EQ(Variante(std::int64_t{5}).TipoValor(), Tipo::Inteiro);
}

TEST(Variante, FromQVariantNullOnlyWhereQtHasNoValue) {
    struct Caso {
        QVariant entrada;
        Tipo tipo;
        QString texto;
    };
    const QDate dia(2024, 2, 29);
    const Caso casos[] = {
        {QVariant(), Tipo::Null, ""},
        {QVariant(QMetaType::fromType<QString>()), Tipo::Null, ""},  // a database Null text
        {QVariant(QMetaType::fromType<int>()), Tipo::Null, ""},
        {QVariant(QString()), Tipo::Texto, ""},  // an empty text stays a value
        {QVariant(QStringLiteral("abc")), Tipo::Texto, "abc"},
        {QVariant(42), Tipo::Inteiro, "42"},
        {QVariant(qint64(1) << 40), Tipo::Inteiro, "1099511627776"},
        {QVariant(2.5), Tipo::Real, "2,5"},
        {QVariant(true), Tipo::Booleano, "True"},
        {QVariant(dia), Tipo::DataHora, "29/02/2024 00:00:00"},
    };
    for (const Caso& c : casos) {
        const Variante v = Variante::DeQVariant(c.entrada);
        EXPECT_EQ(v.TipoValor(), c.tipo) << c.entrada.typeName();
        EXPECT_EQ(v.ToString(), c.texto) << c.entrada.typeName();
    }
}

TEST(Variante, ConvertsByThePlatformRules) {
    struct Caso {
        Variante v;
        QString texto;
        double real;
        int inteiro;
        bool booleano;
    };
    const Caso casos[] = {
        {Variante(" 1,5 "), " 1,5 ", 1.5, 2, true},
        {Variante("2,5"), "2,5", 2.5, 2, true},  // ties to even
        {Variante("-7"), "-7", -7, -7, true},
        {Variante("0"), "0", 0, 0, false},
        {Variante(3), "3", 3, 3, true},
        {Variante(-3.5), "-3,5", -3.5, -4, true},
        {Variante(true), "True", -1, -1, true},
        {Variante(false), "False", 0, 0, false},
        {Variante(Currency::FromRaw(12345)), "1,2345", 1.2345, 1, true},
        {Variante(Currency::FromRaw(1)), "0,0001", 0.0001, 0, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto.toStdString());
        EXPECT_EQ(c.v.ToString(), c.texto);
        EXPECT_DOUBLE_EQ(c.v.ToDouble(), c.real);
        EXPECT_EQ(c.v.ToInt(), c.inteiro);
        EXPECT_EQ(c.v.ToBool(), c.booleano);
    }
    EXPECT_TRUE(Variante("tRuE").ToBool());
    EXPECT_FALSE(Variante("False").ToBool());
    EXPECT_DOUBLE_EQ(Variante("01/02/2024").ToDateTime(), DataHora::FromQDate(QDate(2024, 2, 1)));
    EXPECT_DOUBLE_EQ(Variante::DeDataHora(45000.25).ToDouble(), 45000.25);
}

TEST(Variante, ImpossibleConversionsRaiseAndNameBothKinds) {
    const auto mensagem = [](auto conversao) {
        try {
            conversao();
        } catch (const EConvertError& e) {
            return e.Mensagem();
        }
        return QStringLiteral("no error");
    };
    EXPECT_EQ(mensagem([] { Variante().ToDouble(); }),
              "Could not convert variant of type (Null) into type (Double)");
    EXPECT_EQ(mensagem([] { Variante("abc").ToInt(); }),
              "Could not convert variant of type (String) into type (Integer)");
    EXPECT_EQ(mensagem([] { Variante("").ToBool(); }),
              "Could not convert variant of type (String) into type (Boolean)");
    EXPECT_EQ(mensagem([] { Variante("32/01/2024").ToDateTime(); }),
              "Could not convert variant of type (String) into type (Date)");
    EXPECT_EQ(mensagem([] { Variante(std::int64_t{1} << 31).ToInt(); }),
              "Could not convert variant of type (Int64) into type (Integer)");
    EXPECT_EQ(mensagem([] { Variante(3e9).ToInt(); }),
              "Could not convert variant of type (Double) into type (Integer)");
    EXPECT_EQ(mensagem([] { Variante(std::nan("")).ToInt(); }),
              "Could not convert variant of type (Double) into type (Integer)");
    EXPECT_EQ(Variante().ToString(), "");
}

TEST(Variante, EqualityByKindAndNumber) {
    struct Caso {
        Variante a, b;
        bool igual;
    };
    const std::int64_t grande = (std::int64_t{1} << 60) + 1;  // beyond a double's precision
    const Caso casos[] = {
        {Variante(), Variante(), true},
        {Variante(), Variante(""), false},
        {Variante(), Variante(0), false},
        {Variante("a"), Variante("a"), true},
        {Variante("a"), Variante("A"), false},
        {Variante(1), Variante(1.0), true},
        {Variante(grande), Variante(grande - 1), false},
        {Variante(Currency::FromInt(2)), Variante(2), true},
        {Variante("1,5"), Variante(1.5), true},
        {Variante(1.5), Variante("1,50"), true},
        {Variante("abc"), Variante(0), false},
        {Variante(true), Variante(-1), true},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(c.a == c.b, c.igual)
            << c.a.ToString().toStdString() << " / " << c.b.ToString().toStdString();
}

}  // namespace
