#pragma once
// The speaker: tones of a frequency and a duration. There is no PC speaker to drive here; a tone
// is a sine wave (16-bit, mono, 44.1 kHz, 5 ms fades against clicks) played to the sound system
// by the first of pw-play, paplay and aplay that runs, and the terminal bell where none does.
// The system's error sound is the bell. Playing blocks for the tone's length, as the system's
// beep function did; frequencies outside 37..32767 Hz (that function's range) play nothing.
//
// Where sound goes is one installed output (TSaidaSom), the sound system by default; a program
// without sound, or a test, installs its own.

#include <QByteArray>
#include <functional>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

struct TSaidaSom {
    std::function<void(int Freq, int MSecs)> Tom;
    std::function<void()> SomErro;
    std::function<void(int MSecs)> Pausa;
};

namespace TmSpeaker {

// Installs the output every later tone goes to; an empty member keeps the default one.
ORVANE_SISTEMA_EXPORT void InstalarSaida(TSaidaSom saida);
ORVANE_SISTEMA_EXPORT void RestaurarSaida();

// The tone's samples as the sound system gets them.
ORVANE_SISTEMA_EXPORT QByteArray AmostrasTom(int Freq, int MSecs);

ORVANE_SISTEMA_EXPORT void PlaySound(int Freq, int MSecs);
ORVANE_SISTEMA_EXPORT void Bip();    // 2000 Hz for 100 ms
ORVANE_SISTEMA_EXPORT void SomOK();  // 2000 Hz 85 ms, 50 ms pause, 2000 Hz 85 ms
// Three tones of 1000 Hz for 220 ms, Velocidade ms apart; the error sound instead when the
// file C:\FLAG.TXT exists.
ORVANE_SISTEMA_EXPORT void BipErro(int Velocidade = 100);
ORVANE_SISTEMA_EXPORT void NoSound();  // nothing to silence: a tone ends by itself

}  // namespace TmSpeaker
