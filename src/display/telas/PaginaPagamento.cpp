#include "display/telas/PaginaPagamento.h"

#include <QLabel>

#include "desenho/fontes/Fontes.h"
#include "display/estado/CoresTela.h"
#include "display/telas/RotuloTexto.h"

namespace {

constexpr int kLarguraRotulo = 250;
constexpr int kAlturaTitulo = 38;
constexpr int kAlturaValor = 58;
constexpr int kTopoValor = -8;
constexpr int kEntreRotulos = 10;

const QColor kBranco(CoresTela::kBranco);
const QColor kPreto(CoresTela::kPreto);

struct TDesenhoLinha {
    const char* sufixo;  // of the names pnl..., lbTit..., lb...
    bool corPropria;     // false: the row shows the page's background until it is painted
};

// The rows' titles and colours are CoresTela::kPagamento, in the same order.
const std::array<TDesenhoLinha, 10> kDesenho = {{
    {"Bruto", false},
    {"Desconto", true},
    {"Acrescimo", true},
    {"Liquido", true},
    {"Meio1", true},
    {"Meio2", true},
    {"Meio3", true},
    {"Meio4", true},
    {"Meio5", true},
    {"Troco", true},
}};

constexpr std::array<ELinhaPagamento, Protocolo::kMeiosPagamento> kMeios = {
    ELinhaPagamento::Meio1, ELinhaPagamento::Meio2, ELinhaPagamento::Meio3, ELinhaPagamento::Meio4,
    ELinhaPagamento::Meio5};

void PintarPainel(QWidget* painel, const QColor& cor) {
    QPalette paleta = painel->palette();
    paleta.setColor(QPalette::Window, cor);
    painel->setPalette(paleta);
    painel->setAutoFillBackground(true);
}

void DefinirCorTexto(QLabel* rotulo, const QColor& cor) {
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, cor);
    rotulo->setPalette(paleta);
}

QLabel* NovoRotulo(QWidget* painel, const QString& nome, const QString& texto, const QFont& fonte,
                   int altura) {
    QLabel* rotulo = NovoRotuloTexto(painel, nome, texto, fonte);
    rotulo->setAlignment(Qt::AlignRight | Qt::AlignTop);
    rotulo->resize(kLarguraRotulo, altura);
    return rotulo;
}

}  // namespace

TPaginaPagamento::TPaginaPagamento(QWidget* pai)
    : QWidget(pai), espaco_(new QWidget(this)), alturaEspaco_(8) {
    setObjectName(QStringLiteral("TabPgto"));
    espaco_->setObjectName(QStringLiteral("EspacoPanel"));
    PintarPainel(espaco_, kBranco);

    const QFont fonteTitulo = Fontes::Fonte(QStringLiteral("Tahoma"), 31);
    const QFont fonteValor = Fontes::Fonte(QStringLiteral("Tahoma"), 48, true);
    for (std::size_t i = 0; i < kDesenho.size(); ++i) {
        const TDesenhoLinha& d = kDesenho[i];
        const CoresTela::TLinhaPagamento& cores = CoresTela::kPagamento[i];
        const QString sufixo = QString::fromLatin1(d.sufixo);
        auto* painel = new QWidget(this);
        painel->setObjectName(QStringLiteral("pnl") + sufixo);
        TLinha& linha = linhas_[i];
        linha.painel = painel;
        linha.titulo = NovoRotulo(painel, QStringLiteral("lbTit") + sufixo,
                                  QString::fromUtf8(cores.titulo), fonteTitulo, kAlturaTitulo);
        linha.valor = NovoRotulo(painel, QStringLiteral("lb") + sufixo, QStringLiteral("99.999,99"),
                                 fonteValor, kAlturaValor);
        linha.valor->move(0, kTopoValor);
        DefinirCorTexto(linha.titulo, kPreto);
        if (cores.valor)
            DefinirCorTexto(linha.valor, QColor(QRgb(*cores.valor)));
        linha.corAtiva = QColor(QRgb(cores.fundoAberta));
        linha.altura = kAlturaAberta;
        if (d.corPropria)
            PintarPainel(painel, linha.corAtiva);
    }
    Dispor();
}

void TPaginaPagamento::Mostrar(const TPagamentoTela& pagamento) {
    const std::pair<ELinhaPagamento, const QString&> textos[] = {
        {ELinhaPagamento::Liquido, pagamento.Liquido},
        {ELinhaPagamento::Bruto, pagamento.Bruto},
        {ELinhaPagamento::Desconto, pagamento.Desconto},
        {ELinhaPagamento::Acrescimo, pagamento.Acrescimo}};
    for (const auto& [linha, texto] : textos)
        Linha(linha).valor->setText(texto);
    DefinirAltura(ELinhaPagamento::Bruto, pagamento.BrutoAberto);
    AbrirNaCorAtiva(ELinhaPagamento::Desconto, pagamento.DescontoAberto);
    AbrirNaCorAtiva(ELinhaPagamento::Acrescimo, pagamento.AcrescimoAberto);
    for (std::size_t m = 0; m < kMeios.size(); ++m) {
        TLinha& linha = Linha(kMeios[m]);
        linha.titulo->setText(pagamento.Meios[m].Titulo);
        linha.valor->setText(pagamento.Meios[m].Valor);
        AbrirNaCorAtiva(kMeios[m], pagamento.MeioAberto(int(m)));
    }
    MostrarTroco(pagamento);
    CentralizarPagamento();
}

void TPaginaPagamento::MostrarTroco(const TPagamentoTela& pagamento) {
    TLinha& troco = Linha(ELinhaPagamento::Troco);
    const bool aberto = pagamento.Troco != ETroco::Nenhum;
    DefinirAltura(ELinhaPagamento::Troco, aberto);
    troco.valor->setText(pagamento.ValorTroco);
    if (!aberto) {
        troco.titulo->clear();
        return;
    }
    troco.titulo->setText(pagamento.TituloTroco());
    const CoresTela::TCoresTroco cores = CoresTela::CoresTroco(pagamento.Troco == ETroco::Falta);
    DefinirCorTexto(troco.titulo, QColor(QRgb(cores.titulo)));
    DefinirCorTexto(troco.valor, QColor(QRgb(cores.valor)));
}

void TPaginaPagamento::CentralizarPagamento() {
    int alturaLinhas = 0;
    for (const TLinha& linha : linhas_)
        alturaLinhas += linha.altura;
    alturaEspaco_ = std::max(0, (height() - alturaLinhas) / 2 - 10);
    Dispor();
}

void TPaginaPagamento::CentralizarLinhaPagamento(int larguraClienteJanela) {
    for (TLinha& linha : linhas_) {
        const int larguraTitulo = linha.titulo->width();
        const int x =
            (larguraClienteJanela - (larguraTitulo + kEntreRotulos + linha.valor->width())) / 2 -
            60;
        linha.titulo->move(x, 0);
        linha.valor->move(x + larguraTitulo + kEntreRotulos, kTopoValor);
    }
}

void TPaginaPagamento::resizeEvent(QResizeEvent*) {
    CentralizarPagamento();
}

void TPaginaPagamento::AbrirNaCorAtiva(ELinhaPagamento linha, bool aberta) {
    DefinirAltura(linha, aberta);
    PintarPainel(Linha(linha).painel, aberta ? Linha(linha).corAtiva : kBranco);
}

void TPaginaPagamento::DefinirAltura(ELinhaPagamento linha, bool aberta) {
    Linha(linha).altura = aberta ? kAlturaAberta : kAlturaFechada;
    Dispor();
}

void TPaginaPagamento::Dispor() {
    const int largura = width();
    espaco_->setGeometry(0, 0, largura, alturaEspaco_);
    int topo = alturaEspaco_;
    for (TLinha& linha : linhas_) {
        linha.painel->setGeometry(0, topo, largura, linha.altura);
        topo += linha.altura;
    }
}
