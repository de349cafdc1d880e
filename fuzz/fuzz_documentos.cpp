// Document numbers on any text: no crash, no undefined behaviour and no exception from the
// validators and display forms (the access key check raises only its own error), check digits
// that agree with the validator, and display forms that only add marks.
#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <cstddef>
#include <cstdint>

#include "Exigir.h"
#include "sistema/documentos/TmStrChaveAcesso.h"
#include "sistema/documentos/TmStrDocumentos.h"
#include "sistema/documentos/TmUF.h"

namespace {

bool Digitos(const QString& texto) {
    for (const QChar c : texto)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString SemBrancos(QString texto) {
    return texto.remove(u' ');
}

void Validadores(const QString& texto, const QString& uf) {
    const bool valido = TmStr::IsCPFValido(texto);
    const QString digitos = TmStr::CalculaDigitoCnpjCpf(texto);
    Exigir(digitos.isEmpty() || (digitos.size() == 2 && Digitos(digitos)));
    if (valido) {
        // The display form stays valid, and its base gives its check digits.
        const QString formatado = TmStr::FormataCPFCNPJ(texto);
        Exigir(TmStr::IsCPFValido(formatado));
        QString numero = formatado;
        numero.remove(u'.').remove(u'/').remove(u'-');
        Exigir(TmStr::CalculaDigitoCnpjCpf(numero.left(numero.size() - 2)) == numero.right(2));
    }
    TmStr::IsPISValido(texto);
    const QString modulo = TmStr::CalcModulo11(texto, 0);
    Exigir(modulo.isEmpty() || (Digitos(modulo) && modulo.size() <= 2));
    TmStr::isIEValido(uf, texto, {});
    TmStr::isIEValido(uf, texto, texto);
    TmStr::isNumeroSequencial(texto, int(texto.size() % 12));
    TmUF::GetIEValidada(texto, uf);
    TmUF::Dados(texto);
    TmStr::EstadoExtenso(texto);
    TmStr::IsEstadoValido(texto);
}

void Formatos(const QString& texto) {
    TmStr::FormataCPFCNPJ(texto);
    TmStr::FormataPIS(texto);
    TmStr::FormataIE(texto);
    TmStr::FormataCEP(texto);
    Exigir(TmStr::FormataFone(texto).size() <= 15);
    TmStr::FormataNCM(texto);
    Exigir(TmStr::FormataTIPI(texto).size() == 10);
    TmStr::FormataCEST(texto);
    TmStr::FormataPlacaVeiculo(texto);
    Exigir(SemBrancos(TmStr::FormataChaveNFe(texto)) == SemBrancos(texto));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider dados(data, size);
    const QString uf = QString::fromUtf8(dados.ConsumeBytesAsString(2));
    const int numero = dados.ConsumeIntegral<int>();
    const int serie = dados.ConsumeIntegral<int>();
    const double dia = dados.ConsumeFloatingPointInRange<double>(-700000.0, 2900000.0);
    const QString texto = QString::fromUtf8(dados.ConsumeRemainingBytesAsString());

    try {
        Validadores(texto, uf);
        Formatos(texto);
        TmStr::FormataTIPI(numero);
        TmStr::GetCodigoParaNFe(numero, dia);
        const QString chave = TmStr::CalculaChaveEletronica(uf, dia, texto, mdeNFe, serie, numero,
                                                            serie % 10, numero);
        Exigir(!chave.isEmpty());
    } catch (...) {
        Exigir(false);
    }
    try {
        TmRot::ValidaChaveAcesso(texto, uf, texto.left(4), texto, uf, texto.mid(3, 3),
                                 texto.right(9), texto.left(1), texto.right(1));
    } catch (const EChaveAcesso&) {
    }
    return 0;
}
