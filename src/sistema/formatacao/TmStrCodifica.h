#pragma once
// Number bases and the library's 8-bit text encodings: hexadecimal texts, Base64, the 2-bit
// compressor and the transport escaping.
//
// The encodings carry one byte per character. Characters 0 to 255 (Latin-1) come back whole from
// every encoding and its inverse; a character above 255 has no byte and is written as "?", as the
// code page writes a character it lacks.

#include <QString>
#include <QStringView>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmStr {

// Upper-case hexadecimal without leading zeros; a negative number as its 32-bit two's
// complement (-1 gives FFFFFFFF), so that HexaToDecimal reads it back.
ORVANE_SISTEMA_EXPORT QString DecimalToHex(int Decimal);
// Hexadecimal digits in either case read as a 32-bit two's complement number (FFFFFFFF is -1).
// 0 for an empty text, for any other character and for more than 8 digits after leading zeros:
// such a number does not fit.
ORVANE_SISTEMA_EXPORT int HexaToDecimal(QStringView HexaStr);
// The absolute value in base 2 without leading zeros, "-" in front of a negative number
// (the smallest integer included); 0 gives thirty-two "0".
ORVANE_SISTEMA_EXPORT QString DecToBin(int N);

// Each character's code as exactly two upper-case hexadecimal digits.
ORVANE_SISTEMA_EXPORT QString Heximiza(QStringView Palavra);
// Two characters at a time read as a hexadecimal code; a last single character is ignored, and
// so is a pair that is not two hexadecimal digits.
ORVANE_SISTEMA_EXPORT QString DesHeximiza(QStringView Palavra);

// Standard Base64 (RFC 4648 alphabet, "=" fill) of the low 8 bits of each character (UTF-16
// unit): Latin-1 texts come through whole, "€" gives the byte 0xAC.
ORVANE_SISTEMA_EXPORT QString EncodeBase64(QStringView inStr);

// 2-bit symbol packing: a blank is one symbol (0); each of the letters e t a o n i r s h d l is
// two (its code 4 to 14, high half first); any other character is the escape code 15 then the
// low 8 bits of its code in four symbols, highest first. The escape code and a character 0 end the
// text. Symbols are packed four to a byte from the highest bits down, one byte to a result
// character (0 to 255); the last byte's free symbols are 0. There is no length limit.
ORVANE_SISTEMA_EXPORT QString ComprimeString(QStringView Original);
// The inverse. A character 0 ends the text only where its escape is the last thing in the data
// (nothing but the last byte's fill after it); before that it is a character 0 of the text, so a
// text holding one comes back whole. Data cut short ends with the last whole character.
ORVANE_SISTEMA_EXPORT QString DescomprimeString(QStringView Original);

// Transport escaping into printable 7-bit text: 32 to 126 stay, except the double quote, the
// single quote and the grave accent, which become "_", "-" and "~" (and are not restored); "æ"
// becomes "¾"; any other character (UTF-16 unit) becomes "æ" and its whole code in upper-case
// hexadecimal, at least two digits ("€" is "æ20AC").
ORVANE_SISTEMA_EXPORT QString Asc2Ansi(QStringView Original);
// The inverse, in one pass: "æ" and two hexadecimal digits is the character of that code, "¾" is
// "æ"; anything else (an "æ" without two digits after it included) is copied. It reads two
// digits only, so it restores the characters up to 255.
ORVANE_SISTEMA_EXPORT QString Ansi2Asc(QStringView Original);

}  // namespace TmStr
