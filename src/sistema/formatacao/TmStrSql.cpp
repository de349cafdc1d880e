#include "sistema/formatacao/TmStrSql.h"

#include <QStringList>

#include "base/EConvertError.h"
#include "base/FormatoDataHora.h"
#include "base/RtlNumeros.h"
#include "base/TDateTime.h"
#include "base/internal/Texto.h"
#include "texto/conversao/TmStrNumeros.h"

using TextoInterno::Aspas;

TParametroFmt::TParametroFmt(const TcrvArrayString& itens) : lista_(true) {
    for (const QString& item : itens)
        itens_.append(item);
}

TParametroFmt::TParametroFmt(const TcrvArrayInteger& itens) : lista_(true) {
    for (const int item : itens)
        itens_.append(item);
}

QString TmStr::Plural(bool Condicao) {
    return Condicao ? QStringLiteral("s") : QString();
}

QString TmStr::Coalesce(QStringView asValue, QStringView asDefault) {
    return (asValue.isEmpty() ? asDefault : asValue).toString();
}

QString TmStr::IfVazioNull(QStringView asValor) {
    if (TextoInterno::Aparar(asValor).isEmpty())
        return QStringLiteral("null");
    QString maiusculas = asValor.toString();
    for (QChar& c : maiusculas) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return Aspas(maiusculas);
}

QString TmStr::IfZeroNull(int aiValor) {
    return aiValor == 0 ? QStringLiteral("null") : QString::number(aiValor);
}

namespace {

constexpr QStringView kMarcadorRetorno = u"{\\n}";
constexpr QStringView kEscapeSql = u"¿¿";

bool Tem(TFormatStFlags flags, TFormatStFlag flag) {
    return flags.testFlag(flag);
}

// The live settings with the point SQL writes as decimal separator and ":" between time fields.
TFormatSettings ConfiguracaoSql() {
    TFormatSettings fs = FormatSettings();
    fs.DecimalSeparator = u'.';
    fs.TimeSeparator = u':';
    return fs;
}

QString TextoDeNumero(const Variante& valor, TFormatStFlags flags) {
    const bool moeda = valor.TipoValor() == Variante::Tipo::Moeda;
    // A currency's general text form is exact, and so is reading it back.
    const Currency exata = moeda ? *Rtl::TryStrToCurr(valor.ToString()) : Currency();
    if (Tem(flags, flagSQL)) {
        return moeda ? Rtl::CurrToStr(exata, ConfiguracaoSql())
                     : Rtl::FloatToStr(valor.ToDouble(), ConfiguracaoSql());
    }
    if (Tem(flags, flagHuman)) {
        const QStringView padrao = u"#,##0.00";
        return moeda ? TmStr::Formata(exata, padrao, false)
                     : TmStr::Formata(valor.ToDouble(), padrao, false);
    }
    return valor.ToString();
}

QString TextoDeDataHora(TDateTime valor, TFormatStFlags flags) {
    const bool temData = DataHora::DatePart(valor) != 0;
    const bool temHora = DataHora::TimePart(valor) != 0;
    const TFormatSettings& vivas = FormatSettings();
    QString padrao;
    if (Tem(flags, flagSQL)) {
        padrao = !temData && temHora ? QStringLiteral("hh:nn:ss")
                 : temHora           ? QStringLiteral("yyyy-mm-dd hh:nn:ss")
                                     : QStringLiteral("yyyy-mm-dd");
        return Aspas(Rtl::FormatDateTime(padrao, valor, ConfiguracaoSql()));
    }
    padrao = !temData && temHora ? vivas.ShortTimeFormat
             : temHora           ? vivas.ShortDateFormat + u' ' + vivas.ShortTimeFormat
                                 : vivas.ShortDateFormat;
    return Rtl::FormatDateTime(padrao, valor, vivas);
}

QString TextoDeTexto(QString texto, TFormatStFlags flags) {
    if (!Tem(flags, flagSQL))
        return texto;
    if (texto.contains(kEscapeSql))
        return texto.remove(kEscapeSql.toString());
    if (Tem(flags, flagSQL_ConverteStr))
        return u'E' + Aspas(texto.replace(u'\\', QStringLiteral("\\\\")));
    return Aspas(texto);
}

QString TextoDeValor(const Variante& valor, TFormatStFlags flags) {
    switch (valor.TipoValor()) {
        case Variante::Tipo::Null:
            return Tem(flags, flagSQL) ? QStringLiteral("null") : QString();
        case Variante::Tipo::Texto:
            return TextoDeTexto(valor.ToString(), flags);
        case Variante::Tipo::Inteiro:
            return valor.ToString();
        case Variante::Tipo::Real:
        case Variante::Tipo::Moeda:
            return TextoDeNumero(valor, flags);
        case Variante::Tipo::DataHora:
            return TextoDeDataHora(valor.ToDateTime(), flags);
        case Variante::Tipo::Booleano:
            if (Tem(flags, flagBoolSN)) {
                const QString sn = valor.ToBool() ? QStringLiteral("S") : QStringLiteral("N");
                return Tem(flags, flagSQL) ? Aspas(sn) : sn;
            }
            return valor.ToString();
    }
    return {};
}

QString TextoDoParametro(const TParametroFmt& parametro, TFormatStFlags flags) {
    if (!parametro.Lista())
        return TextoDeValor(parametro.Itens().front(), flags);
    QStringList itens;
    for (const Variante& item : parametro.Itens()) {
        const bool texto = item.TipoValor() == Variante::Tipo::Texto;
        itens.append(TextoDeValor(item, texto ? flags | flagSQL : flags));
    }
    const QString juntos = itens.join(QStringLiteral(", "));
    return Tem(flags, flagSQL) ? juntos : u'[' + juntos + u']';
}

QString Marcador(qsizetype indice) {
    return u'{' + QString::number(indice) + u'}';
}

// The parameter a placeholder starting at inicio (on its "{") names, and its length; none when
// the text there is not "{i}" for a parameter i.
struct TMarcador {
    qsizetype indice = -1;
    qsizetype tamanho = 0;
};
TMarcador LerMarcador(QStringView texto, qsizetype inicio, qsizetype parametros) {
    constexpr qsizetype kMaximoDigitos = 9;
    qsizetype fim = inicio + 1;
    while (fim < texto.size() && fim - inicio <= kMaximoDigitos && TextoInterno::Digito(texto[fim]))
        ++fim;
    const QStringView digitos = texto.mid(inicio + 1, fim - inicio - 1);
    if (digitos.isEmpty() || fim >= texto.size() || texto[fim] != u'}')
        return {};
    const bool zeroAEsquerda = digitos.size() > 1 && digitos.front() == u'0';
    if (zeroAEsquerda)
        return {};
    const qsizetype indice = digitos.toLongLong();
    return indice < parametros ? TMarcador{indice, fim - inicio + 1} : TMarcador{};
}

}  // namespace

QString TmStr::Fmt(QStringView aString, const QList<TParametroFmt>& aParam,
                   TFormatStFlags FormatFlags) {
    QStringList textos;
    for (qsizetype i = 0; i < aParam.size(); ++i) {
        const QString marcador = Marcador(i);
        if (!aString.contains(marcador)) {
            throw EConvertError(QStringLiteral("FormatSt. Posição ") + marcador +
                                QStringLiteral(" não localizada."));
        }
        textos.append(TextoDoParametro(aParam[i], FormatFlags));
    }
    QString out;
    out.reserve(aString.size());
    for (qsizetype i = 0; i < aString.size();) {
        if (aString[i] == u'{') {
            if (aString.mid(i).startsWith(kMarcadorRetorno)) {
                out += u'\r';
                i += kMarcadorRetorno.size();
                continue;
            }
            if (const TMarcador m = LerMarcador(aString, i, aParam.size()); m.indice >= 0) {
                out += textos[m.indice];
                i += m.tamanho;
                continue;
            }
        }
        out += aString[i++];
    }
    return out;
}

QString TmStr::FmtSql(QStringView aString, const QList<TParametroFmt>& aParam) {
    return Fmt(aString, aParam, flagSQL);
}
