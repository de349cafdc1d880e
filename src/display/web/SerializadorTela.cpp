#include "display/web/SerializadorTela.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <stdexcept>

#include "display/estado/CoresTela.h"
#include "display/estado/SimboloPix.h"

namespace {

QJsonValue Cor(std::optional<CoresTela::TCor> cor) {
    if (!cor)
        return QJsonValue::Null;
    return QStringLiteral("#%1").arg(*cor, 6, 16, QLatin1Char('0')).toUpper();
}

QString NomePagina(EPaginaTela pagina) {
    switch (pagina) {
        case EPaginaTela::Pagamento:
            return QStringLiteral("pagamento");
        case EPaginaTela::Info:
            return QStringLiteral("info");
        case EPaginaTela::Imagem:
            return QStringLiteral("imagem");
        case EPaginaTela::Venda:
            break;
    }
    return QStringLiteral("venda");
}

QString NomeTipo(ETipoLinha tipo) {
    switch (tipo) {
        case ETipoLinha::Cancelamento:
            return QStringLiteral("cancelamento");
        case ETipoLinha::Desconto:
            return QStringLiteral("desconto");
        case ETipoLinha::Acrescimo:
            return QStringLiteral("acrescimo");
        case ETipoLinha::Item:
            break;
    }
    return QStringLiteral("item");
}

QString NomeAlinhamento(Qt::Alignment alinhamento) {
    if (alinhamento & Qt::AlignHCenter)
        return QStringLiteral("center");
    return alinhamento & Qt::AlignRight ? QStringLiteral("right") : QStringLiteral("left");
}

QJsonArray CriarColunas() {
    QJsonArray colunas;
    for (int c = 0; c < kNumCamposItem; ++c) {
        const TCampoItem& campo = CampoItem(static_cast<ECampoItem>(c));
        colunas.append(QJsonObject{{"titulo", QString::fromUtf8(campo.titulo)},
                                   {"alinhamento", NomeAlinhamento(campo.alinhamento)},
                                   {"cor", Cor(CoresTela::kColunas[c])},
                                   {"corTitulo", Cor(CoresTela::kTituloColuna)}});
    }
    return colunas;
}

// The same in every message: built once.
const QJsonArray& Colunas() {
    static const QJsonArray colunas = CriarColunas();
    return colunas;
}

QJsonObject Linha(const TLinhaItem& linha) {
    const std::optional<CoresTela::TCor> cor = CoresTela::CorLinha(linha.Tipo(), false);
    QJsonArray textos;
    for (int c = 0; c < kNumCamposItem; ++c) {
        const auto campo = static_cast<ECampoItem>(c);
        // The window paints the mark of a coloured row in the row's background: it shows nothing.
        textos.append(cor && campo == ECampoItem::Tipo ? QString() : linha.TextoExibido(campo));
    }
    return {{"tipo", NomeTipo(linha.Tipo())}, {"cor", Cor(cor)}, {"textos", textos}};
}

QJsonObject Venda(const TQuadroTela& quadro, qsizetype primeiraLinha) {
    primeiraLinha = std::clamp<qsizetype>(primeiraLinha, 0, quadro.Linhas.size());
    QJsonArray linhas;
    for (qsizetype i = primeiraLinha; i < quadro.Linhas.size(); ++i)
        linhas.append(Linha(quadro.Linhas[i]));
    return {{"total", quadro.TotalVenda},
            {"corTituloTotal", Cor(CoresTela::kTituloTotal)},
            {"n", quadro.Linhas.size()},
            {"de", primeiraLinha},
            {"linhas", linhas}};
}

QJsonObject LinhaPagamento(std::size_t indice, const QString& titulo, const QString& valor,
                           bool aberta) {
    const CoresTela::TLinhaPagamento& desenho = CoresTela::kPagamento[indice];
    return {{"titulo", titulo},
            {"valor", valor},
            {"aberta", aberta},
            {"corTitulo", Cor(CoresTela::kPreto)},
            {"corValor", Cor(desenho.valor)},
            {"fundo", Cor(aberta ? desenho.fundoAberta : CoresTela::kBranco)}};
}

QJsonObject Pagamento(const TPagamentoTela& p) {
    auto fixa = [](std::size_t indice, const QString& valor, bool aberta) {
        return LinhaPagamento(indice, QString::fromUtf8(CoresTela::kPagamento[indice].titulo),
                              valor, aberta);
    };
    QJsonArray linhas{fixa(0, p.Bruto, p.BrutoAberto), fixa(1, p.Desconto, p.DescontoAberto),
                      fixa(2, p.Acrescimo, p.AcrescimoAberto), fixa(3, p.Liquido, true)};
    for (std::size_t m = 0; m < p.Meios.size(); ++m)
        linhas.append(
            LinhaPagamento(4 + m, p.Meios[m].Titulo, p.Meios[m].Valor, p.MeioAberto(int(m))));
    QJsonObject troco = LinhaPagamento(9, p.TituloTroco(), p.ValorTroco, p.Troco != ETroco::Nenhum);
    if (p.Troco != ETroco::Nenhum) {
        const CoresTela::TCoresTroco cores = CoresTela::CoresTroco(p.Troco == ETroco::Falta);
        troco[QStringLiteral("corTitulo")] = Cor(cores.titulo);
        troco[QStringLiteral("corValor")] = Cor(cores.valor);
    }
    linhas.append(troco);
    return {{"linhas", linhas}};
}

QJsonValue Pix(const std::optional<Protocolo::TQrPix>& pix) {
    if (!pix)
        return QJsonValue::Null;
    TSimboloPix simbolo;
    try {
        simbolo = SimboloPix(pix->Codigo);
    } catch (const std::runtime_error&) {
        return QJsonValue::Null;  // the window shows no code either
    }
    QByteArray modulos = simbolo.Modulos;
    for (char& m : modulos)
        m = m ? '1' : '0';
    return QJsonObject{{"legenda", pix->Legenda},
                       {"valor", TextoValorPix(*pix)},
                       {"lado", simbolo.Lado},
                       {"modulos", QString::fromLatin1(modulos)}};
}

QJsonValue Imagem(const TImagemTela& imagem) {
    return imagem.Vazia() ? QJsonValue(QJsonValue::Null) : QJsonValue(EnderecoImagem(imagem));
}

}  // namespace

TQuadroTela TQuadroTela::De(const TEstadoTela& estado) {
    return {estado.PaginaTela(), estado.LinhasVenda(), estado.TotalVenda(), estado.PagamentoTela(),
            estado.InfoTela(),   estado.PixTela(),     estado.ImagemTela(), estado.FundoTela()};
}

QByteArray SerializarTela(const TQuadroTela& quadro, quint64 versao, qsizetype primeiraLinha) {
    const QJsonObject mensagem{
        {"versao", double(versao)},
        {"pagina", NomePagina(quadro.Pagina)},
        {"colunas", Colunas()},
        {"venda", Venda(quadro, primeiraLinha)},
        {"pagamento", Pagamento(quadro.Pagamento)},
        {"info", QJsonObject{{"texto", quadro.Info.Texto}, {"valor", quadro.Info.Valor}}},
        {"pix", Pix(quadro.Pix)},
        {"imagem", Imagem(quadro.Imagem)},
        {"fundo", Imagem(quadro.Fundo)},
    };
    return QJsonDocument(mensagem).toJson(QJsonDocument::Compact);
}

qsizetype PrimeiraLinhaDiferente(const QVector<TLinhaItem>& antes,
                                 const QVector<TLinhaItem>& depois) {
    if (antes.constData() == depois.constData())  // the same shared list
        return std::min(antes.size(), depois.size());
    const auto diferenca = std::mismatch(antes.begin(), antes.end(), depois.begin(), depois.end());
    return diferenca.first - antes.begin();
}

QString EnderecoImagem(const TImagemTela& imagem) {
    return QStringLiteral("/imagem/") + QString::fromLatin1(imagem.Hash);
}
