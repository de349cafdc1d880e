#include "display/janela/TPrincipalVivavaDazovadForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QVBoxLayout>
#include <stdexcept>

#include "base/CaminhoWindows.h"
#include "base/Relogio.h"
#include "base/TDateTime.h"
#include "base/gui/Fontes.h"
#include "display/canal/CanalComandos.h"
#include "display/regras/FundoDoDia.h"
#include "display/telas/FundoPadrao.h"
#include "display/telas/ImagemFundo.h"
#include "display/telas/LeitorImagem.h"
#include "display/telas/PaginaConfiguracao.h"
#include "display/telas/PaginaPagamento.h"
#include "display/telas/PaginaVenda.h"
#include "display/telas/PaginasSimples.h"
#include "messages/dialogos/TratamentoErros.h"
#include "settings/TmConfig.h"
#include "system/versao/TmFileVersao.h"

namespace {
const QString kArquivoImagem = QStringLiteral("c:\\frente\\OrvaneImg.bmp");
}  // namespace

TPrincipalVivavaDazovadForm::TPrincipalVivavaDazovadForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TPrincipalVivavaDazovadForm"));
    setWindowTitle(QStringLiteral("Vivava Dazovad"));
    setMinimumSize(800, 600);
    resize(784, 561);
    setAutoFillBackground(true);
    QPalette fundo = palette();
    fundo.setColor(QPalette::Window, Qt::white);
    setPalette(fundo);
    QFont fonte;  // Tahoma 8 pt, through its fallbacks
    fonte.setFamilies(Fontes::Familias(QStringLiteral("Tahoma")));
    fonte.setPointSize(8);
    setFont(fonte);

    canal_ = std::make_unique<CanalComandos>();
    connect(canal_.get(), &CanalComandos::Comando, this,
            &TPrincipalVivavaDazovadForm::ExecutarComando);

    CriarPaginas();
    CriarBarraDeStatus();
    connect(TabVenda, &TPaginaVenda::VisibilidadeMudou, StatusBar1, &QWidget::setVisible);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PageControl, 1);
    layout->addWidget(StatusBar1);
    PageControl->setCurrentWidget(TabVenda);
    qApp->installEventFilter(this);

    TratamentoErros::Executar([this] { AplicarConfiguracaoTela(); });
}

TPrincipalVivavaDazovadForm::~TPrincipalVivavaDazovadForm() {
    qApp->removeEventFilter(this);
}

void TPrincipalVivavaDazovadForm::CriarBarraDeStatus() {
    StatusBar1 = new QWidget(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(19);
    auto* linha = new QHBoxLayout(StatusBar1);
    linha->setContentsMargins(0, 0, 0, 0);
    linha->setSpacing(2);
    const QString textos[4] = {
        TmFile::GetVersaoArquivo3Niveis(QCoreApplication::applicationFilePath()),
        QStringLiteral("Corvel Sistemas Comerciais"), QStringLiteral("www.corvel.com.br"),
        QStringLiteral("F12 - Configurações")};
    const int larguras[4] = {70, 300, 200, 50};
    for (int i = 0; i < 4; ++i) {
        Painel[i] = new QLabel(StatusBar1);
        Painel[i]->setTextFormat(Qt::PlainText);  // the version is read from a file
        Painel[i]->setText(textos[i]);
        Painel[i]->setAlignment(Qt::AlignCenter);
        Painel[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Painel[i]->setFont(Fontes::Fonte(QStringLiteral("Tahoma"), 11));
        if (i < 3)
            Painel[i]->setFixedWidth(larguras[i]);
        // The last panel takes the rest of the bar, as its text is wider than its 50 pixels.
        linha->addWidget(Painel[i], i == 3 ? 1 : 0);
    }
    StatusBar1->hide();  // shown only while the sale has rows
}

void TPrincipalVivavaDazovadForm::CriarPaginas() {
    PageControl = new QStackedWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    TabPgto = new TPaginaPagamento(PageControl);
    TabVenda = new TPaginaVenda(*TabPgto, PageControl);
    TabDebug = new TPaginaDebug(PageControl);
    TabImg = new TPaginaImagem(PageControl);
    TabInfo = new TPaginaInfo(PageControl);
    TabConfig = new TPaginaConfiguracao(PageControl);
    for (QWidget* pagina : {static_cast<QWidget*>(TabVenda), static_cast<QWidget*>(TabPgto),
                            static_cast<QWidget*>(TabDebug), static_cast<QWidget*>(TabImg),
                            static_cast<QWidget*>(TabInfo), static_cast<QWidget*>(TabConfig)})
        PageControl->addWidget(pagina);
    TabVenda->ImgFundoVenda().DefinirImagem(FundoPadrao::Imagem());
    connect(TabVenda, &TPaginaVenda::PedirAtivacao, this, [this] { AtivarPagina(TabVenda); });
    connect(TabPgto, &TPaginaPagamento::PedirAtivacao, this, [this] { AtivarPagina(TabPgto); });
    TabConfig->DefinirAcoes(
        [this] { AtivarPagina(TabVenda); },
        [this] { TratamentoErros::Executar([this] { AplicarConfiguracaoTela(); }); });
}

QList<TMonitor> TPrincipalVivavaDazovadForm::Monitores() const {
    if (monitoresFixos_)
        return *monitoresFixos_;
    QList<TMonitor> monitores;
    const QList<QScreen*> telas = QGuiApplication::screens();
    for (int i = 0; i < telas.size(); ++i)
        monitores.append({telas[i]->geometry(), telas[i] == QGuiApplication::primaryScreen(), i});
    return monitores;
}

void TPrincipalVivavaDazovadForm::PosicionarNoMonitor(int monitor, bool debug) {
    const QList<TMonitor> monitores = Monitores();
    if (debug)
        for (int i = 0; i < monitores.size(); ++i)
            QMessageBox::information(this, windowTitle(), TextoMonitor(i, monitores[i]));
    move(CantoDoMonitor(monitores, monitor));
}

void TPrincipalVivavaDazovadForm::AplicarConfiguracaoTela() {
    bool telaCheia = true, adaptar = false;
    {
        TmConfig config(TPaginaConfiguracao::ArquivoConfiguracao(), true);
        porta_ = PortaEfetiva(config.ReadIntegerConfig(QStringLiteral("Porta"), kPortaPadrao));
        const int monitor = config.ReadIntegerConfig(QStringLiteral("Monitor"), 1);
        PosicionarNoMonitor(monitor, config.ReadBoolConfig(QStringLiteral("Debug"), false));
        const int topo = config.ReadIntegerConfig(QStringLiteral("Top"), -1);
        const int esquerda = config.ReadIntegerConfig(QStringLiteral("Left"), -1);
        if (topo >= 0 && esquerda >= 0)
            move(esquerda, topo);
        telaCheia = config.ReadBoolConfig(QStringLiteral("TelaCheia"), true);
        if (!telaCheia)
            resize(config.ReadIntegerConfig(QStringLiteral("Largura"), width()),
                   config.ReadIntegerConfig(QStringLiteral("Altura"), height()));
        adaptar = config.ReadBoolConfig(QStringLiteral("AdaptarFundoVenda"), false);
    }
    if (telaCheia)
        Maximizar();
    TabVenda->ImgFundoVenda().DefinirAdaptar(adaptar);
    CarregarFundoDoDia();
}

void TPrincipalVivavaDazovadForm::Maximizar() {
    // Borderless and covering the whole monitor the window now stands on.
    const QPoint canto = pos();
    const QList<TMonitor> monitores = Monitores();
    QRect area = monitores.isEmpty() ? QRect(canto, size()) : monitores.first().Limites;
    for (const TMonitor& m : monitores)
        if (m.Limites.contains(canto))
            area = m.Limites;
    const bool visivel = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, true);
    setGeometry(area);
    setWindowState(windowState() | Qt::WindowMaximized);
    if (visivel)
        show();  // changing the flags hides a shown window
}

void TPrincipalVivavaDazovadForm::CarregarFundoDoDia() {
    if (!CarregarImagemFundo(FundoDoDia::BaseDoDia(Relogio::Agora())))
        CarregarImagemFundo(FundoDoDia::BaseGeral());
}

bool TPrincipalVivavaDazovadForm::CarregarImagemFundo(const QString& baseWindows) {
    const auto arquivo = FundoDoDia::ArquivoDaBase(baseWindows);
    if (!arquivo)
        return false;
    TabVenda->ImgFundoVenda().DefinirImagem(LerImagem(*arquivo));
    return true;
}

void TPrincipalVivavaDazovadForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!mostrada_) {
        mostrada_ = true;
        FormShow();
    }
}

void TPrincipalVivavaDazovadForm::FormShow() {
    TabVenda->LimparVenda();
    TabPgto->CentralizarLinhaPagamento(width());
    // A port that cannot be bound is reported; the program runs on without a listener.
    QString erro;
    if (!canal_->Ativar(porta_, erro))
        TratamentoErros::Relatar(std::make_exception_ptr(std::runtime_error(erro.toStdString())));
}

void TPrincipalVivavaDazovadForm::closeEvent(QCloseEvent* event) {
    canal_->Desativar();
    QWidget::closeEvent(event);
}

bool TPrincipalVivavaDazovadForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F12 &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
        FormKeyDown(Qt::Key_F12);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TPrincipalVivavaDazovadForm::FormKeyDown(int tecla) {
    if (tecla != Qt::Key_F12)
        return;
    if (PageControl->currentWidget() == TabConfig) {
        AtivarPagina(TabVenda);
    } else {
        TratamentoErros::Executar([this] {
            TabConfig->AbrirConfiguracao();
            AtivarPagina(TabConfig);
        });
    }
}

void TPrincipalVivavaDazovadForm::AtivarPagina(QWidget* pagina) {
    PageControl->setCurrentWidget(pagina);
}

void TPrincipalVivavaDazovadForm::ExecutarComando(int codigo, const QString& parametros) {
    // Codes without a command do nothing.
    if (const std::optional<Protocolo::EComando> comando = Protocolo::ComandoDoCodigo(codigo))
        TratamentoErros::Executar([&] { DespacharComando(*comando, parametros); });
}

void TPrincipalVivavaDazovadForm::DespacharComando(Protocolo::EComando comando,
                                                   const QString& parametros) {
    using namespace Protocolo;
    switch (comando) {
        case EComando::CarregarListaItens:
            TabVenda->CarregarListaItens(LerListaItens(parametros));
            break;
        case EComando::ExibirVenda:
            TabVenda->ExibirVenda(ParametroUm(parametros));
            break;
        case EComando::ExibirResumoPagamento:
            TabPgto->ExibirResumoPagamento(LerResumoPagamento(parametros));
            break;
        case EComando::ExibirMeiosPagamento:
            if (const auto meios = LerMeiosPagamento(parametros))
                TabPgto->ExibirMeiosPagamento(*meios);
            break;
        case EComando::LimparVenda:
            TabVenda->LimparVenda();
            break;
        case EComando::ExibirInfo:
            TabInfo->ExibirInfo(LerInfo(parametros));
            AtivarPagina(TabInfo);
            break;
        case EComando::AdicionarDebug:
            TabDebug->AdicionarDebug(LerLinhaDebug(parametros));
            break;
        case EComando::CancelarItem:
            if (const auto cancelamento = LerCancelamentoItem(parametros))
                TabVenda->CancelarItem(*cancelamento);
            break;
        case EComando::DescontoItem:
            if (const auto desconto = LerAjusteItem(parametros))
                TabVenda->DescontoItem(*desconto);
            break;
        case EComando::AcrescimoItem:
            if (const auto acrescimo = LerAjusteItem(parametros))
                TabVenda->AcrescimoItem(*acrescimo);
            break;
        case EComando::ExibirImagem:
            ExibirImagem();
            break;
        case EComando::FecharImagem:
            FecharImagem(ParametroUm(parametros));
            break;
        case EComando::ExibirPagamento:
            TabPgto->ExibirPagamento();
            break;
    }
}

void TPrincipalVivavaDazovadForm::ExibirImagem() {
    const QString arquivo = CaminhoWindows::Mapear(kArquivoImagem);
    if (!QFileInfo(arquivo).isFile())
        return;
    TabImg->Img->DefinirImagem(LerImagem(arquivo));
    AtivarPagina(TabImg);
}

void TPrincipalVivavaDazovadForm::FecharImagem(bool exibirVenda) {
    QFile::remove(CaminhoWindows::Mapear(kArquivoImagem));  // a failure is not reported
    AtivarPagina(exibirVenda ? static_cast<QWidget*>(TabVenda) : TabPgto);
}
