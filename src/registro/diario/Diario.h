#pragma once
// The program's journal for the installer: one line per message on standard error, which the
// service manager keeps (under a systemd unit, the journal). A line reads
//   2026-12-10 20:31:07.412 AVISO mensagem
// with the local time to the millisecond and the level in capitals.
//
// A message is written when its level is at or above the level set (Erro is always written).
// Lines are written whole, in one write, so messages of different threads never interleave; the
// level and the switch of sale details may be read from any thread.
//
// What a POS sends about a sale (item names, amounts) is a customer's purchase: callers put it in
// a message only when DetalhesVenda() is on. Text that came from outside is written escaped
// (a control character as \xNN), so it can neither break a line nor forge one.

#include <QString>
#include <QStringView>

#include <optional>

#include "registro/ExportacaoRegistro.h"

namespace Diario {

enum class ENivel { Erro, Aviso, Info, Depuracao };
inline constexpr ENivel kNivelPadrao = ENivel::Aviso;

// The level a settings value names: "erro", "aviso", "info" or "depuracao" (any case); nothing
// for an empty or unknown name.
ORVANE_REGISTRO_EXPORT std::optional<ENivel> NivelPorNome(QStringView nome);

ORVANE_REGISTRO_EXPORT void DefinirNivel(ENivel nivel);
ORVANE_REGISTRO_EXPORT ENivel Nivel();
// Whether a message of this level would be written (to skip building one that would not).
ORVANE_REGISTRO_EXPORT bool Registra(ENivel nivel);

ORVANE_REGISTRO_EXPORT void DefinirDetalhesVenda(bool ligado);
ORVANE_REGISTRO_EXPORT bool DetalhesVenda();

// Writes the message when its level is registered.
ORVANE_REGISTRO_EXPORT void Escrever(ENivel nivel, QStringView mensagem);

// The line Escrever writes for the message at this moment, its line feed included.
ORVANE_REGISTRO_EXPORT QByteArray Linha(ENivel nivel, QStringView mensagem);

}  // namespace Diario
