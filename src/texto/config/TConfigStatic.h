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
// Several programs write one file (the display and the POS): every call goes through TmConfig,
// whose load takes the file's lock shared and whose save takes it exclusively, reads the file
// again and makes the call's change on what it finds (TravaConfig.h, TmConfig.h), so writers
// queue and none loses the keys of another, and a read never sees a file half rewritten in place.
//
// Failures: a missing file reads as empty, so every read gives its default. A file that exists
// but cannot be read raises EInOutError, and so does a write that cannot be saved (folder
// missing, read-only file, a link or other planted thing at the lock file's name): a lost write
// is reported, never passed off as done.
//
// A text default or value given as a literal ("22334") is text: the const char* overloads keep
// it from converting to bool, which C++ would prefer to the conversion to QString.

#include <QString>
#include <QStringList>
#include <cstdint>

#include "base/Currency.h"
#include "base/TDateTime.h"
#include "texto/ExportacaoTexto.h"

namespace TConfigStatic {

// The running program's path with its extension replaced by ".ini" (added when it has none).
// Read from the system (/proc/self/exe), so it holds before an application object exists, and
// the path the program was started from even after an update replaced the file.
ORVANE_TEXTO_EXPORT QString ArquivoPadrao();

// ---- reading: the value of Item in the section Chave, or Padrao (TmConfig's typed reads) ----
ORVANE_TEXTO_EXPORT QString Ler(const QString& Chave, const QString& Item, const QString& Padrao,
                                const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT QString Ler(const QString& Chave, const QString& Item, const char* Padrao,
                                const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT std::int32_t Ler(const QString& Chave, const QString& Item, std::int32_t Padrao,
                                     const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT bool Ler(const QString& Chave, const QString& Item, bool Padrao,
                             const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT double LerFloat(const QString& Chave, const QString& Item, double Padrao,
                                    const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT Currency LerCurr(const QString& Chave, const QString& Item, Currency Padrao,
                                     const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT TDateTime LerDate(const QString& Chave, const QString& Item, TDateTime Padrao,
                                      const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT TDateTime LerDateTime(const QString& Chave, const QString& Item,
                                          TDateTime Padrao, const QString& Arquivo = {});

// ---- reading from the section "Config" ----
ORVANE_TEXTO_EXPORT QString LerConfig(const QString& Item, const QString& Padrao,
                                      const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT QString LerConfig(const QString& Item, const char* Padrao,
                                      const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT std::int32_t LerConfig(const QString& Item, std::int32_t Padrao,
                                           const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT bool LerConfig(const QString& Item, bool Padrao, const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT double LerFloatConfig(const QString& Item, double Padrao,
                                          const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT Currency LerCurrConfig(const QString& Item, Currency Padrao,
                                           const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT TDateTime LerDateConfig(const QString& Item, TDateTime Padrao,
                                            const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT TDateTime LerDateTimeConfig(const QString& Item, TDateTime Padrao,
                                                const QString& Arquivo = {});

// ---- writing: sets Item in the section Chave, creating file, section and key when needed
// (TmConfig's typed writes; an empty text removes an existing key) ----
ORVANE_TEXTO_EXPORT void Gravar(const QString& Chave, const QString& Item, const QString& Valor,
                                const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT void Gravar(const QString& Chave, const QString& Item, const char* Valor,
                                const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT void Gravar(const QString& Chave, const QString& Item, std::int32_t Valor,
                                const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT void Gravar(const QString& Chave, const QString& Item, bool Valor,
                                const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT void GravarFloat(const QString& Chave, const QString& Item, double Valor,
                                     const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT void GravarCurr(const QString& Chave, const QString& Item, Currency Valor,
                                    const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT void GravarDate(const QString& Chave, const QString& Item, TDateTime Valor,
                                    const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT void GravarDateTime(const QString& Chave, const QString& Item, TDateTime Valor,
                                        const QString& Arquivo = {});

// ---- writing to the section "Config" (there is no date-and-time write here) ----
ORVANE_TEXTO_EXPORT void GravarConfig(const QString& Item, const QString& Valor,
                                      const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT void GravarConfig(const QString& Item, const char* Valor,
                                      const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT void GravarConfig(const QString& Item, std::int32_t Valor,
                                      const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT void GravarConfig(const QString& Item, bool Valor, const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT void GravarFloatConfig(const QString& Item, double Valor,
                                           const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT void GravarCurrConfig(const QString& Item, Currency Valor,
                                          const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT void GravarDateConfig(const QString& Item, TDateTime Valor,
                                          const QString& Arquivo = {});

// ---- sections (Saida is emptied, then filled; TmConfig's section operations) ----
ORVANE_TEXTO_EXPORT void LerSecoes(QStringList& Saida, const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT void LerSecao(QStringList& Saida, const QString& Secao,
                                  const QString& Arquivo = {});
ORVANE_TEXTO_EXPORT void LerSecaoValues(QStringList& Saida, const QString& Secao,
                                        const QString& Arquivo = {});
// Removes the section; the file is not rewritten when the section is absent.
ORVANE_TEXTO_EXPORT void LimparSecao(const QString& Secao, const QString& Arquivo = {});
// Removes the key; the file is not rewritten when the key is absent.
ORVANE_TEXTO_EXPORT void Excluir(const QString& Chave, const QString& Item,
                                 const QString& Arquivo = {});

}  // namespace TConfigStatic
