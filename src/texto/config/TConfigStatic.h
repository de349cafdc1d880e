#pragma once
// One-call access to a settings file without keeping an object. Every operation opens the file
// with TmConfig (loading what exists), does one read or one write and releases it; nothing is
// cached, so each call reads the whole file and each write rewrites it. Format, search and
// insertion rules and the text forms of values are TmConfig's.
//
// Arquivo, the last argument of every operation, names the file; an empty Arquivo (exactly
// empty: blanks are a name) is the running program's file with its extension replaced by ".ini"
// (ArquivoPadrao).
//
// Several programs write one file (the display and the POS): a write holds an exclusive lock on
// the file from its load to its save, so writers queue and none loses the keys of another; a
// read holds a shared lock, so it never sees a file half rewritten in place. The lock is flock on
// "<file>.lock" beside the file: a save replaces the file by a new one, and a lock on the file
// itself would be left on the replaced copy while the next writer locked the new one. The lock
// file stays (removing it would reopen that gap). Where the folder takes no new file the save
// rewrites the file in place, and the file itself is locked. Locks are advisory: they order the
// callers of this unit, not other writers of the file, and a write waits as long as a writer
// ahead of it holds the lock.
//
// Failures: a missing file reads as empty, so every read gives its default. A file that exists
// but cannot be read raises EInOutError, and so does a write that cannot be saved (folder
// missing, read-only file): a lost write is reported, never passed off as done.
//
// A text default or value given as a literal ("22334") is text: the const char* overloads keep
// it from converting to bool, which C++ would prefer to the conversion to QString.

#include <QString>
#include <QStringList>
#include <cstdint>

#include "base/Currency.h"
#include "base/TDateTime.h"

namespace TConfigStatic {

// The running program's path with its extension replaced by ".ini" (added when it has none).
// Read from the system (/proc/self/exe), so it holds before an application object exists, and
// the path the program was started from even after an update replaced the file.
QString ArquivoPadrao();

// ---- reading: the value of Item in the section Chave, or Padrao (TmConfig's typed reads) ----
QString Ler(const QString& Chave, const QString& Item, const QString& Padrao,
            const QString& Arquivo = {});
QString Ler(const QString& Chave, const QString& Item, const char* Padrao,
            const QString& Arquivo = {});
std::int32_t Ler(const QString& Chave, const QString& Item, std::int32_t Padrao,
                 const QString& Arquivo = {});
bool Ler(const QString& Chave, const QString& Item, bool Padrao, const QString& Arquivo = {});
double LerFloat(const QString& Chave, const QString& Item, double Padrao,
                const QString& Arquivo = {});
Currency LerCurr(const QString& Chave, const QString& Item, Currency Padrao,
                 const QString& Arquivo = {});
TDateTime LerDate(const QString& Chave, const QString& Item, TDateTime Padrao,
                  const QString& Arquivo = {});
TDateTime LerDateTime(const QString& Chave, const QString& Item, TDateTime Padrao,
                      const QString& Arquivo = {});

// ---- reading from the section "Config" ----
QString LerConfig(const QString& Item, const QString& Padrao, const QString& Arquivo = {});
QString LerConfig(const QString& Item, const char* Padrao, const QString& Arquivo = {});
std::int32_t LerConfig(const QString& Item, std::int32_t Padrao, const QString& Arquivo = {});
bool LerConfig(const QString& Item, bool Padrao, const QString& Arquivo = {});
double LerFloatConfig(const QString& Item, double Padrao, const QString& Arquivo = {});
Currency LerCurrConfig(const QString& Item, Currency Padrao, const QString& Arquivo = {});
TDateTime LerDateConfig(const QString& Item, TDateTime Padrao, const QString& Arquivo = {});
TDateTime LerDateTimeConfig(const QString& Item, TDateTime Padrao, const QString& Arquivo = {});

// ---- writing: sets Item in the section Chave, creating file, section and key when needed
// (TmConfig's typed writes; an empty text removes an existing key) ----
void Gravar(const QString& Chave, const QString& Item, const QString& Valor,
            const QString& Arquivo = {});
void Gravar(const QString& Chave, const QString& Item, const char* Valor,
            const QString& Arquivo = {});
void Gravar(const QString& Chave, const QString& Item, std::int32_t Valor,
            const QString& Arquivo = {});
void Gravar(const QString& Chave, const QString& Item, bool Valor, const QString& Arquivo = {});
void GravarFloat(const QString& Chave, const QString& Item, double Valor,
                 const QString& Arquivo = {});
void GravarCurr(const QString& Chave, const QString& Item, Currency Valor,
                const QString& Arquivo = {});
void GravarDate(const QString& Chave, const QString& Item, TDateTime Valor,
                const QString& Arquivo = {});
void GravarDateTime(const QString& Chave, const QString& Item, TDateTime Valor,
                    const QString& Arquivo = {});

// ---- writing to the section "Config" (there is no date-and-time write here) ----
void GravarConfig(const QString& Item, const QString& Valor, const QString& Arquivo = {});
void GravarConfig(const QString& Item, const char* Valor, const QString& Arquivo = {});
void GravarConfig(const QString& Item, std::int32_t Valor, const QString& Arquivo = {});
void GravarConfig(const QString& Item, bool Valor, const QString& Arquivo = {});
void GravarFloatConfig(const QString& Item, double Valor, const QString& Arquivo = {});
void GravarCurrConfig(const QString& Item, Currency Valor, const QString& Arquivo = {});
void GravarDateConfig(const QString& Item, TDateTime Valor, const QString& Arquivo = {});

// ---- sections (Saida is emptied, then filled; TmConfig's section operations) ----
void LerSecoes(QStringList& Saida, const QString& Arquivo = {});
void LerSecao(QStringList& Saida, const QString& Secao, const QString& Arquivo = {});
void LerSecaoValues(QStringList& Saida, const QString& Secao, const QString& Arquivo = {});
// Removes the section; the file is not rewritten when the section is absent.
void LimparSecao(const QString& Secao, const QString& Arquivo = {});
// Removes the key; the file is not rewritten when the key is absent.
void Excluir(const QString& Chave, const QString& Item, const QString& Arquivo = {});

}  // namespace TConfigStatic
