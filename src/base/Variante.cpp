#include "base/Variante.h"

#include <QMetaType>
#include <cmath>
#include <limits>

#include "base/EConvertError.h"
#include "base/RtlDatas.h"
#include "base/RtlNumeros.h"

namespace {

// The platform's names of the kinds, as its conversion errors write them.
const char* NomeTipo(Variante::Tipo tipo) {
    static constexpr const char* kNomes[] = {"Null",    "String",   "Int64", "Double",
                                             "Boolean", "Currency", "Date"};
    return kNomes[static_cast<int>(tipo)];
}

template <typename... F>
struct Visitante : F... {
    using F::operator()...;
};
// clang 14 does not deduce an aggregate's template arguments by itself.
template <typename... F>
Visitante(F...) -> Visitante<F...>;

}  // namespace

Variante Variante::DeDataHora(TDateTime valor) {
    Variante v;
    v.valor_ = ValorDataHora{valor};
    return v;
}

Variante Variante::DeQVariant(const QVariant& valor) {
    if (valor.isNull())
        return {};
    switch (valor.metaType().id()) {
        case QMetaType::Bool:
            return valor.toBool();
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
            return valor.toLongLong();
        case QMetaType::ULong:
        case QMetaType::ULongLong:
        case QMetaType::Float:
        case QMetaType::Double:
            return valor.toDouble();
        case QMetaType::QDate:
            return DeDataHora(DataHora::FromQDate(valor.toDate()));
        case QMetaType::QTime:
            return DeDataHora(DataHora::FromQTime(valor.toTime()));
        case QMetaType::QDateTime:
            return DeDataHora(DataHora::FromQDateTime(valor.toDateTime()));
        default:
            return valor.toString();
    }
}

void Variante::FalharConversao(const char* destino) const {
    throw EConvertError(QStringLiteral("Could not convert variant of type (%1) into type (%2)")
                            .arg(QLatin1String(NomeTipo(TipoValor())), QLatin1String(destino)));
}

QString Variante::ToString() const {
    return std::visit(
        Visitante{
            [](std::monostate) { return QString(); },
            [](const QString& t) { return t; },
            [](std::int64_t i) { return QString::number(i); },
            [](double r) { return Rtl::FloatToStr(r); },
            [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); },
            [](Currency m) { return Rtl::CurrToStr(m); },
            [](ValorDataHora d) { return Rtl::DateTimeToStr(d.dias); },
        },
        valor_);
}

std::optional<double> Variante::Numero() const {
    return std::visit(Visitante{
                          [](std::monostate) -> std::optional<double> { return std::nullopt; },
                          [](const QString& t) { return Rtl::TryStrToFloat(t); },
                          [](std::int64_t i) -> std::optional<double> { return i; },
                          [](double r) -> std::optional<double> { return r; },
                          [](bool b) -> std::optional<double> { return b ? -1.0 : 0.0; },
                          [](Currency m) -> std::optional<double> { return m.ToDouble(); },
                          [](ValorDataHora d) -> std::optional<double> { return d.dias; },
                      },
                      valor_);
}

double Variante::NumeroOuFalha(const char* destino) const {
    const auto numero = Numero();
    if (!numero)
        FalharConversao(destino);
    return *numero;
}

double Variante::ToDouble() const {
    return NumeroOuFalha("Double");
}

int Variante::ToInt() const {
    if (const auto* i = std::get_if<std::int64_t>(&valor_)) {
        if (*i < std::numeric_limits<int>::min() || *i > std::numeric_limits<int>::max())
            FalharConversao("Integer");
        return static_cast<int>(*i);
    }
    if (const auto* t = std::get_if<QString>(&valor_)) {
        if (const auto inteiro = Rtl::TryStrToInt(*t))
            return *inteiro;
    }
    // Reals, currency, date-times and texts of reals: to the nearest, ties to even (the
    // default rounding mode, which the library never changes).
    const double arredondado = std::nearbyint(NumeroOuFalha("Integer"));
    if (!(arredondado >= std::numeric_limits<int>::min() &&
          arredondado <= std::numeric_limits<int>::max()))
        FalharConversao("Integer");
    return static_cast<int>(arredondado);
}

bool Variante::ToBool() const {
    if (const auto* b = std::get_if<bool>(&valor_))
        return *b;
    if (const auto* t = std::get_if<QString>(&valor_)) {
        const QString aparado = t->trimmed();
        if (aparado.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (aparado.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return NumeroOuFalha("Boolean") != 0;
}

TDateTime Variante::ToDateTime() const {
    if (const auto* t = std::get_if<QString>(&valor_)) {
        const auto lido = Rtl::TryStrToDateTime(*t);
        if (!lido)
            FalharConversao("Date");
        return *lido;
    }
    return NumeroOuFalha("Date");
}

bool Variante::operator==(const Variante& outro) const {
    if (IsNull() || outro.IsNull())
        return IsNull() && outro.IsNull();
    const auto* texto = std::get_if<QString>(&valor_);
    const auto* outroTexto = std::get_if<QString>(&outro.valor_);
    if (texto && outroTexto)
        return *texto == *outroTexto;
    const auto* inteiro = std::get_if<std::int64_t>(&valor_);
    const auto* outroInteiro = std::get_if<std::int64_t>(&outro.valor_);
    if (inteiro && outroInteiro)
        return *inteiro == *outroInteiro;  // exact beyond a double's 53 bits
    const auto* moeda = std::get_if<Currency>(&valor_);
    const auto* outraMoeda = std::get_if<Currency>(&outro.valor_);
    if (moeda && outraMoeda)
        return *moeda == *outraMoeda;
    const auto numero = Numero(), outroNumero = outro.Numero();
    return numero && outroNumero && *numero == *outroNumero;
}
