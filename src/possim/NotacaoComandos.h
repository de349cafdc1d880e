#pragma once
// The readable notation of a command line for the POS simulator: "<code>:<parameters>", where
// <code> is the command's number, 1 to 9 or 101 to 104 (the letters e to h are accepted for
// 101 to 104), and <parameters> the parameter text, possibly empty. "1:1|123|ARROZ" is command 1
// with the parameters 1|123|ARROZ; "e:0,50|35,77" and "101:0,50|35,77" are the same command.
//
// On the wire the code travels as one character (bytes 1 to 9, the letters 'e' to 'h'), then one
// filler blank, the parameters and a line feed. The protocol is 7-bit text: letters with accents
// lose them (ê becomes e) and any other character outside ASCII becomes '?'; a line feed or a
// carriage return inside the parameters is refused, as it would cut the line.
//
// Returns the bytes to send, or nothing with the reason in erro.

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

std::optional<QByteArray> CodificarLinha(QStringView notacao, QString& erro);
