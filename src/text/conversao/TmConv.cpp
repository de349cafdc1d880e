#include "text/conversao/TmConv.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "base/EConvertError.h"
#include "base/RtlDatas.h"
#include "base/RtlNumeros.h"
#include "base/internal/Texto.h"
#include "base/mConst.h"
#include "text/conversao/FormatoNumerico.h"

namespace {

using TextoInterno::Digito;

// The forgiving reading shared by Str2Float and Str2Curr. Calls aoDigito(digit, afterSeparator)
// for every kept digit in order and answers whether the kept text is readable, setting the sign.
// Kept are the digits and the snapshot's decimal separator; the kept text is then read with the
// live separator, so a kept separator that is not the live one makes it unreadable.
template <typename F>
bool LerPermissivo(QStringView texto, bool& negativo, F&& aoDigito) {
    const QChar separador = mConst::Regionais().DecimalSeparator;
    const bool separadorLegivel = separador == FormatSettings().DecimalSeparator;
    bool menos = false, abre = false, fecha = false, depoisDoSeparador = false;
    int digitos = 0;
    for (const QChar c : texto) {
        if (Digito(c)) {
            aoDigito(char(c.unicode()), depoisDoSeparador);
            ++digitos;
        } else if (c == separador) {
            if (depoisDoSeparador || !separadorLegivel)
                return false;
            depoisDoSeparador = true;
        } else {
            menos = menos || c == u'-';
            abre = abre || c == u'(';
            fecha = fecha || c == u')';
        }
    }
    negativo = menos || (abre && fecha);
    return digitos > 0;
}

double LerDouble(std::string& numero) {
    double valor = 0;
    const auto [fim, erro] = std::from_chars(numero.data(), numero.data() + numero.size(), valor);
    return erro == std::errc() && std::isfinite(valor) ? valor : 0;
}

}  // namespace

double TmConv::Str2Float(QStringView Valor) {
    std::string numero;
    numero.reserve(std::size_t(Valor.size()) + 2);
    bool ponto = false;
    bool negativo = false;
    const bool legivel = LerPermissivo(Valor, negativo, [&](char d, bool depois) {
        if (depois && !ponto) {
            numero += '.';
            ponto = true;
        }
        numero += d;
    });
    if (!legivel)
        return 0;
    const double valor = LerDouble(numero);
    return negativo ? -valor : valor;
}

Currency TmConv::Str2Curr(QStringView Valor) {
    // Exact decimal: the integer digits and the first four decimals accumulate into the count of
    // ten-thousandths; the fifth decimal and whether anything non-zero follows decide rounding.
    constexpr std::uint64_t kLimite = std::uint64_t(1) << 63;  // magnitude of the minimum
    std::uint64_t bruto = 0;
    int casas = 0;
    int arredondamento = 0;
    bool resto = false;
    bool estouro = false;
    bool negativo = false;
    auto acumular = [&](int d) {
        if (bruto > (kLimite - std::uint64_t(d)) / 10)
            estouro = true;
        else
            bruto = bruto * 10 + std::uint64_t(d);
    };
    const bool legivel = LerPermissivo(Valor, negativo, [&](char c, bool depois) {
        const int d = c - '0';
        if (!depois) {
            acumular(d);
        } else if (casas < 4) {
            acumular(d);
            ++casas;
        } else if (casas++ == 4) {
            arredondamento = d;
        } else {
            resto = resto || d != 0;
        }
    });
    if (!legivel)
        return Currency();
    for (; casas < 4; ++casas)
        acumular(0);
    if (arredondamento > 5 || (arredondamento == 5 && (resto || (bruto & 1))))
        ++bruto;  // at most 2^63 + 1: the range check below catches it
    const std::uint64_t maximo = negativo ? kLimite : kLimite - 1;
    if (estouro || bruto > maximo)
        return Currency();
    return Currency::FromRaw(negativo ? static_cast<std::int64_t>(0 - bruto)
                                      : static_cast<std::int64_t>(bruto));
}

int TmConv::ToInt(QStringView Texto, int DefaultParaErro) {
    return Rtl::TryStrToInt(Texto).value_or(DefaultParaErro);
}

std::int64_t TmConv::ToInt64(QStringView Texto, int DefaultParaErro) {
    return Rtl::TryStrToInt64(Texto).value_or(DefaultParaErro);
}

bool TmConv::ToBoolean(QStringView Texto) {
    return !Texto.isEmpty() && (Texto[0] == u'S' || Texto[0] == u's' || Texto[0] == u'1');
}

namespace {
QString Aspas(QString texto, bool comAspas) {
    return comAspas ? QLatin1Char('\'') + texto + QLatin1Char('\'') : texto;
}
}  // namespace

QString TmConv::FromBoolean(bool Valor, bool ComAspas) {
    return Aspas(Valor ? QStringLiteral("S") : QStringLiteral("N"), ComAspas);
}

QString TmConv::FromBooleanPontinho(bool Valor, bool ComAspas) {
    return Aspas(Valor ? QStringLiteral("S") : QStringLiteral("."), ComAspas);
}

double TmConv::StrAnsi2Float(QStringView Valor) {
    const TFormatSettings& r = mConst::Regionais();
    return Str2Float(Valor.toString().replace(r.ThousandSeparator, r.DecimalSeparator));
}

QString TmConv::Str2FloatAnsi(QStringView Valor) {
    return Rtl::FloatToStr(Str2Float(Valor))
        .replace(mConst::Regionais().DecimalSeparator, QLatin1Char('.'));
}

QString TmConv::FloatToAnsi(double Valor) {
    const TFormatSettings& r = mConst::Regionais();
    QString texto = Rtl::FloatToStr(Valor).remove(r.ThousandSeparator);
    if (r.DecimalSeparator != u'.')
        texto.replace(r.DecimalSeparator, QLatin1Char('.'));
    return texto;
}

QString TmConv::FloatToAnsiFormated(double Valor, QStringView Formato) {
    return FormatoNumerico::Formatar(Valor, Formato, FormatSettings())
        .replace(QLatin1Char(','), QLatin1Char('.'));
}

double TmConv::StrFormated2Float(QStringView asValor) {
    const QChar separador = mConst::Regionais().DecimalSeparator;
    QString resto;
    resto.reserve(asValor.size());
    for (const QChar c : asValor)
        if ((Digito(c) || c == separador) && c != u'.')
            resto += c;
    const auto valor = Rtl::TryStrToFloat(resto);
    if (!valor)
        throw EConvertError(
            QStringLiteral("'%1' não é um valor de ponto flutuante válido").arg(asValor));
    return *valor;
}

double TmConv::StrFormated2FloatDef(QStringView asValor, double adDefault) {
    if (asValor.isEmpty())
        return adDefault;
    try {
        return StrFormated2Float(asValor);
    } catch (const EConvertError&) {
        return adDefault;
    }
}

TDateTime TmConv::StrAnsiToDate(QStringView pData, TDateTime pDefaultParamErro, bool pComAspas) {
    QStringView resto = pData.mid(pComAspas ? 1 : 0);
    auto parte = [&resto]() -> std::optional<int> {
        const qsizetype barra = resto.indexOf(u'/');
        if (barra < 0)
            return std::nullopt;
        const QStringView texto = resto.left(barra);
        resto = resto.mid(barra + 1);
        return Rtl::TryStrToInt(texto);
    };
    const auto mes = parte();
    const auto dia = parte();
    const auto ano = Rtl::TryStrToInt(resto.left(4));
    if (!mes || !dia || !ano)
        return pDefaultParamErro;
    const QDate data(*ano, *mes, *dia);
    if (!data.isValid() || *ano < 1 || *ano > 9999)
        return pDefaultParamErro;
    QStringView hora = resto.mid(5);
    if (pComAspas && hora.endsWith(u'\''))
        hora.chop(1);
    return DataHora::Combinar(DataHora::FromQDate(data), Rtl::TryStrToTime(hora).value_or(0));
}
