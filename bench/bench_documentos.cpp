// Validating a million CNPJs and a million state registrations, beside a bare check-digit loop
// over the same texts: the cost of reading marks, letters and the state's rule around the
// arithmetic that cannot be avoided.

#include <benchmark/benchmark.h>

#include <QString>
#include <random>
#include <vector>

#include "sistema/documentos/TmStrDocumentos.h"

namespace {

constexpr int kQuantidade = 1000000;

QString Digitos(std::mt19937& gerador, int tamanho) {
    std::uniform_int_distribution<int> digito(0, 9);
    QString texto(tamanho, u'0');
    for (QChar& c : texto)
        c = QChar(char16_t(u'0' + digito(gerador)));
    return texto;
}

// Valid CNPJs, one in ten alphanumeric, one in four written with their marks.
const std::vector<QString>& Cnpjs() {
    static const std::vector<QString> cnpjs = [] {
        std::mt19937 gerador(1);
        std::vector<QString> v;
        v.reserve(kQuantidade);
        for (int i = 0; i < kQuantidade; ++i) {
            QString base = Digitos(gerador, 12);
            if (i % 10 == 0)
                base[2] = u'A', base[5] = u'Z';
            QString numero = base + TmStr::CalculaDigitoCnpjCpf(base);
            v.push_back(i % 4 == 0 ? TmStr::FormataCPFCNPJ(numero) : numero);
        }
        return v;
    }();
    return cnpjs;
}

struct Inscricao {
    QString uf;
    QString numero;
};

// Numbers of nine states and of every length they use, about one in ten valid.
const std::vector<Inscricao>& Inscricoes() {
    static const std::vector<Inscricao> inscricoes = [] {
        const std::pair<const char*, int> formatos[] = {{"SP", 12}, {"MG", 13}, {"RJ", 8},
                                                        {"BA", 9},  {"PR", 10}, {"RS", 10},
                                                        {"PE", 9},  {"CE", 9},  {"GO", 9}};
        std::mt19937 gerador(2);
        std::vector<Inscricao> v;
        v.reserve(kQuantidade);
        for (int i = 0; i < kQuantidade; ++i) {
            const auto& [uf, tamanho] = formatos[i % 9];
            v.push_back({QString::fromLatin1(uf), Digitos(gerador, tamanho)});
        }
        return v;
    }();
    return inscricoes;
}

int Valor(QChar c) {
    return c.unicode() - 48;
}

// The CNPJ's two check digits and nothing else: the first 12 characters, no marks.
bool CnpjNu(const QString& t) {
    static constexpr int kPesos[] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    int s1 = 0, s2 = 0;
    for (int i = 0; i < 12; ++i) {
        s1 += Valor(t[i]) * kPesos[i + 1];
        s2 += Valor(t[i]) * kPesos[i];
    }
    const int d1 = s1 % 11 < 2 ? 0 : 11 - s1 % 11;
    s2 += 2 * d1;
    const int d2 = s2 % 11 < 2 ? 0 : 11 - s2 % 11;
    return t.size() > 13 && Valor(t[12]) == d1 && Valor(t[13]) == d2;
}

// One modulus-11 digit over the first eight digits.
bool InscricaoNua(const QString& t) {
    int s = 0;
    for (int i = 0; i < 8; ++i)
        s += Valor(t[i]) * (9 - i);
    return Valor(t[8]) == (s % 11 < 2 ? 0 : 11 - s % 11);
}

void ValidarCnpjs(benchmark::State& state) {
    const auto& cnpjs = Cnpjs();
    for (auto _ : state) {
        int validos = 0;
        for (const QString& c : cnpjs)
            validos += TmStr::IsCPFValido(c);
        benchmark::DoNotOptimize(validos);
    }
}
void ValidarCnpjs_LacoNu(benchmark::State& state) {
    const auto& cnpjs = Cnpjs();
    for (auto _ : state) {
        int validos = 0;
        for (const QString& c : cnpjs)
            validos += CnpjNu(c);
        benchmark::DoNotOptimize(validos);
    }
}

void ValidarInscricoes(benchmark::State& state) {
    const auto& inscricoes = Inscricoes();
    for (auto _ : state) {
        int validas = 0;
        for (const Inscricao& i : inscricoes)
            validas += TmStr::isIEValido(i.uf, i.numero, {});
        benchmark::DoNotOptimize(validas);
    }
}
void ValidarInscricoes_LacoNu(benchmark::State& state) {
    const auto& inscricoes = Inscricoes();
    for (auto _ : state) {
        int validas = 0;
        for (const Inscricao& i : inscricoes)
            validas += InscricaoNua(i.numero);
        benchmark::DoNotOptimize(validas);
    }
}

}  // namespace

BENCHMARK(ValidarCnpjs)->Unit(benchmark::kMillisecond);
BENCHMARK(ValidarCnpjs_LacoNu)->Unit(benchmark::kMillisecond);
BENCHMARK(ValidarInscricoes)->Unit(benchmark::kMillisecond);
BENCHMARK(ValidarInscricoes_LacoNu)->Unit(benchmark::kMillisecond);
