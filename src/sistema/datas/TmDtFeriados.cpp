#include "sistema/datas/TmDtFeriados.h"

#include <QDate>
#include <QStringView>
#include <array>
#include <cmath>

#include "sistema/datas/internal/Calendario.h"

namespace {

struct FeriadoFixo {
    int mes;
    int dia;
    int desde;  // the first year it is a holiday
    QStringView nome;
};

constexpr std::array<FeriadoFixo, 9> kFixos = {{
    {1, 1, 1, u"Confraternização Universal"},
    {4, 21, 1, u"Tiradentes"},
    {5, 1, 1, u"Dia do Trabalho"},
    {9, 7, 1, u"Independência do Brasil"},
    {10, 12, 1, u"Nossa Senhora Aparecida"},
    {11, 2, 1, u"Finados"},
    {11, 15, 1, u"Proclamação da República"},
    {11, 20, 2024, u"Dia Nacional de Zumbi e da Consciência Negra"},
    {12, 25, 1, u"Natal"},
}};

struct FeriadoMovel {
    int diasDaPascoa;
    QStringView nome;
};

// In the order the names are looked up.
constexpr std::array<FeriadoMovel, 4> kMoveis = {{
    {0, u"Páscoa"},
    {-47, u"Carnaval"},
    {-2, u"Sexta-feira da Paixão"},
    {60, u"Corpus Christi"},
}};

// Carnaval falls on 3 February at the earliest, Corpus Christi on 24 June at the latest.
constexpr int kPrimeiroMesMovel = 2;
constexpr int kUltimoMesMovel = 6;

// The one rule behind IsFeriado and GetFeriadoStr: the holiday's name, or a null view.
QStringView NomeDoFeriado(TDateTime data) {
    if (!Calendario::NoIntervalo(data))
        return {};
    int ano, mes, dia;
    DataHora::ToQDate(data).getDate(&ano, &mes, &dia);
    for (const FeriadoFixo& f : kFixos)
        if (f.mes == mes && f.dia == dia && ano >= f.desde)
            return f.nome;
    if (mes < kPrimeiroMesMovel || mes > kUltimoMesMovel || data != std::trunc(data))
        return {};
    const TDateTime pascoa = TmDt::GetPascoa(ano);
    for (const FeriadoMovel& f : kMoveis)
        if (data == pascoa + f.diasDaPascoa)
            return f.nome;
    return {};
}

}  // namespace

namespace TmDt {

TDateTime GetPascoa(int Ano) {
    if (Ano < 1 || Ano > 9999)
        return 0;
    // The Gregorian computus; C++ division truncates toward zero, as the rule expects.
    const int g = Ano % 19;
    const int c = Ano / 100;
    const int h = (c - c / 4 - (8 * c + 13) / 25 + 19 * g + 15) % 30;
    const int i = h - (h / 28) * (1 - (h / 28) * (29 / (h + 1)) * ((21 - g) / 11));
    const int j = (Ano + Ano / 4 + i + 2 - c + c / 4) % 7;
    const int l = i - j;
    const int mes = 3 + (l + 40) / 44;
    const int dia = l + 28 - 31 * (mes / 4);
    QDate pascoa(Ano, mes, dia);
    if (!pascoa.isValid())
        return 0;
    // The rule always lands on a Sunday; the step is a guard, at most six days.
    while (pascoa.dayOfWeek() != Qt::Sunday)
        pascoa = pascoa.addDays(1);
    return DataHora::FromQDate(pascoa);
}

bool IsFeriado(TDateTime Data) {
    return !NomeDoFeriado(Data).isNull();
}

QString GetFeriadoStr(TDateTime Data) {
    return NomeDoFeriado(Data).toString();
}

}  // namespace TmDt
