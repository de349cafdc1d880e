#include "sistema/arredondamento/TmConvArredonda.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include <QStringList>

#include "base/EConvertError.h"
#include "base/ErrosAritmeticos.h"
#include "base/RtlNumeros.h"
#include "base/internal/Digitos.h"
#include "base/internal/Texto.h"
#include "texto/conversao/TmStrNumeros.h"

// The rounding rules are stated in the 80-bit extended arithmetic of the processors they were
// written for; long double is that format here, and the results depend on it.
static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the 80-bit extended format (64 mantissa bits)");

namespace {

using Unidades = unsigned __int128;

// From 2^63 on, a long double has no fraction bits: nothing below the units is left to cut or
// round.
constexpr long double kSemFracao = 9223372036854775808.0L;

// The general text form's precision: 15 significant digits.
constexpr int kDigitosEscritos = 15;

// Counts of decimals are clamped to this: even the smallest double (about 4.9E-324) scaled by
// 10^400 is past kSemFracao, so there is nothing left to cut or round beyond it.
constexpr int kMaximoCasas = 400;

template <typename T, std::size_t N>
constexpr std::array<T, N> PotenciasDez() {
    std::array<T, N> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < N; ++i)
        p[i] = p[i - 1] * 10;
    return p;
}

constexpr auto kPotenciasDez = PotenciasDez<std::int64_t, 19>();       // all that fit
constexpr auto kPotenciasDezExatas = PotenciasDez<long double, 28>();  // all that are exact

// 10^n in extended precision, n from 0 to kMaximoCasas.
long double PotenciaDez(int n) {
    return n < int(kPotenciasDezExatas.size()) ? kPotenciasDezExatas[std::size_t(n)]
                                               : std::pow(10.0L, n);
}

// A positive finite magnitude as its general text form writes it: 15 significant digits, the
// first of which stands for 10^expoente.
struct Escrito {
    std::array<char, kDigitosEscritos> digitos;
    int expoente;
};

Escrito Escrever(double magnitude) {
    const DigitosInterno::Digitos escrito = DigitosInterno::Escrever(magnitude, kDigitosEscritos);
    Escrito e{};
    std::copy(escrito.digitos, escrito.digitos + kDigitosEscritos, e.digitos.begin());
    e.expoente = escrito.expoente;
    return e;
}

// The count of 10^-casas units in the written value, cut toward zero. The count has
// expoente + 1 + casas digits, which must be at most 38.
Unidades ContarUnidades(const Escrito& e, int casas) {
    Unidades u = 0;
    for (int i = 0; i < e.expoente + 1 + casas; ++i)
        u = u * 10 + Unidades(i < kDigitosEscritos ? e.digitos[std::size_t(i)] - '0' : 0);
    return u;
}

// The double nearest to digitos × 10^expoente, with the sign: read back from text, which rounds
// correctly.
double LerDecimal(bool negativo, const char* digitos, int quantidade, int expoente) {
    char texto[80];
    char* p = texto;
    if (negativo)
        *p++ = '-';
    p = std::copy(digitos, digitos + quantidade, p);
    *p++ = 'e';
    p = std::to_chars(p, texto + sizeof texto, expoente).ptr;
    double valor = 0;
    std::from_chars(texto, p, valor);
    return valor;
}

double DeUnidades(bool negativo, Unidades u, int casas) {
    char digitos[40];
    char* fim = digitos + sizeof digitos;
    char* p = fim;
    do {
        *--p = char('0' + int(u % 10));
        u /= 10;
    } while (u != 0);
    return LerDecimal(negativo, p, int(fim - p), -casas);
}

// Cuts a value written with 15 or more integer digits exactly, in extended precision; there
// only the first few decimals can hold anything.
double CortarExato(double valor, int casas) {
    const long double potencia = PotenciaDez(casas);
    const long double escalado = valor * potencia;
    if (std::fabs(escalado) >= kSemFracao)
        return valor;
    return double(std::trunc(escalado) / potencia);
}

// The five rule: whether the kept digits go up, given the dropped digits (resto, in units of
// the last kept digit divided by divisor).
bool SobeRegraDoCinco(Unidades mantidos, Unidades resto, Unidades divisor) {
    if (divisor == 1)
        return false;
    const Unidades decimo = divisor / 10;
    const Unidades primeiroDescartado = resto / decimo;
    const bool depoisDoCinco = resto % decimo != 0;
    const Unidades ultimoMantido = mantidos % 10;
    if (primeiroDescartado != 5)
        return primeiroDescartado > 5;
    return ultimoMantido % 2 == 1 || ultimoMantido == 0 || depoisDoCinco;
}

// Half away from zero on an integer count of units: the nearest multiple of unidade.
std::int64_t ArredondarAoMultiplo(std::int64_t bruto, std::int64_t unidade) {
    std::int64_t quociente = bruto / unidade;
    const std::int64_t resto = bruto % unidade;
    const std::int64_t sinal = bruto < 0 ? -1 : 1;
    if (2 * (resto < 0 ? -resto : resto) >= unidade)
        quociente += sinal;
    std::int64_t resultado;
    if (__builtin_mul_overflow(quociente, unidade, &resultado))
        resultado = (quociente - sinal) * unidade;  // the largest rounded amount in the range
    return resultado;
}

bool SemFracao(long double q) {
    return q - std::trunc(q) == 0;  // false for the infinities and NaN
}

bool MultiploDe(long double Valor, long double Multiplo, bool umNaoEMultiplo) {
    if (Multiplo == 0 || Multiplo < Valor || (umNaoEMultiplo && Multiplo == 1))
        return false;
    if (Valor == 1)
        return true;
    if (Valor == 0)
        throw EDivByZero();
    return SemFracao(Multiplo / Valor);
}

}  // namespace

double TmConv::Trunca(double Valor, int Decimais) {
    if (Valor == 0 || !std::isfinite(Valor))
        return Valor == 0 ? 0 : Valor;
    const int casas = std::clamp(Decimais, 0, kMaximoCasas);
    const Escrito e = Escrever(std::fabs(Valor));
    if (e.expoente >= kDigitosEscritos - 1)
        return CortarExato(Valor, casas);
    const int mantidos = std::min(e.expoente + 1 + casas, kDigitosEscritos);
    if (mantidos <= 0)
        return 0;
    return LerDecimal(Valor < 0, e.digitos.data(), mantidos, e.expoente + 1 - mantidos);
}

double TmConv::Arredonda(double Valor, int Precisao) {
    if (!std::isfinite(Valor))
        return Valor;
    // To whole numbers the tie goes to the even whole number (3.5 is 4); the parity of the
    // integer part decides it, which rounding the fraction alone would miss.
    if (Precisao < 1)
        return std::nearbyint(Valor);
    const long double potencia = PotenciaDez(std::min(Precisao, kMaximoCasas));
    const double inteiro = std::trunc(Valor);
    const double fracao = Valor - inteiro;
    const long double escalado = fracao * potencia;
    if (std::fabs(escalado) >= kSemFracao)
        return Valor;
    return double(inteiro + std::nearbyint(escalado) / potencia);
}

double TmConv::TruncaArredonda(double Valor, int Precisao) {
    const int p = std::clamp(Precisao, 0, kMaximoCasas);
    return Arredonda(Trunca(Valor, p + 1), p);
}

Currency TmConv::ArredondaSimples(Currency Valor) {
    return Currency::FromRaw(ArredondarAoMultiplo(Valor.Raw(), 100));
}

Currency TmConv::ArredondaSimples(Currency Valor, int CasasDecimais) {
    constexpr int kCasasDaMoeda = 4;
    if (CasasDecimais >= kCasasDaMoeda)
        return Valor;
    // A unit of 10^19 ten-thousandths or more: 0 is the only multiple within the range.
    constexpr int kMaiorExpoente = int(kPotenciasDez.size()) - 1;
    if (CasasDecimais < kCasasDaMoeda - kMaiorExpoente)
        return Currency();
    const int expoente = kCasasDaMoeda - CasasDecimais;
    return Currency::FromRaw(ArredondarAoMultiplo(Valor.Raw(), kPotenciasDez[expoente]));
}

Currency TmConv::ArredondaSimplesQtd(Currency Valor) {
    return Currency::FromRaw(ArredondarAoMultiplo(Valor.Raw(), 10));
}

double TmConv::ArredondaAritmetica(double AValorEntrada, int AQtdeCasas, bool ArredondarValor) {
    if (AValorEntrada == 0 || !std::isfinite(AValorEntrada))
        return AValorEntrada == 0 ? 0 : AValorEntrada;
    const Escrito e = Escrever(std::fabs(AValorEntrada));
    if (e.expoente >= kDigitosEscritos - 1)
        return AValorEntrada;  // written without decimals: nothing to round
    constexpr int kCasasLidas = 6;
    const int casas = std::clamp(AQtdeCasas, 0, kCasasLidas);
    const Unidades seteCasas = ContarUnidades(e, kCasasLidas + 1);
    const Unidades seisCasas = seteCasas / 10 + (seteCasas % 10 >= 5 ? 1 : 0);
    const Unidades divisor = Unidades(kPotenciasDez[kCasasLidas - casas]);
    Unidades mantidos = seisCasas / divisor;
    if (ArredondarValor && SobeRegraDoCinco(mantidos, seisCasas % divisor, divisor))
        ++mantidos;
    return DeUnidades(AValorEntrada < 0, mantidos, casas);
}

double TmConv::ConfereBugZero(double Valor) {
    return Valor < 0.0001 ? 0 : Valor;
}

double TmConv::FloatComp(double Valor1, int Decimais) {
    return TruncaArredonda(Valor1, Decimais);
}

bool TmConv::FloatIgual(double Valor1, double Valor2, int Decimais, double DiferencaAceitavel) {
    const double t1 = FloatComp(Valor1, Decimais);
    const double t2 = FloatComp(Valor2, Decimais);
    if (Rtl::FloatToStr(t1) == Rtl::FloatToStr(t2))
        return true;
    if (DiferencaAceitavel == 0)
        return false;
    const long double diferenca = static_cast<long double>(t1) - t2;
    return -DiferencaAceitavel <= diferenca && diferenca <= DiferencaAceitavel;
}

bool TmConv::FloatMaior(double Valor1, double Valor2, int Decimais) {
    return FloatComp(Valor1, Decimais) > FloatComp(Valor2, Decimais);
}

bool TmConv::FloatMenor(double Valor1, double Valor2, int Decimais) {
    return FloatComp(Valor1, Decimais) < FloatComp(Valor2, Decimais);
}

int TmConv::FormatCurrencyToCompare(Currency Valor) {
    constexpr std::int64_t kMenor = std::numeric_limits<int>::min();
    constexpr std::int64_t kMaior = std::numeric_limits<int>::max();
    return int(std::clamp<std::int64_t>(Valor.Raw() / 100, kMenor, kMaior));
}

double TmConv::Divide(double Valor1, double Valor2) {
    if (Valor2 == 0)
        return 0;
    const double quociente = double(static_cast<long double>(Valor1) / Valor2);
    if (!std::isfinite(quociente))
        return 0;
    return Rtl::FloatToStr(quociente).contains(u'E') ? 0 : quociente;
}

// An int converts to long double exactly, and a quotient of two ints that is not whole stays
// at least 2^-31 away from every integer, far more than the extended precision's error there:
// one rule serves the four overloads.
bool TmConv::IsMultiplo(int Valor, int Multiplo) {
    return MultiploDe(Valor, Multiplo, true);
}

bool TmConv::IsMultiplo(double Valor, double Multiplo) {
    return MultiploDe(Valor, Multiplo, false);
}

bool TmConv::IsMultiplo(int Valor, double Multiplo) {
    return MultiploDe(Valor, Multiplo, true);
}

bool TmConv::IsMultiplo(double Valor, int Multiplo) {
    return MultiploDe(Valor, Multiplo, true);
}

int TmConv::RestoInt(Currency acDividendo, Currency acDivisor) {
    // Whole parts of currency amounts stay far inside 64 bits: no INT64_MIN % -1 here.
    const std::int64_t dividendo = acDividendo.Raw() / Currency::Escala;
    const std::int64_t divisor = acDivisor.Raw() / Currency::Escala;
    if (divisor == 0)
        throw EDivByZero();
    const std::int64_t resto = dividendo % divisor;
    if (resto < std::numeric_limits<int>::min() || resto > std::numeric_limits<int>::max())
        throw EIntOverflow();
    return int(resto);
}

bool TmConv::InRangeInt(int aiNumero, int aiInicial, int aiFinal) {
    return aiInicial <= aiNumero && aiNumero <= aiFinal;
}

QString TmConv::IntToBin(int Valor, int DigitosBinario) {
    if (DigitosBinario < 0)
        return {};
    if (DigitosBinario >= TmStr::kLarguraMaxima)
        throw EConvertError(
            QStringLiteral("Número de dígitos binários fora do limite: %1").arg(DigitosBinario));
    const auto bits = static_cast<std::uint32_t>(Valor);
    QString texto(DigitosBinario + 1, QLatin1Char('0'));
    for (int bit = 0; bit <= DigitosBinario; ++bit)
        if ((bits >> std::min(bit, 31)) & 1)
            texto[DigitosBinario - bit] = QLatin1Char('1');
    return texto;
}

QString TmConv::ArrayIntToInStr(const TcrvArrayInteger& aaInt, QStringView asSeparador) {
    QStringList numeros;
    numeros.reserve(aaInt.size());
    for (const int numero : aaInt)
        numeros += QString::number(numero);
    return numeros.join(asSeparador);
}

QString TmConv::Modulo10(QStringView Codigo) {
    int soma = 0;
    int peso = 2;
    for (qsizetype i = Codigo.size() - 1; i >= 0; --i) {
        if (!TextoInterno::Digito(Codigo[i]))
            throw EConvertError(
                QStringLiteral("'%1' não é um valor inteiro válido").arg(Codigo[i]));
        const int produto = (Codigo[i].unicode() - u'0') * peso;
        soma = (soma + produto / 10 + produto % 10) % 10;
        peso = 3 - peso;
    }
    return QString(QChar(u'0' + (10 - soma) % 10));
}

double TmConv::CalcCubaCm(double Altura, double Largura, double Profundidade) {
    return double(static_cast<long double>(Altura) * Largura * Profundidade);
}

double TmConv::CalcCubaM(double AlturaCm, double LarguraCm, double ProdundidadeCM) {
    return double(static_cast<long double>(AlturaCm) * LarguraCm * ProdundidadeCM / 1000000);
}
