#pragma once
// The platform's file error: a settings file that exists but cannot be read, or a document that
// cannot be saved. The message names the file and the reason the system gave.

#include <stdexcept>

#include "base/ErroComMensagem.h"

class EInOutError : public TErroComMensagem<std::runtime_error> {
public:
    using TErroComMensagem::TErroComMensagem;
};
