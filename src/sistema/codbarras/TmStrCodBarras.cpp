#include "sistema/codbarras/TmStrCodBarras.h"

#include <algorithm>
#include <mutex>
#include <random>

#include "base/EConvertError.h"
#include "base/RtlNumeros.h"
#include "base/internal/Texto.h"
#include "sistema/arredondamento/TmConvArredonda.h"
#include "texto/conversao/TmStrNumeros.h"

namespace {

constexpr int kCorpoGtin = 12;
constexpr int kCorpoGtin14 = 13;

int ValorDigito(QChar c) {
    if (!TextoInterno::Digito(c))
        throw EConvertError(QStringLiteral("'%1' não é um valor inteiro válido").arg(c));
    return c.unicode() - u'0';
}

// The GTIN check digit over the first `tamanho` characters of the body filled with "0" on the
// left to that length: weight 3 at the positions of the same parity as `tamanho` (the last one
// among them is next to the check digit), 1 at the others.
QString DigitoGtin(QStringView corpo, int tamanho) {
    const qsizetype zeros = std::max<qsizetype>(tamanho - corpo.size(), 0);
    int soma = 0;
    for (qsizetype posicao = zeros; posicao < tamanho; ++posicao) {
        const int peso = (tamanho - posicao) % 2 == 1 ? 3 : 1;
        soma += peso * ValorDigito(corpo[posicao - zeros]);
    }
    return QString(QChar(u'0' + (10 - soma % 10) % 10));
}

// All digits and a non-zero 64-bit integer: the only texts worth checking as codes. The
// library's integer reader alone would let blanks, a sign or a "$" prefix through.
bool LidoComoCodigo(QStringView Valor) {
    if (Valor.isEmpty() || !std::all_of(Valor.begin(), Valor.end(), TextoInterno::Digito))
        return false;
    const auto numero = Rtl::TryStrToInt64(Valor);
    return numero && *numero != 0;
}

struct GeradorCmc7 {
    std::mutex trava;
    std::mt19937 gerador{std::random_device{}()};
};

GeradorCmc7& Gerador() {
    static GeradorCmc7 gerador;
    return gerador;
}

QString Bloco(std::mt19937& gerador, int digitos) {
    std::uniform_int_distribution<int> digito(0, 9);
    QString bloco(digitos, QLatin1Char('0'));
    for (QChar& c : bloco)
        c = QChar(u'0' + digito(gerador));
    return bloco;
}

}  // namespace

QString TmStr::GetCodBarraDigito(QStringView Valor) {
    return DigitoGtin(Valor, kCorpoGtin);
}

QString TmStr::GeraCodBarra(QStringView Valor) {
    return Valor.toString() + GetCodBarraDigito(Valor);
}

QString TmStr::GetCodBarra14Digito(QStringView Valor) {
    return DigitoGtin(Valor, kCorpoGtin14);
}

QString TmStr::GeraCodBarra14(QStringView Valor) {
    return Valor.toString() + GetCodBarra14Digito(Valor);
}

bool TmStr::IsCodBarraValido(QStringView Valor, bool abValidar14Digito) {
    if (!LidoComoCodigo(Valor))
        return false;
    if (abValidar14Digito && Valor.size() == kCorpoGtin14 + 1)
        return IsCodBarra14Valido(Valor);
    return Valor == GeraCodBarra(Valor.chopped(1));
}

bool TmStr::IsCodBarra14Valido(QStringView Valor) {
    return LidoComoCodigo(Valor) && Valor == GeraCodBarra14(Valor.chopped(1));
}

QString TmStr::FormataCodigoBarrasPonto(QStringView Codigo) {
    if (Codigo.size() < 2)
        return Codigo.toString();
    return FormataNumeroPontos(Codigo.chopped(1)) + QLatin1Char('.') + Codigo.back();
}

QString TmStr::GetCmc7() {
    QString bloco1, bloco2, bloco3;
    {
        GeradorCmc7& g = Gerador();
        const std::lock_guard trava(g.trava);
        bloco1 = Bloco(g.gerador, 7);
        bloco2 = Bloco(g.gerador, 10);
        bloco3 = Bloco(g.gerador, 10);
    }
    return bloco1 + TmConv::Modulo10(bloco2) + bloco2 + TmConv::Modulo10(bloco1) + bloco3 +
           TmConv::Modulo10(bloco3);
}

void TmStr::SemearGeradorCmc7(std::uint32_t semente) {
    GeradorCmc7& g = Gerador();
    const std::lock_guard trava(g.trava);
    g.gerador.seed(semente);
}
