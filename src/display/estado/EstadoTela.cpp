#include "display/estado/EstadoTela.h"

#include <QCryptographicHash>

#include "display/estado/FormatoValor.h"

TImagemTela TImagemTela::De(const QByteArray& conteudo) {
    if (conteudo.isEmpty())
        return {};
    return {conteudo, QCryptographicHash::hash(conteudo, QCryptographicHash::Sha256).toHex()};
}

void TPagamentoTela::Limpar() {
    Liquido = QStringLiteral("0,00");
    Meios = {};
    BrutoAberto = DescontoAberto = AcrescimoAberto = false;
    Troco = ETroco::Nenhum;
    ValorTroco.clear();
}

QString TPagamentoTela::TituloTroco() const {
    switch (Troco) {
        case ETroco::Falta:
            return QStringLiteral("Falta");
        case ETroco::Troco:
            return QStringLiteral("Troco");
        case ETroco::Nenhum:
            break;
    }
    return QString();
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

namespace {

TLinhaItem LinhaCancelamento(int nr, QStringView nome, Currency total) {
    return TLinhaItem()
        .DefinirNr(nr)
        .DefinirBarras(u"CANCELADO")
        .DefinirNome(nome)
        .DefinirTotal(-total)
        .DefinirTipo(u".");
}

TLinhaItem LinhaDesconto(Currency desconto) {
    return TLinhaItem().DefinirNome(u"DESCONTO ITEM").DefinirTotal(-desconto).DefinirTipo(u".");
}

TLinhaItem LinhaAcrescimo(Currency acrescimo) {
    return TLinhaItem().DefinirNome(u"ACRESCIMO ITEM").DefinirTotal(acrescimo).DefinirTipo(u",");
}

void AdicionarItem(QVector<TLinhaItem>& linhas, const Protocolo::TRegistroItem& item) {
    linhas.append(TLinhaItem()
                      .DefinirNr(item.Nr)
                      .DefinirBarras(item.Barras)
                      .DefinirNome(item.Nome)
                      .DefinirUnit(item.Unit)
                      .DefinirQtd(item.Qtd)
                      .DefinirTipo(item.Tipo)
                      .DefinirTotal(item.Total));
    if (item.Cancelado)
        linhas.append(LinhaCancelamento(item.Nr, item.Nome, item.Total));
    if (item.Desconto > Currency())
        linhas.append(LinhaDesconto(item.Desconto));
    if (item.Acrescimo > Currency())
        linhas.append(LinhaAcrescimo(item.Acrescimo));
}

}  // namespace

TEstadoTela::EPartes TEstadoTela::Aplicar(Protocolo::EComando comando, const QString& parametros) {
    using namespace Protocolo;
    EPartes partes;
    switch (comando) {
        case EComando::CarregarListaItens:
            partes = CarregarLista(parametros) | DefinirPix(std::nullopt);
            break;
        case EComando::ExibirVenda:
            partes = ParametroUm(parametros) ? Limpar() | MostrarVenda : EPartes(MostrarVenda);
            break;
        case EComando::LimparVenda:
            partes = Limpar() | DefinirPix(std::nullopt);
            break;
        case EComando::FecharImagem:
            partes = ParametroUm(parametros) ? MostrarVenda : MostrarPagamento;
            break;
        case EComando::ExibirCodigoPix:
            if (auto qr = LerExibirPix(parametros))
                partes = DefinirPix(std::move(qr)) | MostrarPagamento;
            break;
        case EComando::MontarCodigoPix:
            if (auto qr = LerMontarPix(parametros))
                partes = DefinirPix(std::move(qr)) | MostrarPagamento;
            break;
        case EComando::RemoverCodigoPix:
            partes = DefinirPix(std::nullopt);
            break;
        case EComando::CancelarItem:
            if (const auto cancelamento = LerCancelamentoItem(parametros))
                partes = Acrescentar(
                    LinhaCancelamento(cancelamento->Nr, cancelamento->Nome, cancelamento->Total),
                    cancelamento->TotalVenda);
            break;
        case EComando::DescontoItem:
            if (const auto desconto = LerAjusteItem(parametros))
                partes = Acrescentar(LinhaDesconto(desconto->Valor), desconto->TotalVenda);
            break;
        case EComando::AcrescimoItem:
            if (const auto acrescimo = LerAjusteItem(parametros))
                partes = Acrescentar(LinhaAcrescimo(acrescimo->Valor), acrescimo->TotalVenda);
            break;
        case EComando::ExibirInfo:
            partes = MostrarInfo;
            if (TInfo info = LerInfo(parametros); info != info_) {
                info_ = std::move(info);
                partes |= Info;
            }
            break;
        default:
            partes = AplicarPagamento(comando, parametros);
            break;
    }
    return Avisar(partes);
}

void TEstadoTela::LimparVenda() {
    Avisar(Limpar());
}

void TEstadoTela::ExibirImagem(const QByteArray& conteudo) {
    TImagemTela imagem = TImagemTela::De(conteudo);
    EPartes partes = MostrarImagem;
    if (imagem != imagem_) {
        imagem_ = std::move(imagem);
        partes |= Imagem;
    }
    Avisar(partes);
}

void TEstadoTela::DefinirFundo(const QByteArray& conteudo) {
    TImagemTela fundo = TImagemTela::De(conteudo);
    if (fundo == fundo_)
        return;
    fundo_ = std::move(fundo);
    Avisar(Fundo);
}

TEstadoTela::EPartes TEstadoTela::Avisar(EPartes partes) {
    if (partes.testFlag(MostrarVenda))
        pagina_ = EPaginaTela::Venda;
    if (partes.testFlag(MostrarPagamento))
        pagina_ = EPaginaTela::Pagamento;
    if (partes.testFlag(MostrarInfo))
        pagina_ = EPaginaTela::Info;
    if (partes.testFlag(MostrarImagem))
        pagina_ = EPaginaTela::Imagem;
    if (partes)
        emit Mudou(partes);
    return partes;
}

TEstadoTela::EPartes TEstadoTela::DefinirPix(std::optional<Protocolo::TQrPix> pix) {
    if (pix == pix_)
        return {};
    pix_ = std::move(pix);
    return Pix;
}

TEstadoTela::EPartes TEstadoTela::CarregarLista(const QString& parametros) {
    QVector<TLinhaItem> linhas;
    QString total = totalVenda_;
    for (const Protocolo::TRegistroLista& registro : Protocolo::LerListaItens(parametros)) {
        if (const auto* registroTotal = std::get_if<Protocolo::TRegistroTotal>(&registro))
            total = registroTotal->Texto;
        else
            AdicionarItem(linhas, std::get<Protocolo::TRegistroItem>(registro));
    }
    linhas_ = std::move(linhas);
    return DefinirTotal(total) | Linhas | MostrarVenda;
}

TEstadoTela::EPartes TEstadoTela::Acrescentar(const TLinhaItem& linha, Currency totalVenda) {
    linhas_.append(linha);
    return DefinirTotal(QStringLiteral("R$") + FormataValor(totalVenda)) | LinhasAcrescidas;
}

TEstadoTela::EPartes TEstadoTela::Limpar() {
    EPartes partes = DefinirTotal(QStringLiteral("0,00"));
    if (!linhas_.isEmpty()) {
        linhas_.clear();
        partes |= Linhas;
    }
    TPagamentoTela pagamento = pagamento_;
    pagamento.Limpar();
    if (pagamento != pagamento_) {
        pagamento_ = pagamento;
        partes |= Pagamento;
    }
    return partes;
}

TEstadoTela::EPartes TEstadoTela::DefinirTotal(const QString& total) {
    if (total == totalVenda_)
        return {};
    totalVenda_ = total;
    return Total;
}

TEstadoTela::EPartes TEstadoTela::AplicarPagamento(Protocolo::EComando comando,
                                                   const QString& parametros) {
    using namespace Protocolo;
    TPagamentoTela novo = pagamento_;
    EPartes partes;  // the PIX code removed, the page asked for
    switch (comando) {
        case EComando::ExibirResumoPagamento:
            partes = DefinirPix(std::nullopt);
            if (const auto resumo = LerResumoPagamento(parametros)) {
                novo.AplicarResumo(*resumo);
                partes |= MostrarPagamento;
            } else {
                novo.Limpar();
            }
            break;
        case EComando::ExibirMeiosPagamento:
            if (const auto meios = LerMeiosPagamento(parametros)) {
                novo.AplicarMeios(*meios);
                if (PagamentoConcluido(*meios))
                    partes = DefinirPix(std::nullopt);
            }
            break;
        case EComando::ExibirPagamento:
            partes = MostrarPagamento;
            break;
        default:
            return {};
    }
    if (novo == pagamento_)
        return partes;
    pagamento_ = novo;
    return partes | Pagamento;
}
