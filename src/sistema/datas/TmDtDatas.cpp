#include "sistema/datas/TmDtDatas.h"

#include <QDate>
#include <QTime>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "base/FormatoDataHora.h"
#include "base/Relogio.h"
#include "base/RtlDatas.h"
#include "base/RtlNumeros.h"
#include "base/internal/Texto.h"
#include "base/mConst.h"
#include "sistema/datas/internal/Calendario.h"
#include "sistema/formatacao/TmStrPreenche.h"
#include "texto/conversao/TmConv.h"
#include "texto/conversao/TmStrNumeros.h"
#include "texto/separacao/TmStrSepara.h"

using TextoInterno::Copy;

namespace {

constexpr qint64 kMsPorDia = 86400000;
constexpr qint64 kMsPorHora = 3600000;
constexpr qint64 kMsPorMinuto = 60000;

const TFormatSettings& Regionais() {
    return mConst::Regionais();
}

// The calendar date of a value, invalid when the value is not a date of the years 1..9999.
QDate Dia(TDateTime valor) {
    return Calendario::NoIntervalo(valor) ? DataHora::ToQDate(valor) : QDate();
}

TDateTime Hoje() {
    return DataHora::DatePart(Relogio::Agora());
}

// Milliseconds since 30 December 1899 00:00 on a straight time line: before that day the value's
// number counts days backwards but its fraction forwards (-1.25 is 29 December, 06:00), which
// plain addition would get wrong. Only for values in the library's range.
qint64 EmMs(TDateTime valor) {
    const double dia = std::trunc(valor);
    const double fracao = std::fabs(valor - dia);
    return std::llround((dia < 0 ? dia + fracao : valor) * kMsPorDia);
}

TDateTime DeMs(qint64 ms) {
    const qint64 dia = ms >= 0 ? ms / kMsPorDia : -((-ms + kMsPorDia - 1) / kMsPorDia);
    return DataHora::Combinar(double(dia), double(ms - dia * kMsPorDia) / kMsPorDia);
}

// The value moved on by a span of time along the calendar; a value that is not a date is
// moved as a plain number.
TDateTime SomarMs(TDateTime valor, qint64 ms) {
    if (!Calendario::NoIntervalo(valor))
        return valor + double(ms) / kMsPorDia;
    return DeMs(EmMs(valor) + ms);
}

// Calendar months: the day clamped to the target month's length, the time of day kept.
TDateTime SomarMeses(TDateTime valor, qint64 meses) {
    const QDate dia = Dia(valor);
    if (!dia.isValid())
        return valor;
    // Beyond 10 000 years every result is out of range anyway; the clamp keeps the count an int.
    constexpr qint64 kLimite = 12 * 10000;
    const QDate movido = dia.addMonths(int(std::clamp(meses, -kLimite, kLimite)));
    return DataHora::Combinar(DataHora::FromQDate(movido), DataHora::TimePart(valor));
}

QString Formatar(QStringView formato, TDateTime valor) {
    return Rtl::FormatDateTime(formato, valor, Regionais());
}

// A field of a masked text, when it reads as an integer other than 0.
bool Digitado(QStringView texto, int posicao, int tamanho) {
    const auto valor = Rtl::TryStrToInt(Copy(texto, posicao, tamanho));
    return valor && *valor != 0;
}

// At least two digits.
QString Dois(qint64 valor) {
    return TmStr::StrZero(int(valor), 2);
}

QString FormatoAnoPeriodo(TDateTime data) {
    return TmDt::GetAno(data, false) >= 2000 ? QStringLiteral("yy") : QStringLiteral("yyyy");
}
QString DataCurta(TDateTime data) {
    return Formatar(QStringLiteral("dd/mm/") + FormatoAnoPeriodo(data), data);
}
QString MesCurto(TDateTime data) {
    return Formatar(QStringLiteral("mm/") + FormatoAnoPeriodo(data), data);
}
QString Ate(const QString& inicio, const QString& fim) {
    return inicio + QStringLiteral(" até ") + fim;
}

const std::array<QString, 12> kMeses = {
    QStringLiteral("Janeiro"), QStringLiteral("Fevereiro"), QStringLiteral("Março"),
    QStringLiteral("Abril"),   QStringLiteral("Maio"),      QStringLiteral("Junho"),
    QStringLiteral("Julho"),   QStringLiteral("Agosto"),    QStringLiteral("Setembro"),
    QStringLiteral("Outubro"), QStringLiteral("Novembro"),  QStringLiteral("Dezembro")};
const std::array<QString, 7> kDias = {
    QStringLiteral("Domingo"),      QStringLiteral("Segunda-feira"), QStringLiteral("Terça-feira"),
    QStringLiteral("Quarta-feira"), QStringLiteral("Quinta-feira"),  QStringLiteral("Sexta-feira"),
    QStringLiteral("Sábado")};
const std::array<QString, 7> kDiasAbreviados = {
    QStringLiteral("Dom"), QStringLiteral("Seg"), QStringLiteral("Ter"), QStringLiteral("Qua"),
    QStringLiteral("Qui"), QStringLiteral("Sex"), QStringLiteral("Sáb")};

}  // namespace

namespace TmDt {

// ---- Moving dates ----

TDateTime SetAjuste(TDateTime Data, int Dias, int Meses, int Semanas, int Anos) {
    TDateTime valor = Data == 0 ? Hoje() : Data;
    valor = SomarMs(valor, Dias * kMsPorDia);
    valor = SomarMeses(valor, Meses);
    valor = SomarMs(valor, qint64(Semanas) * 7 * kMsPorDia);
    return SomarMeses(valor, Anos * qint64(12));
}

TDateTime AddDays(TDateTime Data, int Dias) {
    return SomarMs(Data, Dias * kMsPorDia);
}
TDateTime AddHours(TDateTime Data, int Horas) {
    return SomarMs(Data, Horas * kMsPorHora);
}
TDateTime AddMinutes(TDateTime Data, int Minutos) {
    return SomarMs(Data, Minutos * kMsPorMinuto);
}
TDateTime AddMonths(TDateTime Data, int Meses) {
    return SomarMeses(Data, Meses);
}
TDateTime AddYears(TDateTime Data, int Anos) {
    return SomarMeses(Data, Anos * qint64(12));
}

TDateTime SetYear(TDateTime Data, int Ano) {
    const QDate dia = Dia(Data);
    if (!dia.isValid() || Ano < 1 || Ano > 9999)
        return 0;
    const int diaDoMes = dia.month() == 2 && dia.day() == 29 ? 28 : dia.day();
    return DataHora::FromQDate(QDate(Ano, dia.month(), diaDoMes));
}

// ---- Bounds ----

TDateTime SetInicioDaSemana(TDateTime Data) {
    return Dia(Data).isValid() ? SomarMs(Data, -(DataHora::DayOfWeek(Data) - 1) * kMsPorDia) : 0;
}
TDateTime SetFimDaSemana(TDateTime Data) {
    return Dia(Data).isValid() ? SomarMs(Data, (7 - DataHora::DayOfWeek(Data)) * kMsPorDia) : 0;
}

TDateTime SetInicioDoMes(TDateTime Data) {
    const QDate dia = Dia(Data);
    return dia.isValid() ? DataHora::FromQDate(QDate(dia.year(), dia.month(), 1)) : 0;
}
TDateTime SetFimDoMes(TDateTime Data) {
    const QDate dia = Dia(Data);
    if (!dia.isValid())
        return 0;
    return DataHora::Combinar(
        DataHora::FromQDate(QDate(dia.year(), dia.month(), dia.daysInMonth())),
        DataHora::FromQTime(QTime(23, 59, 59, 999)));
}
TDateTime SetInicioDoAno(TDateTime Data) {
    const QDate dia = Dia(Data);
    return dia.isValid() ? DataHora::FromQDate(QDate(dia.year(), 1, 1)) : 0;
}

bool IsUltimoDiaMes(TDateTime Data) {
    const QDate dia = Dia(Data);
    return dia.isValid() && dia.day() == dia.daysInMonth();
}
int DaysInMonth(TDateTime Data) {
    return Dia(Data).daysInMonth();
}
bool IsLeapYear(TDateTime Data) {
    const QDate dia = Dia(Data);
    return dia.isValid() && QDate::isLeapYear(dia.year());
}
bool Between(TDateTime adData, TDateTime adDataInicial, TDateTime adDataFinal) {
    return adDataInicial <= adData && adData <= adDataFinal;
}

// ---- Parts ----

int GetDia(TDateTime ahData) {
    return Dia(ahData).day();
}
int GetMes(TDateTime ahData) {
    return Dia(ahData).month();
}
int GetAno(TDateTime ahData, bool abAbreviado) {
    const int ano = Dia(ahData).year();
    return abAbreviado ? ano % 100 : ano;
}

int GetDiasDatas(TDateTime DtInicial, TDateTime DtFinal) {
    if (!Calendario::NoIntervalo(DtInicial) || !Calendario::NoIntervalo(DtFinal))
        return 0;
    return int((EmMs(DtFinal) - EmMs(DtInicial)) / kMsPorDia);
}

QString GetDetalheAnoMesDia(TDateTime Data, TDateTime DataAtual, QStringView Separador) {
    qint64 anos = 0, meses = 0, dias = 0;
    if (Calendario::NoIntervalo(Data) && Calendario::NoIntervalo(DataAtual)) {
        const qint64 atual = EmMs(DataAtual);
        anos = qint64(std::abs(atual - EmMs(Data)) / (365.25 * kMsPorDia));
        const TDateTime aposAnos = SomarMeses(Data, anos * 12);
        meses = qint64(std::abs(atual - EmMs(aposAnos)) / (30.4375 * kMsPorDia));
        dias = std::abs(atual - EmMs(SomarMeses(aposAnos, meses))) / kMsPorDia;
    }
    const QString separador = Separador.toString();
    return Dois(anos) + separador + Dois(meses) + separador + Dois(dias);
}

// ---- Texts ----

bool DataValida(QStringView Data) {
    return Data.contains(u':') ? Rtl::TryStrToDateTime(Data, Regionais()).has_value()
                               : Rtl::TryStrToDate(Data, Regionais()).has_value();
}

TDateTime StrToDataHora(QStringView Dt, TDateTime Default) {
    return Rtl::TryStrToDateTime(Dt, Regionais()).value_or(Default);
}

TDateTime StrToDateTime(QStringView asData, TDateTime asDefault) {
    constexpr std::array<std::pair<int, int>, 6> kCampos = {
        {{1, 4}, {6, 2}, {9, 2}, {12, 2}, {15, 2}, {18, 2}}};
    std::array<int, 6> v{};
    for (size_t i = 0; i < kCampos.size(); ++i) {
        const auto campo = Rtl::TryStrToInt(Copy(asData, kCampos[i].first, kCampos[i].second));
        if (!campo)
            return asDefault;
        v[i] = *campo;
    }
    const QDate dia(v[0], v[1], v[2]);
    if (!dia.isValid() || v[0] < 1 || v[0] > 9999 || !QTime::isValid(v[3], v[4], v[5]))
        return asDefault;
    return DataHora::Combinar(DataHora::FromQDate(dia),
                              DataHora::FromQTime(QTime(v[3], v[4], v[5])));
}

QString CompletaData(QStringView Data) {
    const QStringView t = TextoInterno::Aparar(Data);
    const TDateTime agora = Relogio::Agora();
    if (Data.size() < 10 || t == u"/  /")
        return Formatar(Regionais().ShortDateFormat, agora);
    if (t == u"/  /       :")
        return Formatar(u"c", agora);
    // A typed hour and its minutes are kept as typed; a missing one is now.
    const QString horaAgora = Formatar(u"hh:nn", agora);
    const QString hora = Digitado(Data, 12, 2) ? Copy(Data, 11, 6) : QLatin1Char(' ') + horaAgora;
    if (!Digitado(Data, 1, 2))
        return Data.toString();
    const QString comHora = t.contains(u':') ? hora : QString();
    const QString anoAtual = Formatar(u"yyyy", agora);
    if (!Digitado(Data, 4, 2))
        return Copy(Data, 1, 3) + Formatar(u"mm", agora) + Regionais().DateSeparator + anoAtual +
               comHora;
    const QString campoAno = Copy(Data, 7, 4);
    const int ano = Rtl::TryStrToInt(TextoInterno::Aparar(campoAno)).value_or(0);
    if (ano == 0 && !campoAno.contains(QStringLiteral("00")))
        return Copy(Data, 1, 6) + anoAtual + comHora;
    if (ano < 999)
        return Copy(Data, 1, 6) + QString::number(ano < 50 ? ano + 2000 : ano + 1900) + comHora;
    if (t.contains(u':') && !Digitado(Data, 12, 2))
        return Copy(Data, 1, 11) + horaAgora;
    return Data.toString();
}

QString CompletaHora(QStringView Hora) {
    if (Hora.isEmpty())
        return QStringLiteral("00:00");
    QString hora = TmStr::PadLeft(Hora, 5, u' ', true);
    for (const int i : {0, 1, 3, 4})
        if (hora[i] == u' ')
            hora[i] = u'0';
    return hora;
}

int HoraParaMin(QStringView Hora) {
    if (Hora.isEmpty() || TextoInterno::Aparar(Hora) == u":")
        return 0;
    const QString sinal = Hora.startsWith(u'-') ? QStringLiteral("-") : QString();
    const qint64 horas = TmConv::ToInt(TmStr::Separa(Hora, u':', 1), 0);
    const qint64 minutos = TmConv::ToInt(sinal + TmStr::Separa(Hora, u':', 2), 0);
    const qint64 total = horas * 60 + minutos;
    const bool cabe =
        total >= std::numeric_limits<int>::min() && total <= std::numeric_limits<int>::max();
    return cabe ? int(total) : 0;
}

QString MinParaHora(int Minutos) {
    const int h = Minutos / 60;
    const int resto = std::abs(Minutos % 60);
    QString horas;
    if (h < -99)
        horas = TmStr::StrZero(h, 4);
    else if (h < 0)
        horas = TmStr::StrZero(h, 3);
    else if (h == 0 && Minutos < 0)
        horas = QStringLiteral("-00");
    else
        horas = TmStr::StrZero(h, 2);
    return horas + QLatin1Char(':') + TmStr::StrZero(resto, 2);
}

QString FormatarTempo(qint64 aiSegungos) {
    if (aiSegungos <= 0)
        return {};
    const qint64 horas = aiSegungos / 3600;
    const qint64 minutos = aiSegungos / 60 % 60;
    const qint64 segundos = aiSegungos % 60;
    const auto parte = [](qint64 n, const char* unidade) {
        return QString::number(n) + QLatin1Char(' ') + QLatin1String(unidade) +
               (n > 1 ? QStringLiteral("s") : QString());
    };
    QString texto;
    if (horas > 0)
        texto = parte(horas, "hora");
    if (minutos > 0) {
        if (!texto.isEmpty())
            texto += segundos > 0 ? QStringLiteral(", ") : QStringLiteral(" e ");
        texto += parte(minutos, "minuto");
    }
    if (segundos > 0) {
        if (!texto.isEmpty())
            texto += QStringLiteral(" e ");
        texto += parte(segundos, "segundo");
    }
    return texto;
}

QString Data2Ansi(TDateTime Data, QStringView Formato, bool ComAspas) {
    const QString texto = Formatar(Formato, Data);
    return ComAspas ? TextoInterno::Aspas(texto) : texto;
}
QString Data2Ansi(TDateTime Data, bool IncluirHora) {
    // Quoted separators: SQL wants "-" and ":" whatever the regional ones are.
    return Data2Ansi(Data, IncluirHora ? u"yyyy'-'mm'-'dd hh':'nn':'ss" : u"yyyy'-'mm'-'dd", true);
}
QString Hora2Ansi(TDateTime Data, bool ComAspas) {
    return Data2Ansi(Data, u"hh':'nn':'ss", ComAspas);
}

QString DataDetalhe(TDateTime Data) {
    const QString data = Formatar(u"dd/mm/yyyy", Data);
    if (data.isEmpty())
        return {};
    const QString& dia = Regionais().ShortDayNames[DataHora::DayOfWeek(Data) - 1];
    return data + QLatin1Char(' ') + TmStr::RemoveAcentos(dia.toLower(), false);
}

// ---- Names ----

QString GetNomeMes(int aiNumero) {
    return aiNumero >= 1 && aiNumero <= 12 ? kMeses[aiNumero - 1] : QString();
}
QString GetDiaSemana(int aiNumero, bool abAbreviado) {
    if (aiNumero < 1 || aiNumero > 7)
        return {};
    return (abAbreviado ? kDiasAbreviados : kDias)[aiNumero - 1];
}
int GetNumeroDiaSemana(QStringView pDia) {
    if (pDia.size() < 3)
        return 0;
    const char16_t c = pDia[2].unicode();
    const QChar letra = c >= u'a' && c <= u'z' ? QChar(c - u'a' + u'A') : QChar(c);
    const int posicao = QStringView(u"GRAIXBM").indexOf(letra);
    return posicao + 1;
}

// ---- Ranges ----

TAPeriodo GetPeriodos(TDateTime ahDtInicial, TDateTime ahDtFinal, int aiDias) {
    const TPeriodo inteiro{ahDtInicial, ahDtFinal};
    if (aiDias < 1 || !Calendario::NoIntervalo(ahDtInicial) ||
        !Calendario::NoIntervalo(ahDtFinal) || ahDtInicial == ahDtFinal)
        return {inteiro};
    const qint64 fim = EmMs(ahDtFinal);
    const qint64 passo = (aiDias - 1) * kMsPorDia;
    TAPeriodo periodos;
    qint64 cursor = EmMs(ahDtInicial);
    for (;;) {
        TPeriodo periodo{periodos.isEmpty() ? ahDtInicial : DeMs(cursor), ahDtFinal};
        cursor += passo;
        const bool continua = fim > cursor;
        if (continua)
            periodo.DtFinal = DeMs(cursor);
        periodos.append(periodo);
        cursor += kMsPorDia;
        if (!continua || cursor > fim)
            return periodos;
    }
}

QString GetExtPeriodo(TDateTime ahDtInicial, TDateTime ahDtFinal, QStringView asTextoVazio) {
    if (ahDtInicial == 0 || ahDtFinal == 0) {
        if (ahDtInicial > 0)
            return DataCurta(ahDtInicial);
        return ahDtFinal > 0 ? DataCurta(ahDtFinal) : asTextoVazio.toString();
    }
    if (ahDtInicial == ahDtFinal)
        return DataCurta(ahDtInicial);
    const bool iniciaMes = ahDtInicial == SetInicioDoMes(ahDtInicial);
    const bool terminaMes = IsUltimoDiaMes(ahDtFinal) && (DataHora::TimePart(ahDtFinal) == 0 ||
                                                          ahDtFinal == SetFimDoMes(ahDtFinal));
    const bool mesmoMes = GetMes(ahDtInicial) == GetMes(ahDtFinal) &&
                          GetAno(ahDtInicial, false) == GetAno(ahDtFinal, false);
    if (iniciaMes && terminaMes)
        return mesmoMes ? MesCurto(ahDtInicial) : Ate(MesCurto(ahDtInicial), MesCurto(ahDtFinal));
    if (iniciaMes && !mesmoMes)
        return Ate(MesCurto(ahDtInicial), DataCurta(ahDtFinal));
    if (terminaMes && !mesmoMes)
        return Ate(DataCurta(ahDtInicial), MesCurto(ahDtFinal));
    return Ate(DataCurta(ahDtInicial), DataCurta(ahDtFinal));
}

// ---- Time zone ----

QString GetTimeZone(const QTimeZone& fuso) {
    const int minutos = fuso.standardTimeOffset(DataHora::ToQDateTime(Relogio::Agora())) / 60;
    const int absoluto = std::abs(minutos);
    return (minutos < 0 ? QStringLiteral("-") : QString()) + Dois(absoluto / 60) +
           QLatin1Char(':') + Dois(absoluto % 60);
}
QString GetTimeZone() {
    return GetTimeZone(QTimeZone::systemTimeZone());
}

}  // namespace TmDt
