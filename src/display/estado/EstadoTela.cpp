#include "display/estado/EstadoTela.h"

#include "display/estado/FormatoValor.h"

void TPagamentoTela::Limpar() {
    Liquido = QStringLiteral("0,00");
    Meios = {};
    BrutoAberto = DescontoAberto = AcrescimoAberto = false;
    Troco = ETroco::Nenhum;
    ValorTroco.clear();
}

void TPagamentoTela::AplicarResumo(const Protocolo::TResumoPagamento& resumo) {
    Limpar();
    AplicarTotais(resumo.Total, resumo.Descontos, resumo.Acrescimos, resumo.TrocoOuFalta);
}

void TPagamentoTela::AplicarMeios(const Protocolo::TMeiosPagamento& meios) {
    for (std::size_t m = 0; m < Meios.size(); ++m) {
        const Protocolo::TMeioPagamento& meio = meios.Meios[m];
        Meios[m] = {meio.Titulo, meio.Titulo.isEmpty() ? QString() : meio.Valor};
    }
    AplicarTotais(meios.Total, meios.Descontos, meios.Acrescimos, meios.TrocoOuFalta);
}

void TPagamentoTela::AplicarTotais(Currency total, Currency descontos, Currency acrescimos,
                                   Currency trocoOuFalta) {
    const Currency zero;
    if (trocoOuFalta != zero && MeioAberto(0)) {
        Troco = trocoOuFalta > zero ? ETroco::Falta : ETroco::Troco;
        ValorTroco = FormataValor(trocoOuFalta < zero ? -trocoOuFalta : trocoOuFalta);
    } else {
        Troco = ETroco::Nenhum;
        ValorTroco.clear();
    }
    Liquido = FormataValor(total);
    DescontoAberto = descontos > zero;
    Desconto = DescontoAberto ? QLatin1Char('-') + FormataValor(descontos) : QString();
    AcrescimoAberto = acrescimos > zero;
    Acrescimo = AcrescimoAberto ? QLatin1Char('+') + FormataValor(acrescimos) : QString();
    BrutoAberto = descontos + acrescimos > zero;
    if (BrutoAberto)
        Bruto = FormataValor(total + (descontos - acrescimos));
}

TEstadoTela::EPartes TEstadoTela::Aplicar(Protocolo::EComando comando,
                                          const QString& parametros) {
    using namespace Protocolo;
    TPagamentoTela novo = pagamento_;
    EPartes pedidos;
    switch (comando) {
        case EComando::ExibirVenda:
            if (!ParametroUm(parametros))
                return {};
            novo.Limpar();
            break;
        case EComando::LimparVenda:
            novo.Limpar();
            break;
        case EComando::ExibirResumoPagamento:
            if (const auto resumo = LerResumoPagamento(parametros)) {
                novo.AplicarResumo(*resumo);
                pedidos = MostrarPagamento;
            } else {
                novo.Limpar();
            }
            break;
        case EComando::ExibirMeiosPagamento:
            if (const auto meios = LerMeiosPagamento(parametros))
                novo.AplicarMeios(*meios);
            break;
        case EComando::ExibirPagamento:
            pedidos = MostrarPagamento;
            break;
        default:
            return {};
    }
    return Trocar(novo, pedidos);
}

void TEstadoTela::LimparVenda() {
    TPagamentoTela novo = pagamento_;
    novo.Limpar();
    Trocar(novo, {});
}

TEstadoTela::EPartes TEstadoTela::Trocar(const TPagamentoTela& novo, EPartes pedidos) {
    EPartes partes = pedidos;
    if (novo != pagamento_) {
        pagamento_ = novo;
        partes |= Pagamento;
    }
    if (partes)
        emit Mudou(partes);
    return partes;
}
