#pragma once
// What the wait window takes from this machine's flag files, and the texts it shows about time.
// Nothing here draws: the window (desenho/aguarde) asks and shows.
//
// Display mode file "C:\corvel\Config\VESTRA\Flags\AguardeShow.txt", first line an integer:
// 0 = the window is created hidden, 1 = bottom-right corner of the work area, 2 = centred. A
// missing or empty file, a first line that is not an integer, or a negative number give 2.
// Elapsed-time file "C:\Corvel\Config\QEV\Flags\TEMPO.txt": its presence alone asks closing a
// wait window to report how long it was open.

#include <QString>
#include <QtGlobal>

#include "registro/ExportacaoRegistro.h"

namespace FlagsAguarde {

enum EModo { kOculto = 0, kCantoInferiorDireito = 1, kCentralizado = 2 };

// The display mode read from the mode file now (the window reads it once per process).
ORVANE_REGISTRO_EXPORT int LerModoAguarde();
// The mode a first line stands for: an integer from 0 up (2 for anything else); a value above 2
// is kept, and shows the window as 2 does.
ORVANE_REGISTRO_EXPORT int ModoDaLinha(const QString& primeiraLinha);
// The elapsed-time flag file is present.
ORVANE_REGISTRO_EXPORT bool ReportarTempo();

// "Concluído! Tempo (MM:SS): " + the elapsed time as minutes 00-59 (hours dropped), seconds,
// comma, milliseconds: 83 500 ms -> "Concluído! Tempo (MM:SS): 01:23,500". Negative counts as 0.
ORVANE_REGISTRO_EXPORT QString TextoConcluido(qint64 decorridoMs);

// The progress and time line: "P/X - Decorrido hh:nn:ss - Restante hh:nn:ss", with E the
// milliseconds since counting started and the remaining time (X - P) x E / P (a position of 0
// counts as 1), rounded, never negative, never overflowing; hours are not wrapped at 24.
ORVANE_REGISTRO_EXPORT QString TextoTempo(int posicao, int maximo, qint64 decorridoMs);

}  // namespace FlagsAguarde
