#include "sistema/formatacao/TmStrDatas.h"

#include <array>

#include "base/EConvertError.h"
#include "base/FormatoDataHora.h"
#include "base/Relogio.h"
#include "base/RtlDatas.h"
#include "base/internal/Texto.h"
#include "texto/conversao/TmStrNumeros.h"

using TextoInterno::Copy;

QString TmStr::FormataData(TDateTime Data, QStringView Formato, bool MostraDataNula) {
    const QString texto = Rtl::FormatDateTime(Formato, Data);
    return !MostraDataNula && texto == u"30/12/1899" ? QString() : texto;
}

QString TmStr::FormataHora(TDateTime Hora, QStringView Formato) {
    return Rtl::FormatDateTime(Formato, Hora);
}

QString TmStr::FormataTempoDecorrido(TDateTime Tempo, QStringView Formato) {
    return Rtl::FormatDateTime(Formato, Tempo);
}

QString TmStr::GetDataHora(QStringView Formato) {
    return Rtl::FormatDateTime(Formato, Relogio::Agora());
}

QString TmStr::FormataTempoDecorridoPadrao(TDateTime Tempo) {
    using TextoInterno::Aparar;
    const QString texto = Rtl::FormatDateTime(u"hh\"h\"nn\"m\"ss\"s,\"zzz", Tempo);
    QString semHorasEMinutos =
        Aparar(texto).toString().replace(QStringLiteral("00h00m"), QStringLiteral(" "));
    return Aparar(semHorasEMinutos).toString().replace(QStringLiteral("00h"), QStringLiteral(" "));
}

namespace {

// The date rebuilt from the digits, before the SQL form; "null" when there are none.
QString DataDosDigitos(QStringView original, const QString& d, bool completa) {
    switch (d.size()) {
        case 0:
            return QStringLiteral("null");
        case 4:
            return Copy(d, 1, 2) + u'/' + Copy(d, 3, 2);
        case 6:
            if (completa)
                return Copy(d, 1, 2) + u'/' + Copy(d, 3, 2) + u'/' + Copy(d, 5, 2);
            if (original.indexOf(u'/') == 4)  // YYYY/MM
                return QStringLiteral("01/") + Copy(d, 5, 2) + u'/' + Copy(d, 1, 4);
            return QStringLiteral("01/") + Copy(d, 1, 2) + u'/' + Copy(d, 3, 4);
        case 8:
            return Copy(d, 1, 2) + u'/' + Copy(d, 3, 2) + u'/' + Copy(d, 5, 4);
        default:
            return d;
    }
}

// 'yyyy-mm-dd' of a day-first date; a day and month alone are in the current year.
QString DataAnsi(const QString& data) {
    const TFormatSettings diaPrimeiro = TFormatSettings::Brasileiro();
    QString completa = data;
    if (data.size() == 5)
        completa += Rtl::FormatDateTime(u"'/'yyyy", Relogio::Agora(), diaPrimeiro);
    const auto lida = Rtl::TryStrToDate(completa, diaPrimeiro);
    if (!lida)
        throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(data));
    return TextoInterno::Aspas(Rtl::FormatDateTime(u"yyyy-mm-dd", *lida, diaPrimeiro));
}

}  // namespace

QString TmStr::FormataDataStr(QStringView asData, bool abDataCompleta, bool abAnsi) {
    QString digitos;
    for (const QChar c : asData) {
        if (TextoInterno::Digito(c))
            digitos += c;
    }
    const QString data = DataDosDigitos(asData, digitos, abDataCompleta);
    return abAnsi && !digitos.isEmpty() ? DataAnsi(data) : data;
}

QString TmStr::FormatarTamanho(double Total) {
    constexpr double kLimite = 1000;
    constexpr double kFator = 1024;
    const std::array<QStringView, 4> unidades = {u"bytes", u"Kb", u"Mb", u"Gb"};
    std::size_t unidade = 0;
    while (Total > kLimite && unidade + 1 < unidades.size()) {
        Total /= kFator;
        ++unidade;
    }
    return Formata(Total, u"#,##0.0#", false) + u' ' + unidades[unidade].toString();
}
