#include "base/RtlDatas.h"

#include "base/FormatoDataHora.h"
#include "base/internal/Regionais.h"
#include "base/internal/Texto.h"

namespace Rtl {

namespace {

struct Numero {
    int valor = 0;
    int digitos = 0;
};

// Reads one to maxDigitos decimal digits at i.
std::optional<Numero> LerNumero(QStringView t, qsizetype& i, int maxDigitos) {
    Numero n;
    while (i < t.size() && n.digitos < maxDigitos && TextoInterno::Digito(t[i])) {
        n.valor = n.valor * 10 + (t[i++].unicode() - '0');
        ++n.digitos;
    }
    if (n.digitos == 0)
        return std::nullopt;
    return n;
}

bool Consumir(QStringView t, qsizetype& i, QChar c) {
    if (i >= t.size() || t[i] != c)
        return false;
    ++i;
    return true;
}

int AnoPorExtenso(const Numero& ano) {
    if (ano.digitos > 2)
        return ano.valor;
    return ano.valor + (ano.valor < 50 ? 2000 : 1900);
}

std::optional<QDate> LerData(QStringView t, qsizetype& i, const TFormatSettings& fs) {
    int dia = 0, mes = 0, ano = 0;
    const QString ordem = RegionaisInterno::OrdemDaData(fs.ShortDateFormat);
    for (int k = 0; k < 3; ++k) {
        if (k > 0 && !Consumir(t, i, fs.DateSeparator))
            return std::nullopt;
        const QChar campo = ordem[k];
        const auto n = LerNumero(t, i, campo == u'y' ? 4 : 2);
        if (!n)
            return std::nullopt;
        if (campo == u'd')
            dia = n->valor;
        else if (campo == u'm')
            mes = n->valor;
        else
            ano = AnoPorExtenso(*n);
    }
    const QDate data(ano, mes, dia);
    if (ano < 1 || !data.isValid())
        return std::nullopt;
    return data;
}

std::optional<QTime> LerHora(QStringView t, qsizetype& i, const TFormatSettings& fs) {
    const auto h = LerNumero(t, i, 2);
    if (!h || !Consumir(t, i, fs.TimeSeparator))
        return std::nullopt;
    const auto m = LerNumero(t, i, 2);
    if (!m)
        return std::nullopt;
    int s = 0, ms = 0;
    if (Consumir(t, i, fs.TimeSeparator)) {
        const auto seg = LerNumero(t, i, 2);
        if (!seg)
            return std::nullopt;
        s = seg->valor;
        if (Consumir(t, i, fs.DecimalSeparator)) {
            const auto fracao = LerNumero(t, i, 3);
            if (!fracao)
                return std::nullopt;
            ms = fracao->valor * (fracao->digitos == 1 ? 100 : fracao->digitos == 2 ? 10 : 1);
        }
    }
    if (h->valor > 23 || m->valor > 59 || s > 59)
        return std::nullopt;
    return QTime(h->valor, m->valor, s, ms);
}

}  // namespace

QString DateToStr(TDateTime value, const TFormatSettings& fs) {
    return FormatDateTime(u"dd/mm/yyyy", value, fs);
}

QString DateToStr(TDateTime value) {
    return DateToStr(value, FormatSettings());
}

QString TimeToStr(TDateTime value, const TFormatSettings& fs) {
    return FormatDateTime(u"hh:nn:ss", value, fs);
}

QString TimeToStr(TDateTime value) {
    return TimeToStr(value, FormatSettings());
}

QString DateTimeToStr(TDateTime value, const TFormatSettings& fs) {
    return FormatDateTime(u"dd/mm/yyyy hh:nn:ss", value, fs);
}

QString DateTimeToStr(TDateTime value) {
    return DateTimeToStr(value, FormatSettings());
}

std::optional<TDateTime> TryStrToDate(QStringView text, const TFormatSettings& fs) {
    const QStringView t = TextoInterno::SemEspacosETabsNasPontas(text);
    qsizetype i = 0;
    const auto data = LerData(t, i, fs);
    if (!data || i != t.size())
        return std::nullopt;
    return DataHora::FromQDate(*data);
}

std::optional<TDateTime> TryStrToDate(QStringView text) {
    return TryStrToDate(text, FormatSettings());
}

std::optional<TDateTime> TryStrToTime(QStringView text, const TFormatSettings& fs) {
    const QStringView t = TextoInterno::SemEspacosETabsNasPontas(text);
    qsizetype i = 0;
    const auto hora = LerHora(t, i, fs);
    if (!hora || i != t.size())
        return std::nullopt;
    return DataHora::FromQTime(*hora);
}

std::optional<TDateTime> TryStrToTime(QStringView text) {
    return TryStrToTime(text, FormatSettings());
}

std::optional<TDateTime> TryStrToDateTime(QStringView text, const TFormatSettings& fs) {
    const QStringView t = TextoInterno::SemEspacosETabsNasPontas(text);
    qsizetype i = 0;
    const auto data = LerData(t, i, fs);
    if (!data)
        return TryStrToTime(t, fs);
    if (i == t.size())
        return DataHora::FromQDate(*data);
    const qsizetype aposData = i;
    while (i < t.size() && TextoInterno::EspacoOuTab(t[i]))
        ++i;
    if (i == aposData)
        return std::nullopt;
    const auto hora = LerHora(t, i, fs);
    if (!hora || i != t.size())
        return std::nullopt;
    return DataHora::Combinar(DataHora::FromQDate(*data), DataHora::FromQTime(*hora));
}

std::optional<TDateTime> TryStrToDateTime(QStringView text) {
    return TryStrToDateTime(text, FormatSettings());
}

}  // namespace Rtl
