#include "base/TDateTime.h"

#include <cmath>

namespace {
const QDate kEpoca(1899, 12, 30);
constexpr qint64 kMsPorDia = 86400000;

// The date-time's day and millisecond of the day, with the library's sign convention.
void Decompor(TDateTime value, qint64& dia, qint64& ms) {
    double inteiro = std::trunc(value);
    qint64 msTotal = std::llround(std::fabs(value - inteiro) * kMsPorDia);
    if (msTotal >= kMsPorDia) {
        msTotal -= kMsPorDia;
        inteiro += value < 0 ? -1 : 1;
    }
    dia = static_cast<qint64>(inteiro);
    ms = msTotal;
}
}  // namespace

namespace DataHora {

TDateTime FromQDate(const QDate& date) {
    return static_cast<double>(kEpoca.daysTo(date));
}

TDateTime FromQTime(const QTime& time) {
    return time.isValid() ? time.msecsSinceStartOfDay() / double(kMsPorDia) : 0.0;
}

TDateTime Combinar(TDateTime dia, TDateTime horaDoDia) {
    return dia < 0 ? dia - horaDoDia : dia + horaDoDia;
}

TDateTime FromQDateTime(const QDateTime& dateTime) {
    return Combinar(FromQDate(dateTime.date()), FromQTime(dateTime.time()));
}

QDate ToQDate(TDateTime value) {
    qint64 dia, ms;
    Decompor(value, dia, ms);
    return kEpoca.addDays(dia);
}

QTime ToQTime(TDateTime value) {
    qint64 dia, ms;
    Decompor(value, dia, ms);
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
}

QDateTime ToQDateTime(TDateTime value) {
    return QDateTime(ToQDate(value), ToQTime(value));
}

TDateTime DatePart(TDateTime value) {
    return std::trunc(value);
}

TDateTime TimePart(TDateTime value) {
    return std::fabs(value - std::trunc(value));
}

int DayOfWeek(TDateTime value) {
    return ToQDate(value).dayOfWeek() % 7 + 1;
}

}  // namespace DataHora
