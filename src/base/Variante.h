#pragma once
// Variante: the library's variant, a database field value or Null. Null is a state of its own,
// apart from every value: an empty text, 0 and false are values. (A Qt 6 QVariant holding an
// empty text is not null, and a typed QVariant without a value is; the bridge DeQVariant keeps
// that meaning, so the dataset fills Null from QSqlQuery's null fields and never from empty
// texts.) A default-made Variante is Null.
//
// Conversions follow the platform's variant rules: a text is read with the live regional
// settings; a Boolean is -1 (true) or 0 as a number and "True" or "False" as a text; a real
// becomes an integer by rounding to the nearest, ties to even. A conversion that cannot be done
// (Null to a number, an unreadable text, a value beyond the target's range) raises EConvertError
// «Could not convert variant of type (X) into type (Y)»; only the text of Null is defined (empty).

#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>
#include <variant>

#include "base/Currency.h"
#include "base/ExportacaoBase.h"
#include "base/TDateTime.h"

class ORVANE_BASE_EXPORT Variante {
public:
    enum class Tipo { Null, Texto, Inteiro, Real, Booleano, Moeda, DataHora };

    Variante() = default;
    Variante(const QString& valor) : valor_(valor) {}
    // A literal is a text: without this a string literal would become the Boolean true.
    Variante(const char* valor) : valor_(QString::fromUtf8(valor)) {}
    // Any other pointer would silently become a Boolean.
    template <typename T>
    Variante(T*) = delete;
    // Integers of every signed width (qint64 and std::int64_t are different types here).
    Variante(int valor) : valor_(std::int64_t{valor}) {}
    Variante(long valor) : valor_(std::int64_t{valor}) {}
    Variante(long long valor) : valor_(std::int64_t{valor}) {}
    Variante(double valor) : valor_(valor) {}
    Variante(bool valor) : valor_(valor) {}
    Variante(Currency valor) : valor_(valor) {}
    static Variante DeDataHora(TDateTime valor);
    // Null when the QVariant is null (invalid, or typed without a value); dates and times become
    // date-times, integers, reals and Booleans keep their kind, anything else becomes its text.
    static Variante DeQVariant(const QVariant& valor);

    Tipo TipoValor() const { return static_cast<Tipo>(valor_.index()); }
    bool IsNull() const { return TipoValor() == Tipo::Null; }

    // The text of the value; Null gives the empty text.
    QString ToString() const;
    double ToDouble() const;
    int ToInt() const;
    bool ToBool() const;
    TDateTime ToDateTime() const;

    // Null equals only Null; texts compare exactly; numbers (Booleans, currency and date-times
    // included) compare by value; a text equals a number when it reads as that number.
    bool operator==(const Variante& outro) const;

private:
    struct ValorDataHora {
        TDateTime dias;
    };
    using Valor =
        std::variant<std::monostate, QString, std::int64_t, double, bool, Currency, ValorDataHora>;
    // The value as a number; none for Null and for a text that does not read as one.
    std::optional<double> Numero() const;
    double NumeroOuFalha(const char* destino) const;
    [[noreturn]] void FalharConversao(const char* destino) const;

    Valor valor_;
};
