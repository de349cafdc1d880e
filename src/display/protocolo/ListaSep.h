#pragma once
// Splits a text into fields on one delimiter character, strictly: only the delimiter separates,
// spaces and control characters are ordinary characters. This is the rule of the display's field
// list `ListaSep` (delimiter '|') and of the item list of command 1 (delimiter '&').
//
// - An empty text gives no fields. The text ends at its first NUL character: what follows is not
//   split.
// - A field that starts with a double quote is quoted: its value runs to the next double quote
//   that is not doubled, each pair of double quotes inside standing for one, and the delimiter
//   being ordinary inside. Without a closing quote the value is the rest of the text. Should a
//   character other than the delimiter follow the closing quote, the next field starts there.
// - Any other field runs to the next delimiter or the end of the text.
// - A delimiter that is the last character of the text adds one more, empty, field.
//
// With '|': "a|b" gives a and b; "a|" gives a and an empty field; "|" two empty fields; "a||b"
// three fields, the middle one empty; "\"a|b\"|c" gives a|b and c.

#include <QChar>
#include <QStringList>
#include <QStringView>

QStringList DividirCampos(QStringView texto, QChar delimitador);
