#pragma once
// Names that callers give (locks, scheduled tasks, desktop entries) become file or unit names
// here. One rule makes them safe: ASCII letters, digits, "_" and "-" stay; every other byte of
// the name's UTF-8 form (".", "/", blanks, accents) becomes "%" and two upper-case hexadecimal
// digits, so no name can leave its folder, hide as a dot file or take another name's place.
// The empty name becomes "%". Different names never give the same result.

#include <QString>

namespace NomeSeguro {

QString Escapar(const QString& nome);

}  // namespace NomeSeguro
