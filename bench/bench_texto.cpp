// Number reading and formatting and field splitting, each beside the standard or Qt routine that
// does the nearest job on the same inputs.

#include <benchmark/benchmark.h>

#include <QLocale>
#include <QString>
#include <QStringList>

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "display/protocolo/ListaSep.h"
#include "texto/conversao/TmConv.h"
#include "texto/conversao/TmStrNumeros.h"
#include "texto/separacao/TmStrSepara.h"

namespace {

// Amounts as the POS writes them under Brazilian settings, and the same numbers written with a
// decimal point for std::from_chars.
const QStringList kValores = {QStringLiteral("1.234,56"),    QStringLiteral("21,90"),
                              QStringLiteral("0,05"),        QStringLiteral("43,80"),
                              QStringLiteral("123456,7890"), QStringLiteral("-7,5"),
                              QStringLiteral("1"),           QStringLiteral("999.999,99")};
const std::vector<std::string> kValoresPonto = {"1234.56",     "21.90", "0.05", "43.80",
                                                "123456.7890", "-7.5",  "1",    "999999.99"};
const QStringList kInteiros = {QStringLiteral("1"),           QStringLiteral("42"),
                               QStringLiteral("-17"),         QStringLiteral("123456"),
                               QStringLiteral("7"),           QStringLiteral("99999"),
                               QStringLiteral("-2147483648"), QStringLiteral("300")};
const std::vector<std::string> kInteirosAscii = {"1", "42",    "-17",         "123456",
                                                 "7", "99999", "-2147483648", "300"};
const std::vector<double> kNumeros = {1234.56, 21.9, 0.05, 43.8, 123456.789, -7.5, 1, 999999.99};

// An item record of command 1 and the two-field text of command 6.
const QString kRegistro =
    QStringLiteral("17|7891234567895|ARROZ PARBOILIZADO TIPO 1 5KG|2|UN|21,90|43,80||0|0|0");
const QString kInfo = QStringLiteral("TROCO PARA O CLIENTE|12,50");

const QLocale& LocaleBrasil() {
    static const QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    return locale;
}

template <typename Lista, typename Funcao>
void Percorrer(benchmark::State& state, const Lista& entradas, Funcao&& funcao) {
    for (auto _ : state) {
        for (const auto& entrada : entradas)
            benchmark::DoNotOptimize(funcao(entrada));
    }
    state.SetItemsProcessed(state.iterations() * qsizetype(entradas.size()));
}

void Str2Curr(benchmark::State& state) {
    Percorrer(state, kValores, [](const QString& s) { return TmConv::Str2Curr(s); });
}
void Str2Curr_QLocaleToDouble(benchmark::State& state) {
    Percorrer(state, kValores, [](const QString& s) { return LocaleBrasil().toDouble(s); });
}
void Str2Curr_FromChars(benchmark::State& state) {
    Percorrer(state, kValoresPonto, [](const std::string& s) {
        double valor = 0;
        std::from_chars(s.data(), s.data() + s.size(), valor);
        return valor;
    });
}

void ToInt(benchmark::State& state) {
    Percorrer(state, kInteiros, [](const QString& s) { return TmConv::ToInt(s, 0); });
}
void ToInt_QLocaleToInt(benchmark::State& state) {
    Percorrer(state, kInteiros, [](const QString& s) { return LocaleBrasil().toInt(s); });
}
void ToInt_FromChars(benchmark::State& state) {
    Percorrer(state, kInteirosAscii, [](const std::string& s) {
        int valor = 0;
        std::from_chars(s.data(), s.data() + s.size(), valor);
        return valor;
    });
}

void Formata(benchmark::State& state) {
    const QString formato = QStringLiteral("#,##0.00");
    Percorrer(state, kNumeros, [&](double v) { return TmStr::Formata(v, formato, false); });
}
void Formata_QLocaleToString(benchmark::State& state) {
    Percorrer(state, kNumeros, [](double v) { return LocaleBrasil().toString(v, 'f', 2); });
}
void Formata_Snprintf(benchmark::State& state) {
    Percorrer(state, kNumeros, [](double v) {
        char texto[32];
        return std::snprintf(texto, sizeof texto, "%.2f", v);
    });
}

void Separa(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(TmStr::Separa(kInfo, u'|', 1));
        benchmark::DoNotOptimize(TmStr::Separa(kInfo, u'|', 2));
    }
    state.SetItemsProcessed(state.iterations());
}
void Separa_QStringSplit(benchmark::State& state) {
    for (auto _ : state) {
        const QStringList campos = kInfo.split(u'|');
        benchmark::DoNotOptimize(campos.value(0));
        benchmark::DoNotOptimize(campos.value(1));
    }
    state.SetItemsProcessed(state.iterations());
}

void ListaSep(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(DividirCampos(kRegistro, u'|'));
    state.SetItemsProcessed(state.iterations());
}
void ListaSep_QStringSplit(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(kRegistro.split(u'|'));
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(Str2Curr);
BENCHMARK(Str2Curr_QLocaleToDouble);
BENCHMARK(Str2Curr_FromChars);
BENCHMARK(ToInt);
BENCHMARK(ToInt_QLocaleToInt);
BENCHMARK(ToInt_FromChars);
BENCHMARK(Formata);
BENCHMARK(Formata_QLocaleToString);
BENCHMARK(Formata_Snprintf);
BENCHMARK(Separa);
BENCHMARK(Separa_QStringSplit);
BENCHMARK(ListaSep);
BENCHMARK(ListaSep_QStringSplit);
