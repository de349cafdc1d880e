#pragma once
// The older name of the static settings access: every operation of TConfigStatic under the same
// name, arguments and result (the same functions, not copies), and two names of its own.

#include "base/mLib.h"
#include "texto/config/TConfigStatic.h"

namespace TmINI {

using TConfigStatic::Excluir;
using TConfigStatic::Gravar;
using TConfigStatic::GravarConfig;
using TConfigStatic::GravarCurr;
using TConfigStatic::GravarCurrConfig;
using TConfigStatic::GravarDate;
using TConfigStatic::GravarDateConfig;
using TConfigStatic::GravarDateTime;
using TConfigStatic::GravarFloat;
using TConfigStatic::GravarFloatConfig;
using TConfigStatic::Ler;
using TConfigStatic::LerConfig;
using TConfigStatic::LerCurr;
using TConfigStatic::LerCurrConfig;
using TConfigStatic::LerDate;
using TConfigStatic::LerDateConfig;
using TConfigStatic::LerDateTime;
using TConfigStatic::LerDateTimeConfig;
using TConfigStatic::LerFloat;
using TConfigStatic::LerFloatConfig;
using TConfigStatic::LerSecao;
using TConfigStatic::LerSecaoValues;
using TConfigStatic::LerSecoes;
using TConfigStatic::LimparSecao;

// The integer Ler.
inline std::int32_t LerInt(const QString& Chave, const QString& Item, std::int32_t Padrao,
                           const QString& Arquivo = {}) {
    return TConfigStatic::Ler(Chave, Item, Padrao, Arquivo);
}
// LimparSecao.
inline void Limpa(const QString& Chave, const QString& Arquivo = {}) {
    TConfigStatic::LimparSecao(Chave, Arquivo);
}

}  // namespace TmINI
