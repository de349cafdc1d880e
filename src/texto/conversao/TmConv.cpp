#include "texto/conversao/TmConv.h"

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
#include "texto/conversao/FormatoNumerico.h"

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
    // Exact decimal, with the rounding of every currency reader (Currency::FromDecimal).
    std::string digitos;
    int casas = 0;
    bool negativo = false;
    const bool legivel = LerPermissivo(Valor, negativo, [&](char d, bool depois) {
        digitos += d;
        casas += depois;
    });
    if (!legivel)
        return Currency();
    return Currency::FromDecimal(negativo, digitos, -casas).value_or(Currency());
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
