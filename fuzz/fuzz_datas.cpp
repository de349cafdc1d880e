// Completion of typed dates and times on any text: no crash and no undefined behaviour, always
// an answer, the typed day kept and a five-character time without blanks but at the colon; clock
// texts and minute counts read back to the same count.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "Exigir.h"
#include "base/Relogio.h"
#include "base/internal/Texto.h"
#include "base/mConst.h"
#include "sistema/datas/TmDtDatas.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    mConst::DefinirRegionais(TFormatSettings::Brasileiro());
    Relogio::Fixar(DataHora::FromQDateTime(QDateTime(QDate(2026, 12, 9), QTime(14, 35))));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider dados(data, size);
    const int minutos = dados.ConsumeIntegral<int>();
    const std::string bytes = dados.ConsumeRemainingBytesAsString();
    const QString texto = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));

    const QString completa = TmDt::CompletaData(texto);
    Exigir(!completa.isEmpty());
    // Empty masks, trimmed of every character up to the blank as the completion trims them.
    const QStringView aparado = TextoInterno::Aparar(texto);
    const bool mascaraVazia = aparado == u"/  /" || aparado == u"/  /       :";
    if (texto.size() >= 10 && !mascaraVazia)
        Exigir(completa.left(3) == texto.left(3));

    const QString hora = TmDt::CompletaHora(texto);
    Exigir(hora.size() == 5 && hora[0] != u' ' && hora[1] != u' ' && hora[3] != u' ' &&
           hora[4] != u' ');
    TmDt::HoraParaMin(texto);
    Exigir(TmDt::HoraParaMin(TmDt::MinParaHora(minutos)) == minutos);
    TmDt::DataValida(texto);
    TmDt::StrToDateTime(texto, 0);
    TmDt::StrToDataHora(texto, 0);
    TmDt::GetNumeroDiaSemana(texto);
    return 0;
}
