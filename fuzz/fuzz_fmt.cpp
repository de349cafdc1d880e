// The positional template on any template and parameters: no crash, a missing placeholder is
// the one error, and with flagSQL every text literal stays closed (an even count of quotes) when
// the template itself has none, whatever the parameters hold.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "Exigir.h"
#include "base/EConvertError.h"
#include "base/mConst.h"
#include "sistema/formatacao/TmStrSql.h"

namespace {

QString Texto(FuzzedDataProvider& dados) {
    return QString::fromUtf8(dados.ConsumeRandomLengthString(64));
}

TParametroFmt Parametro(FuzzedDataProvider& dados) {
    switch (dados.ConsumeIntegralInRange(0, 6)) {
        case 0:
            return dados.ConsumeIntegral<int>();
        case 1:
            return dados.ConsumeFloatingPoint<double>();
        case 2:
            return dados.ConsumeBool();
        case 3:
            return Variante::DeDataHora(dados.ConsumeFloatingPointInRange(-700000.0, 3000000.0));
        case 4:
            return Variante();
        case 5:
            return TcrvArrayString{Texto(dados), Texto(dados)};
        default:
            return Texto(dados);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool regionais = (mConst::DefinirRegionais(TFormatSettings::Brasileiro()), true);
    (void)regionais;
    FuzzedDataProvider dados(data, size);
    const TFormatStFlags flags = TFormatStFlags::fromInt(dados.ConsumeIntegralInRange(0, 15));
    QList<TParametroFmt> parametros;
    const int quantidade = dados.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < quantidade; ++i)
        parametros.append(Parametro(dados));
    const QString modelo = QString::fromUtf8(dados.ConsumeRemainingBytesAsString());
    QString saida;
    try {
        saida = TmStr::Fmt(modelo, parametros, flags);
    } catch (const EConvertError&) {
        for (int i = 0; i < quantidade; ++i) {
            if (!modelo.contains(u'{' + QString::number(i) + u'}'))
                return 0;
        }
        Exigir(false);  // raised though every placeholder is there
    }
    bool cruas = false;  // a text holding the raw-SQL escape is the caller's own SQL
    for (const TParametroFmt& p : parametros) {
        for (const Variante& item : p.Itens())
            cruas = cruas || item.ToString().contains(u"¿¿");
    }
    if (flags.testFlag(flagSQL) && !cruas && !modelo.contains(u'\''))
        Exigir(saida.count(u'\'') % 2 == 0);
    return 0;
}
