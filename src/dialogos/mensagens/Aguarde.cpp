#include "dialogos/mensagens/Aguarde.h"

namespace {

std::shared_ptr<TAguardeBackEnd>& Instalado() {
    static std::shared_ptr<TAguardeBackEnd> instalado;
    return instalado;
}

// The installed window, held by the caller for the whole call: the window may show a dialog
// meanwhile, and whatever runs there may install another one.
std::shared_ptr<TAguardeBackEnd> Janela() {
    return Instalado();
}

}  // namespace

void Aguarde::Instalar(std::shared_ptr<TAguardeBackEnd> backEnd) {
    Instalado() = std::move(backEnd);
}

void Aguarde::MostraAguarde(const TParametrosAguarde& parametros) {
    if (const auto janela = Janela())
        janela->Mostrar(parametros);
}

void Aguarde::MostraAguarde(const QString& Mensagem, const QString& MensagemPrincipal,
                            int ValorMaxGauge, bool PermiteFechar, bool PermiteCancelar,
                            bool AtualizaJa) {
    MostraAguarde(TParametrosAguarde{Mensagem, MensagemPrincipal, ValorMaxGauge, PermiteFechar,
                                     PermiteCancelar, AtualizaJa});
}

void Aguarde::SetProgresso(int posicao) {
    if (const auto janela = Janela())
        janela->Progresso(posicao);
}

void Aguarde::AtualizaAguarde() {
    if (const auto janela = Janela())
        janela->Atualizar();
}

void Aguarde::FechaAguarde() {
    if (const auto janela = Janela())
        janela->Fechar();
}

bool Aguarde::Cancelou() {
    const auto janela = Janela();
    return janela && janela->Cancelou();
}
