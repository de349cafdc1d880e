#include "display/telas/PaginaConfiguracao.h"

#include <QCheckBox>
#include <QPushButton>

#include "desenho/controles/ACombo.h"
#include "desenho/controles/ASpin.h"
#include "dialogos/mensagens/mMensagem.h"
#include "display/regras/ConfiguracaoDisplay.h"

namespace {

constexpr int kEsquerdaControles = 168;
constexpr int kMonitores = 4;

}  // namespace

TPaginaConfiguracao::TPaginaConfiguracao(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabConfig"));
    edPorta =
        CriarSpin(QStringLiteral("edPorta"), QStringLiteral("Porta Socket"), 32, 20000, 65000);

    edMonitor = new TACombo(this);
    edMonitor->setObjectName(QStringLiteral("edMonitor"));
    edMonitor->SetCharCase(TEditCharCase::ecNormal);
    for (int i = 1; i <= kMonitores; ++i)
        edMonitor->addItem(QString::number(i));
    edMonitor->EditLabel()->SetCaption(QStringLiteral("Monitor"));
    edMonitor->SetLabelPosition(TLabelPosition::lpLeft);
    edMonitor->SetBounds(kEsquerdaControles, 60, 81, 21);

    cbAdaptarImagemVenda = CriarCaixa(QStringLiteral("cbAdaptarImagemVenda"),
                                      QStringLiteral("Adaptar imagem de fundo da venda"), 87, 217);
    cbTelaCheia = CriarCaixa(QStringLiteral("cbTelaCheia"), QStringLiteral("Tela cheia"), 110, 97);
    connect(cbTelaCheia, &QCheckBox::toggled, this, &TPaginaConfiguracao::cbTelaCheiaClick);
    edLargura =
        CriarSpin(QStringLiteral("edLargura"), QStringLiteral("Largura tela"), 133, 800, 5120);
    edAltura = CriarSpin(QStringLiteral("edAltura"), QStringLiteral("Altura tela"), 161, 600, 2880);
    btAplicar = CriarBotao(QStringLiteral("btAplicar"), QStringLiteral("Aplicar"), 200);
    connect(btAplicar, &QPushButton::clicked, this, &TPaginaConfiguracao::btAplicarClick);
    btPadrao = CriarBotao(QStringLiteral("btPadrao"), QStringLiteral("Padrão"), 281);
    connect(btPadrao, &QPushButton::clicked, this, &TPaginaConfiguracao::btPadraoClick);
    // After the buttons in the tab order: the designed controls keep their order.
    cbLegivel = CriarCaixa(QStringLiteral("cbLegivel"),
                           QStringLiteral("Modo legível (itens do tamanho do monitor)"), 256, 217);
    cbAltoContraste =
        CriarCaixa(QStringLiteral("cbAltoContraste"), QStringLiteral("Alto contraste"), 279, 217);
}

TASpin* TPaginaConfiguracao::CriarSpin(const QString& nome, const QString& legenda, int topo,
                                       int minimo, int maximo) {
    auto* spin = new TASpin(this);
    spin->setObjectName(nome);
    spin->SetMinValue(minimo);
    spin->SetMaxValue(maximo);
    spin->EditLabel()->SetCaption(legenda);
    spin->SetLabelPosition(TLabelPosition::lpLeft);
    spin->SetLabelSpacing(6);
    spin->SetBounds(kEsquerdaControles, topo, 81, 22);
    return spin;
}

QCheckBox* TPaginaConfiguracao::CriarCaixa(const QString& nome, const QString& legenda, int topo,
                                           int largura) {
    auto* caixa = new QCheckBox(legenda, this);
    caixa->setObjectName(nome);
    // The designed width, or more where this machine's font needs it for the caption.
    caixa->setGeometry(kEsquerdaControles, topo, std::max(largura, caixa->sizeHint().width()), 17);
    return caixa;
}

QPushButton* TPaginaConfiguracao::CriarBotao(const QString& nome, const QString& legenda,
                                             int esquerda) {
    auto* botao = new QPushButton(legenda, this);
    botao->setObjectName(nome);
    botao->setGeometry(esquerda, 216, 75, 25);
    return botao;
}

void TPaginaConfiguracao::DefinirAcoes(std::function<void()> irParaVenda,
                                       std::function<void()> aplicarConfiguracaoTela) {
    irParaVenda_ = std::move(irParaVenda);
    aplicarConfiguracaoTela_ = std::move(aplicarConfiguracaoTela);
}

void TPaginaConfiguracao::AbrirConfiguracao() {
    Exibir(ConfiguracaoDisplay::Ler());
}

void TPaginaConfiguracao::Exibir(const ConfiguracaoDisplay& config) {
    edPorta->SetValue(config.Porta);
    edMonitor->SetItemIndex(config.Monitor >= 1 && config.Monitor <= kMonitores ? config.Monitor - 1
                                                                                : -1);
    cbAdaptarImagemVenda->setChecked(config.AdaptarFundoVenda);
    cbTelaCheia->setChecked(config.TelaCheia);
    cbLegivel->setChecked(config.Legivel);
    cbAltoContraste->setChecked(config.AltoContraste);
    edLargura->SetValue(config.Largura);
    edAltura->SetValue(config.Altura);
    cbTelaCheiaClick();
}

void TPaginaConfiguracao::cbTelaCheiaClick() {
    const bool janela = !cbTelaCheia->isChecked();
    edLargura->setEnabled(janela);
    edAltura->setEnabled(janela);
}

void TPaginaConfiguracao::btAplicarClick() {
    // A number typed past its range is written as the spin shows it on leaving the field.
    for (TASpin* spin : {edPorta, edLargura, edAltura})
        spin->SetValue(spin->Value());
    ConfiguracaoDisplay config;
    config.Porta = edPorta->Value();
    config.Monitor = edMonitor->ItemIndex() + 1;
    config.TelaCheia = cbTelaCheia->isChecked();
    config.AdaptarFundoVenda = cbAdaptarImagemVenda->isChecked();
    config.Legivel = cbLegivel->isChecked();
    config.AltoContraste = cbAltoContraste->isChecked();
    config.Largura = edLargura->Value();
    config.Altura = edAltura->Value();
    config.Gravar();
    if (irParaVenda_)
        irParaVenda_();
    if (aplicarConfiguracaoTela_)
        aplicarConfiguracaoTela_();
}

void TPaginaConfiguracao::btPadraoClick() {
    if (!TmDlg::Confirma(QStringLiteral("Voltar as configurações padrão?"), false, true, false))
        return;
    Exibir(ConfiguracaoDisplay());
    btAplicarClick();
}
