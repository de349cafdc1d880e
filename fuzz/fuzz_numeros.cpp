// The forgiving number readers and the number-pattern formatter on arbitrary text, patterns and
// values. Besides the sanitizers' checks, the readers must agree with each other: the exact
// currency reading is the float reading rounded to ten-thousandths, and the 32- and 64-bit
// integer readers read the same texts to the same value wherever both can hold it (hexadecimal
// being a bit pattern of each reader's width).
#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "Exigir.h"
#include "base/EConvertError.h"
#include "base/mConst.h"
#include "texto/conversao/TmConv.h"
#include "texto/conversao/TmStrNumeros.h"

namespace {

QString Texto(FuzzedDataProvider& dados, std::size_t maximo) {
    const std::string bytes = dados.ConsumeRandomLengthString(maximo);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

// How the integer readers see the text: its sign and whether a "$", "x" or "0x" prefix makes it
// hexadecimal.
struct Prefixo {
    bool negativo = false;
    bool hexadecimal = false;
};

Prefixo LerPrefixo(QStringView texto) {
    qsizetype i = 0;
    while (i < texto.size() && (texto[i] == u' ' || texto[i] == u'\t'))
        ++i;
    Prefixo prefixo;
    if (i < texto.size() && (texto[i] == u'+' || texto[i] == u'-'))
        prefixo.negativo = texto[i++] == u'-';
    const QStringView resto = texto.sliced(i);
    prefixo.hexadecimal = resto.startsWith(u'$') || resto.startsWith(u'x', Qt::CaseInsensitive) ||
                          resto.startsWith(u"0x", Qt::CaseInsensitive);
    return prefixo;
}

// The 32- and 64-bit integer readers agree. Decimal text: the 32-bit reader reads it exactly when
// the 64-bit one does and the value fits in 32 bits, and then gives the same value. Hexadecimal
// text is a bit pattern of the reader's width (two's complement): the 32-bit reader reads it
// exactly when the 64-bit one does and the pattern, before its sign, fits in 32 bits, and then
// gives the low 32 bits of the 64-bit value. Unreadable text gives the default, sign-extended.
void VerificarInteiros(const QString& texto, int padrao) {
    const int outroPadrao = padrao ^ 1;
    const int inteiro = TmConv::ToInt(texto, padrao);
    const std::int64_t longo = TmConv::ToInt64(texto, padrao);
    const bool leu32 = inteiro == TmConv::ToInt(texto, outroPadrao);
    const bool leu64 = longo == TmConv::ToInt64(texto, outroPadrao);
    Exigir(leu32 || inteiro == padrao);
    Exigir(leu64 || longo == padrao);

    const Prefixo prefixo = LerPrefixo(texto);
    const auto bits = std::uint64_t(longo);
    const bool cabe32 =
        prefixo.hexadecimal
            ? (prefixo.negativo ? std::uint64_t(0) - bits : bits) <= 0xFFFF'FFFFu
            : longo >= std::numeric_limits<int>::min() && longo <= std::numeric_limits<int>::max();
    Exigir(leu32 == (leu64 && cabe32));
    if (leu32)
        Exigir(inteiro == std::int32_t(std::uint32_t(bits)));
}

void VerificarLeitores(const QString& texto, int padrao) {
    const double real = TmConv::Str2Float(texto);
    const Currency moeda = TmConv::Str2Curr(texto);
    Exigir(std::isfinite(real));
    // Below 2^53 ten-thousandths the double holds the currency's value to far better than half a
    // ten-thousandth; beyond the currency's range the exact reading gives 0.
    if (std::fabs(real) < 9.0e14) {
        const double diferenca = std::fabs(moeda.ToDouble() - real);
        Exigir(diferenca <= 0.00005 + std::fabs(real) * 4e-16);
    }

    VerificarInteiros(texto, padrao);
}

void VerificarFormata(double valor, const QString& formato, bool pontoQuandoZero) {
    // Only a pattern that is used can be refused; the zero point does not use it.
    const bool usaPadrao = !(pontoQuandoZero && valor == 0);
    try {
        const QString escrito = TmStr::Formata(valor, formato, pontoQuandoZero);
        Exigir(formato.size() <= 224 || !usaPadrao);
        Exigir(usaPadrao || escrito == QLatin1String(". "));
    } catch (const EConvertError&) {
        Exigir(formato.size() > 224 && usaPadrao);
    }
    // A plain pattern reads back as the value rounded to its decimals.
    if (std::isfinite(valor) && std::fabs(valor) < 1e12) {
        const QString escrito = TmStr::Formata(valor, u"0.0000", false);
        Exigir(std::fabs(TmConv::Str2Float(escrito) - valor) <= 0.00005 + std::fabs(valor) * 1e-15);
        TmStr::Formata(valor, int(std::fabs(std::fmod(valor, 30))));
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    mConst::DefinirRegionais(TFormatSettings::Brasileiro());
    return 0;
}

// Input: the value's 64 bits (any double, NaN and infinities included), a default, a flag, a
// pattern and a text to read.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider dados(data, size);
    const auto bits = dados.ConsumeIntegral<std::uint64_t>();
    const int padrao = dados.ConsumeIntegral<int>();
    const bool pontoQuandoZero = dados.ConsumeBool();
    const QString formato = Texto(dados, 300);
    const QString texto = Texto(dados, 4096);

    VerificarLeitores(texto, padrao);
    VerificarLeitores(formato, padrao);
    VerificarFormata(std::bit_cast<double>(bits), formato, pontoQuandoZero);
    VerificarFormata(TmConv::Str2Float(texto), formato, pontoQuandoZero);
    return 0;
}
