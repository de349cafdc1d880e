#include "dialogos/mensagens/LogMensagens.h"

namespace {

TGravarLogMensagem& Instalado() {
    static TGravarLogMensagem instalado;
    return instalado;
}

}  // namespace

void LogMensagens::Instalar(TGravarLogMensagem gravar) {
    Instalado() = std::move(gravar);
}

void LogMensagens::GravaLogMsg(const QString& pTexto) {
    // A copy for the call: the entry may install another one while it runs.
    if (const TGravarLogMensagem gravar = Instalado())
        gravar(pTexto);
}
