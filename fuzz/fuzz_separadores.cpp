// The splitters on arbitrary text and delimiter: the display's field rule (DividirCampos) and
// TmStr's splitting routines, each checked against what it must agree with.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "Exigir.h"
#include "base/EConvertError.h"
#include "base/mConst.h"
#include "display/protocolo/ListaSep.h"
#include "texto/separacao/TmStrSepara.h"

namespace {

// The field rule without quotes is a plain split: an empty text has no fields, every delimiter
// separates, a trailing one adds an empty field. Text after a NUL is not read.
void VerificarDividirCampos(const QString& texto, QChar delimitador) {
    const QStringList campos = DividirCampos(texto, delimitador);
    const QString lido =
        texto.left(texto.indexOf(QChar(0)) < 0 ? texto.size() : texto.indexOf(QChar(0)));
    if (!lido.contains(u'"') && delimitador != u'"')
        Exigir(campos == (lido.isEmpty() ? QStringList() : lido.split(delimitador)));
    // A field never holds the delimiter unless it came out of quotes.
    if (!lido.contains(u'"'))
        for (const QString& c : campos)
            Exigir(!c.contains(delimitador) && !c.contains(QChar(0)));
}

void VerificarTmStr(const QString& texto, QChar sep, int posicao) {
    const TcrvArrayString campos = TmStr::Split(texto, sep);
    Exigir(campos.size() == texto.count(sep) + 1);
    Exigir(QStringList(campos.begin(), campos.end()).join(sep) == texto);
    for (int i = 0; i < campos.size() && i < 64; ++i) {
        Exigir(TmStr::Separa(texto, sep, i + 1) == campos[i]);
        Exigir(TmStr::SplitPart(texto, sep, i + 1) == campos[i]);
    }
    Exigir(TmStr::Separa(texto, sep, int(campos.size()) + 1).isEmpty());
    Exigir(TmStr::Separa(texto, sep, posicao) == (posicao <= 1               ? campos[0]
                                                  : posicao <= campos.size() ? campos[posicao - 1]
                                                                             : QString()));
    try {
        TmStr::SplitPart(texto, sep, posicao);
        Exigir(posicao >= 1 && posicao <= campos.size());
    } catch (const EListError&) {
        Exigir(posicao < 1 || posicao > campos.size());
    }

    QStringList lista{QStringLiteral("antes")};
    TmStr::Split(texto, sep, lista, true, false);
    Exigir(lista.size() <= campos.size() + 1 && lista.first() == QLatin1String("antes"));

    qsizetype naoVazios = 0;
    for (const QString& c : campos)
        naoVazios += !c.isEmpty();
    Exigir(TmStr::SplitInt(texto, sep).size() == naoVazios);

    // SplitB keeps every character: the pieces put together are the text again.
    QStringList partes;
    TmStr::SplitB(texto, sep, partes);
    Exigir(partes.join(QString()) == texto);
    for (int i = 0; i < partes.size() && i < 64; ++i)
        Exigir(TmStr::GetStringPart(texto, sep, i) == partes[i]);
    Exigir(TmStr::GetStringPart(texto, sep, int(partes.size())).isEmpty());

    QStringList csv;
    TmStr::SplitCSV(csv, texto, sep, true);
    Exigir(csv.size() <= campos.size());

    // Quoting for SQL keeps the number of fields when the separator is not a quote.
    if (sep != u'\'')
        Exigir(TmStr::SplitInQuotedStr(texto, sep).count(sep) >= texto.count(sep));
    TmStr::GetStringFilterIn(texto, QString(sep), posicao % 2 == 0);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    mConst::DefinirRegionais(TFormatSettings::Brasileiro());
    return 0;
}

// Input: the delimiter (one byte: one of the usual ones, or the byte itself), a position, then
// the text as UTF-8.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider dados(data, size);
    static constexpr char usuais[] = {'|', '&', ';', ',', '"', '\'', ' ', '\0'};
    const std::uint8_t escolha = dados.ConsumeIntegral<std::uint8_t>();
    const QChar delimitador =
        escolha < sizeof usuais * 16 ? QChar(usuais[escolha % sizeof usuais]) : QChar(escolha);
    const int posicao = dados.ConsumeIntegralInRange<int>(-2, 40);
    const std::string bytes = dados.ConsumeRemainingBytesAsString();
    const QString texto = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));

    VerificarDividirCampos(texto, delimitador);
    VerificarTmStr(texto, delimitador, posicao);
    return 0;
}
