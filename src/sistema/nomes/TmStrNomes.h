#pragma once
// Names of people, firms and places as the library writes them: Brazilian capitalisation and
// abbreviation to a width. Upper and lower case follow the full Unicode rules whatever the
// regional settings; "character" means a code point.

#include <QString>
#include <QStringView>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmStr {
// Every word (text between blanks; double blanks stay) with its first character in capitals and
// the rest in small letters; the particles da, de, do, das, dos, na, nas, no, nos, a, e, o, em
// and com all in small letters. The character after a word's first "." is a capital too:
// «JOSÉ DA SILVA» gives «José da Silva», «j.silva» gives «J.Silva».
ORVANE_SISTEMA_EXPORT QString Capitaliza(QStringView S);

// The name in capitals, trimmed, with single blanks and its XML entities decoded, made to fit
// aiMax characters, its length counted with every ". " written ".": first by the library's
// abbreviations of words (first word first), then by initials of words from the second on (an
// abbreviation already there stays), and at last cut to aiMax. The result always has ". " written
// "." and a lone IND, INDL, COM or COML between words followed by ".".
ORVANE_SISTEMA_EXPORT QString AbreviarNome(QStringView asNome, int aiMax);
}  // namespace TmStr
