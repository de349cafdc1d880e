// Uses one operation of each component it asks for, as a POS program would: a CPF checked and
// shown with its marks (SistemaDocumentos), an amount read from text (Texto).
#include <cstdio>

#include "sistema/documentos/TmStrDocumentos.h"
#include "texto/conversao/TmConv.h"

int main() {
    const Currency valor = TmConv::Str2Curr(u"123456");
    std::printf("%s %d %lld\n", qPrintable(TmStr::FormataCPFCNPJ(u"52998224725")),
                TmStr::IsCPFValido(u"529.982.247-25"), static_cast<long long>(valor.Raw()));
    return 0;
}
