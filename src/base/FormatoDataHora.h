#pragma once
// The platform's date-time formatter with its own pattern letters (never QDateTime::toString's:
// here "nn" is minutes, "mm" a month unless it follows an hour, "zzz" milliseconds). Letters are
// read in either case; a run of the same letter is one field, and the run must repeat the same
// character exactly ("dD" is two one-letter fields).
//
//   d, dd        day of the month, without or with a leading zero
//   ddd, dddd    short day name (three letters, no point), long day name
//   ddddd        the short date pattern (ShortDateFormat); dddddd or more: LongDateFormat
//   m, mm        month without or with a leading zero; minutes when the last letter before it
//                (across anything that is not a letter) was an hour ("hh:mm")
//   mmm, mmmm    short month name, long month name (mmmm or more)
//   yy, yyyy     year in two digits, year in four (y gives two, yyy and more four)
//   h, hh        hour: 24-hour clock, or 12-hour when, of the letters "a" and "h" after it, the
//                first is an "a" that starts am/pm, a/p or ampm; n, nn minutes; s, ss seconds
//                (more than two letters write two digits)
//   z, zzz       milliseconds without or with leading zeros to three (zz: to two)
//   t, tt        ShortTimeFormat, LongTimeFormat
//   am/pm, a/p   "am" or "pm", "a" or "p", in the case written; the hours after it are on the
//                12-hour clock too
//   ampm         TimeAMString or TimePMString, likewise
//   aaa, aaaa    short and long day names, as ddd and dddd
//   c            ShortDateFormat, then one blank and LongTimeFormat unless the time is 00:00:00
//   / and :      the date and the time separator of the settings
//   '...' "..."  copied as written (an unclosed quote runs to the end)
// Every other character is copied. A pattern named by a letter (ddddd, dddddd, t, tt, c) is
// expanded once: a letter inside it that names a pattern again writes nothing. An empty format is
// "c". A value outside the years 1 to 9999 (or not a number) gives the empty text.

#include <QString>
#include <QStringView>

#include "base/ExportacaoBase.h"
#include "base/TDateTime.h"
#include "base/mConst.h"

namespace Rtl {

ORVANE_BASE_EXPORT QString FormatDateTime(QStringView formato, TDateTime valor,
                                          const TFormatSettings& fs);
// With the live regional record (FormatSettings()).
ORVANE_BASE_EXPORT QString FormatDateTime(QStringView formato, TDateTime valor);

}  // namespace Rtl
