#pragma once
// The platform's file error: a settings file that exists but cannot be read, or a document that
// cannot be saved. The message names the file and the reason the system gave; the failure record
// keeps the operation, the path and the errno for callers that need more than the text.

#include <stdexcept>

#include "base/ErroComMensagem.h"
#include "base/ExportacaoBase.h"
#include "base/internal/Falha.h"

class ORVANE_BASE_EXPORT EInOutError : public TErroComMensagem<std::runtime_error> {
public:
    using TErroComMensagem::TErroComMensagem;
    explicit EInOutError(const TFalha& falha) : TErroComMensagem(falha.Texto()), falha_(falha) {}
    const TFalha& Falha() const { return falha_; }

private:
    TFalha falha_;
};
