// QueryToSQL on any text and any values: no crash, a missing name is the one error besides an
// unhandled type, a text without ":" comes back unchanged, and when the text has no quotes every
// value written stays one closed literal (an even count of quotes), whatever the values hold.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "Exigir.h"
#include "sistema/consulta/TmRotConsulta.h"

namespace {

QVariant Valor(FuzzedDataProvider& dados) {
    switch (dados.ConsumeIntegralInRange(0, 4)) {
        case 0:
            return dados.ConsumeIntegral<qlonglong>();
        case 1:
            return dados.ConsumeFloatingPoint<double>();
        case 2:
            return QVariant(QMetaType::fromType<QString>());
        default:
            return QString::fromUtf8(dados.ConsumeRandomLengthString(32));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t tamanho) {
    FuzzedDataProvider dados(bytes, tamanho);
    const QString sql = QString::fromUtf8(dados.ConsumeRandomLengthString(256));
    const bool faltam = dados.ConsumeBool();
    const QVariant valor = Valor(dados);
    QString resultado;
    try {
        resultado = TmRot::QueryToSQL(sql, [&](const QString&) -> std::optional<QVariant> {
            if (faltam)
                return std::nullopt;
            return valor;
        });
    } catch (const EQueryToSQL&) {
        Exigir(faltam);
        return 0;
    }
    if (!sql.contains(u':'))
        Exigir(resultado == sql);
    if (!sql.contains(u'\'') && !sql.contains(u'"'))
        Exigir(resultado.count(u'\'') % 2 == 0);
    return 0;
}
