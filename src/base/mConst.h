#pragma once
// Shared types of the library: the regional format settings (live record and the snapshot the
// library takes once at start), the list types, and the character-position convention.

#include <QChar>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

#include "base/ExportacaoBase.h"
#include "base/Variante.h"

// Regional format settings. Date and time patterns use the library's pattern letters
// (d, m, y, h, n, s; "/" and ":" stand for the separators), not Qt's.
struct ORVANE_BASE_EXPORT TFormatSettings {
    QChar DecimalSeparator;
    QChar ThousandSeparator;
    QChar DateSeparator;
    QChar TimeSeparator;
    QString ShortDateFormat;  // e.g. "dd/mm/yyyy": its letter order is the short-date order
    QString LongDateFormat;
    QString ShortTimeFormat;
    QString LongTimeFormat;
    QString TimeAMString;  // written by the "ampm" pattern letters
    QString TimePMString;
    QString CurrencyString;
    int CurrencyDecimals = 2;
    std::array<QString, 7> ShortDayNames;  // Sunday first, three letters, no trailing point
    std::array<QString, 7> LongDayNames;   // Sunday first
    std::array<QString, 12> ShortMonthNames;
    std::array<QString, 12> LongMonthNames;

    // The settings of a Brazilian Windows installation, for which the library is written.
    static TFormatSettings Brasileiro();
    // The settings of a locale; the bare C/POSIX locale gives Brasileiro().
    static TFormatSettings DoLocale(const QLocale& locale);
};

// The live, process-wide record, filled from the system locale on first use.
ORVANE_BASE_EXPORT TFormatSettings& FormatSettings();

namespace mConst {
// The snapshot the library copies once from the live record; library routines read this.
ORVANE_BASE_EXPORT const TFormatSettings& Regionais();
// Sets both the live record and the snapshot: for program start and for tests.
ORVANE_BASE_EXPORT void DefinirRegionais(const TFormatSettings& settings);
}  // namespace mConst

using TcrvArrayString = QVector<QString>;
using TcrvArrayInteger = QVector<int>;
using TcrvArrayVariant = QVector<Variante>;

struct TcrvArquivo {
    QString Nome;
    double DataHora = 0;  // TDateTime
    qint64 Tamanho = 0;
};
using TcrvArrayArquivo = QVector<TcrvArquivo>;
