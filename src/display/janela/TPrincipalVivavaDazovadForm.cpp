#include "display/janela/TPrincipalVivavaDazovadForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QScreen>
#include <QVBoxLayout>
#include <stdexcept>

#include "base/CaminhoWindows.h"
#include "base/Relogio.h"
#include "desenho/fontes/Fontes.h"
#include "dialogos/mensagens/TratamentoErros.h"
#include "display/canal/CanalComandos.h"
#include "display/regras/FundoDoDia.h"
#include "display/telas/FundoPadrao.h"
#include "display/telas/ImagemFundo.h"
#include "display/telas/LeitorImagem.h"
#include "display/telas/PaginaAutoteste.h"
#include "display/telas/PaginaConfiguracao.h"
#include "display/telas/PaginaPagamento.h"
#include "display/telas/PaginaVenda.h"
#include "display/telas/PaginasSimples.h"
#include "display/telas/QuadroPix.h"
#include "display/web/ServidorTela.h"
#include "registro/diario/Diario.h"
#include "sistema/versao/TmFileVersao.h"

namespace {
const QString kArquivoImagem = QStringLiteral("c:\\frente\\OrvaneImg.bmp");
}  // namespace

TPrincipalVivavaDazovadForm::TPrincipalVivavaDazovadForm(QWidget* parent)
    : QWidget(parent),
      TabPgto([this] { return CriarPaginaPagamento(); }),
      TabDebug([this] { return NovaPagina<TPaginaDebug>(); }),
      TabImg([this] { return NovaPagina<TPaginaImagem>(); }),
      TabInfo([this] {
          auto* pagina = NovaPagina<TPaginaInfo>();
          pagina->ExibirInfo(estado_.InfoTela());
          return pagina;
      }),
      TabConfig([this] { return CriarPaginaConfiguracao(); }),
      TabAutoteste([this] { return NovaPagina<TPaginaAutoteste>(); }) {
    setObjectName(QStringLiteral("TPrincipalVivavaDazovadForm"));
    setWindowTitle(QStringLiteral("Vivava Dazovad"));
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
    TabVenda = NovaPagina<TPaginaVenda>();
    lbSemEscuta = new QLabel(TabVenda);
    lbSemEscuta->setObjectName(QStringLiteral("lbSemEscuta"));
    lbSemEscuta->setTextFormat(Qt::PlainText);
    lbSemEscuta->setStyleSheet(QStringLiteral("color: #808080;"));
    lbSemEscuta->move(8, 8);
    lbSemEscuta->hide();
    escutaTimer_.setInterval(kEsperaEscutaMs);
    connect(&escutaTimer_, &QTimer::timeout, this, &TPrincipalVivavaDazovadForm::AtivarCanal);
    autotesteTimer_.setInterval(1000);
    connect(&autotesteTimer_, &QTimer::timeout, this,
            &TPrincipalVivavaDazovadForm::AtualizarAutoteste);
    TabVenda->ImgFundoVenda().DefinirImagem(FundoPadrao::Imagem());
    connect(&estado_, &TEstadoTela::Mudou, this, &TPrincipalVivavaDazovadForm::MostrarEstado);
}

template <class TPagina>
TPagina* TPrincipalVivavaDazovadForm::NovaPagina() {
    auto* pagina = new TPagina(PageControl);
    PageControl->addWidget(pagina);
    return pagina;
}

TPaginaPagamento* TPrincipalVivavaDazovadForm::CriarPaginaPagamento() {
    auto* pagina = NovaPagina<TPaginaPagamento>();
    QuadroPix = new TQuadroPix(pagina);
    pagina->Mostrar(estado_.PagamentoTela());
    if (larguraAoMostrar_)
        pagina->CentralizarLinhaPagamento(*larguraAoMostrar_);
    return pagina;
}

TPaginaConfiguracao* TPrincipalVivavaDazovadForm::CriarPaginaConfiguracao() {
    auto* pagina = NovaPagina<TPaginaConfiguracao>();
    pagina->DefinirAcoes(
        [this] { AtivarPagina(TabVenda); },
        [this] { TratamentoErros::Executar([this] { AplicarConfiguracaoTela(); }); });
    return pagina;
}

QList<TMonitor> TPrincipalVivavaDazovadForm::Monitores() {
    QList<TMonitor> monitores;
    const QList<QScreen*> telas = QGuiApplication::screens();
    for (int i = 0; i < telas.size(); ++i)
        monitores.append({telas[i]->geometry(), telas[i] == QGuiApplication::primaryScreen(), i});
    return monitores;
}

void TPrincipalVivavaDazovadForm::MostrarMonitores(const QList<TMonitor>& monitores) {
    for (int i = 0; i < monitores.size(); ++i) {
        QMessageBox caixa(QMessageBox::NoIcon, windowTitle(), TextoMonitor(i, monitores[i]),
                          QMessageBox::Ok, this);
        caixa.setTextFormat(Qt::PlainText);
        caixa.exec();
    }
}

void TPrincipalVivavaDazovadForm::AplicarConfiguracaoTela() {
    // The size the file does not give is the window's current outer size.
    const ConfiguracaoDisplay config = ConfiguracaoDisplay::Ler(frameGeometry().size());
    porta_ = config.PortaEfetiva();
    canal_->DefinirCodificacao(LeitorLinhas::CodificacaoPorNome(config.CodificacaoPOS));
    Diario::DefinirNivel(Diario::NivelPorNome(config.NivelDiario).value_or(Diario::kNivelPadrao));
    Diario::DefinirDetalhesVenda(config.DiarioVenda);
    TabVenda->DefinirLegivel(config.Legivel, config.AltoContraste);
    TabVenda->ConfigurarApresentacao(config.PastaApresentacao.isEmpty()
                                         ? QString()
                                         : CaminhoWindows::Mapear(config.PastaApresentacao),
                                     config.IntervaloApresentacao);
    const QList<TMonitor> monitores = Monitores();
    if (config.Debug)
        MostrarMonitores(monitores);
    const QPoint canto = CantoDaJanela(monitores, config);
    if (config.TelaCheia)
        ColocarEmTelaCheia(MonitorDoCanto(monitores, canto));
    else
        ColocarEmJanela(QRect(canto, QSize(config.Largura, config.Altura)));
    TabVenda->ImgFundoVenda().DefinirAdaptar(config.AdaptarFundoVenda);
    AplicarAcessoPdv(config);
    AtivarPaginaWeb(config);
    CarregarFundoDoDia();
}

void TPrincipalVivavaDazovadForm::AplicarAcessoPdv(const ConfiguracaoDisplay& config) {
    QStringList invalidos;
    permitidos_ = TListaPermitidos::Ler(config.PdvPermitidos, invalidos);
    canal_->DefinirPermitidos(permitidos_);
    if (web_)
        web_->DefinirPermitidos(permitidos_);
    for (const QString& entrada : invalidos)
        Diario::Escrever(Diario::ENivel::Aviso,
                         QStringLiteral("PdvPermitidos: \"%1\" não é um endereço nem uma rede; "
                                        "ignorado")
                             .arg(entrada));
    segredoPix_ = config.SegredoPix.toUtf8();
}

void TPrincipalVivavaDazovadForm::AtivarPaginaWeb(const ConfiguracaoDisplay& config) {
    const std::optional<std::uint16_t> porta = config.PortaWebEfetiva();
    if (!porta) {
        web_.reset();
        return;
    }
    if (!web_)
        web_ = std::make_unique<TServidorTela>(estado_);
    web_->DefinirPermitidos(permitidos_);
    if (web_->Porta() == *porta)
        return;
    QString erro;
    if (web_->Ativar(QHostAddress::Any, *porta, erro))
        Diario::Escrever(Diario::ENivel::Info,
                         QStringLiteral("página do cliente na porta %1").arg(*porta));
    else
        Diario::Escrever(
            Diario::ENivel::Erro,
            QStringLiteral("página do cliente: a porta %1 não abriu: %2").arg(*porta).arg(erro));
}

void TPrincipalVivavaDazovadForm::ColocarEmTelaCheia(int monitor) {
    tamanhoExterno_.reset();
    QScreen* tela = QGuiApplication::screens().value(monitor, QGuiApplication::primaryScreen());
    if (!windowFlags().testFlag(Qt::FramelessWindowHint)) {
        const bool visivel = isVisible();
        setWindowFlag(Qt::FramelessWindowHint, true);
        if (visivel)
            show();  // changing the flags hides a shown window
    }
    AjustarAMoldura();
    if (isFullScreen() && screen() == tela)
        return;
    // A window manager moves a full-screen window to another monitor only out of that state.
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    setScreen(tela);
    setGeometry(tela->geometry());
    setWindowState(windowState() | Qt::WindowFullScreen);
}

void TPrincipalVivavaDazovadForm::ColocarEmJanela(const QRect& externo) {
    // The border stays as it is: a window made borderless earlier in this run stays so.
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    tamanhoExterno_ = externo.size();
    move(externo.topLeft());
    AjustarAMoldura();
}

QMargins TPrincipalVivavaDazovadForm::Moldura() const {
    const QRect externo = frameGeometry();
    const QRect interno = geometry();
    return QMargins(interno.left() - externo.left(), interno.top() - externo.top(),
                    externo.right() - interno.right(), externo.bottom() - interno.bottom());
}

void TPrincipalVivavaDazovadForm::AjustarAMoldura() {
    moldura_ = Moldura();
    setMinimumSize(kTamanhoMinimo.shrunkBy(moldura_));
    if (tamanhoExterno_)
        resize(tamanhoExterno_->shrunkBy(moldura_));
}

bool TPrincipalVivavaDazovadForm::event(QEvent* event) {
    const bool tratado = QWidget::event(event);
    // The window manager reports the frame only after it has framed the shown window.
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            if (Moldura() != moldura_)
                AjustarAMoldura();
            break;
        default:
            break;
    }
    return tratado;
}

void TPrincipalVivavaDazovadForm::CarregarFundoDoDia() {
    const auto arquivo = FundoDoDia::Escolher(Relogio::Agora());
    if (!arquivo)
        return;
    const TArquivoImagem fundo = LerArquivoImagem(*arquivo);
    TabVenda->ImgFundoVenda().DefinirImagem(fundo.imagem);
    estado_.DefinirFundo(fundo.bytes);
}

void TPrincipalVivavaDazovadForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!larguraAoMostrar_)
        FormShow();
}

void TPrincipalVivavaDazovadForm::MostrarEstado(TEstadoTela::EPartes partes) {
    if (partes & (TEstadoTela::Linhas | TEstadoTela::LinhasAcrescidas))
        TabVenda->MostrarLinhas(estado_.LinhasVenda(), !partes.testFlag(TEstadoTela::Linhas));
    if (partes.testFlag(TEstadoTela::Total))
        TabVenda->MostrarTotal(estado_.TotalVenda());
    if (partes.testFlag(TEstadoTela::MostrarVenda))
        AtivarPagina(TabVenda);
    if (auto* pagamento = TabPgto.Criada(); pagamento && partes.testFlag(TEstadoTela::Pagamento))
        pagamento->Mostrar(estado_.PagamentoTela());
    if (partes.testFlag(TEstadoTela::Pix))
        MostrarPix();
    if (partes.testFlag(TEstadoTela::MostrarPagamento))
        AtivarPagina(&TabPgto.Obter());
    if (auto* info = TabInfo.Criada(); info && partes.testFlag(TEstadoTela::Info))
        info->ExibirInfo(estado_.InfoTela());
    if (partes.testFlag(TEstadoTela::MostrarInfo))
        AtivarPagina(&TabInfo.Obter());
    if (partes.testFlag(TEstadoTela::MostrarImagem))
        AtivarPagina(&TabImg.Obter());
}

// The PIX frame lives on the payment page: a code to show builds it; none to show needs it
// only when it was built.
void TPrincipalVivavaDazovadForm::MostrarPix() {
    if (const auto& pix = estado_.PixTela()) {
        TabPgto.Obter();
        QuadroPix->Exibir(*pix);
    } else if (QuadroPix) {
        QuadroPix->Remover();
    }
}

void TPrincipalVivavaDazovadForm::FormShow() {
    larguraAoMostrar_ = width();
    estado_.LimparVenda();
    if (auto* pagamento = TabPgto.Criada())
        pagamento->CentralizarLinhaPagamento(width());
    AtivarCanal();
}

void TPrincipalVivavaDazovadForm::AtivarCanal() {
    // A port that cannot be bound is reported once; the program runs on and tries again.
    QString erro;
    if (canal_->Ativar(porta_, erro)) {
        escutaTimer_.stop();
        lbSemEscuta->hide();
        Diario::Escrever(Diario::ENivel::Info,
                         QStringLiteral("ouvindo na porta %1").arg(canal_->Porta()));
        return;
    }
    lbSemEscuta->setText(
        QStringLiteral("Sem conexão com o PDV: a porta %1 não está aberta").arg(porta_));
    lbSemEscuta->adjustSize();
    lbSemEscuta->show();
    lbSemEscuta->raise();
    escutaTimer_.start();
    if (std::exchange(falhaEscutaRelatada_, true))
        return;
    Diario::Escrever(Diario::ENivel::Erro, erro);
    TratamentoErros::Relatar(std::make_exception_ptr(std::runtime_error(erro.toStdString())));
}

void TPrincipalVivavaDazovadForm::MostrarAutoteste() {
    AtualizarAutoteste();
    AtivarPagina(&TabAutoteste.Obter());
    autotesteTimer_.start();
}

void TPrincipalVivavaDazovadForm::AtualizarAutoteste() {
    TEstadoAutoteste estado;
    estado.versao = Painel[0]->text();
    for (const QHostAddress& endereco : QNetworkInterface::allAddresses()) {
        if (!endereco.isLoopback())
            estado.enderecos.append(endereco.toString());
    }
    estado.porta = porta_;
    estado.ouvindo = canal_->Ativo();
    estado.ultimaConexao = canal_->UltimaConexao();
    estado.linhasRecebidas = canal_->LinhasRecebidas();
    estado.monitor = int(QGuiApplication::screens().indexOf(screen())) + 1;
    estado.geometriaMonitor = screen() ? screen()->geometry() : QRect();
    TabAutoteste.Obter().Exibir(estado);
}

void TPrincipalVivavaDazovadForm::SairAutoteste() {
    autotesteTimer_.stop();
    AtivarPagina(TabVenda);
}

void TPrincipalVivavaDazovadForm::closeEvent(QCloseEvent* event) {
    canal_->Desativar();
    QWidget::closeEvent(event);
}

bool TPrincipalVivavaDazovadForm::eventFilter(QObject* watched, QEvent* event) {
    const bool teclaNaJanela = event->type() == QEvent::KeyPress && watched->isWidgetType() &&
                               static_cast<QWidget*>(watched)->window() == this;
    if (teclaNaJanela && PageControl->currentWidget() == TabAutoteste.Criada()) {
        SairAutoteste();
        return true;
    }
    if (teclaNaJanela && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F12) {
        FormKeyDown(Qt::Key_F12);
        return true;
    }
    if (teclaNaJanela && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F10) {
        MostrarAutoteste();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TPrincipalVivavaDazovadForm::FormKeyDown(int tecla) {
    if (tecla != Qt::Key_F12)
        return;
    if (PageControl->currentWidget() == TabConfig.Criada()) {
        AtivarPagina(TabVenda);
    } else {
        TratamentoErros::Executar([this] {
            TabConfig.Obter().AbrirConfiguracao();
            AtivarPagina(&TabConfig.Obter());
        });
    }
}

void TPrincipalVivavaDazovadForm::AtivarPagina(QWidget* pagina) {
    PageControl->setCurrentWidget(pagina);
}

void TPrincipalVivavaDazovadForm::ExecutarComando(int codigo, const QString& parametros) {
    // What a sale holds reaches the journal only when the installer turned that on.
    if (Diario::Registra(Diario::ENivel::Depuracao)) {
        Diario::Escrever(
            Diario::ENivel::Depuracao,
            Diario::DetalhesVenda()
                ? QStringLiteral("comando %1: %2").arg(codigo).arg(parametros)
                : QStringLiteral("comando %1 (%2 caracteres)").arg(codigo).arg(parametros.size()));
    }
    if (PageControl->currentWidget() == TabAutoteste.Criada())
        SairAutoteste();
    // Codes without a command do nothing.
    const std::optional<Protocolo::EComando> comando = Protocolo::ComandoDoCodigo(codigo);
    if (!comando)
        return;
    const std::optional<QString> assinados =
        Protocolo::ComandoPix(*comando)
            ? Protocolo::ParametrosAssinados(codigo, parametros, segredoPix_)
            : parametros;
    if (!assinados) {
        Diario::Escrever(
            Diario::ENivel::Aviso,
            QStringLiteral("comando PIX %1 recusado: sem assinatura válida").arg(codigo));
        return;
    }
    TratamentoErros::Executar([&] { DespacharComando(*comando, *assinados); });
}

void TPrincipalVivavaDazovadForm::DespacharComando(Protocolo::EComando comando,
                                                   const QString& parametros) {
    using namespace Protocolo;
    switch (comando) {
        case EComando::AdicionarDebug:
            TabDebug.Obter().AdicionarDebug(LerLinhaDebug(parametros));
            break;
        case EComando::ExibirImagem:
            ExibirImagem();
            break;
        case EComando::FecharImagem:
            estado_.Aplicar(comando, parametros);
            QFile::remove(CaminhoWindows::Mapear(kArquivoImagem));  // a failure is not reported
            break;
        default:
            estado_.Aplicar(comando, parametros);
            break;
    }
}

void TPrincipalVivavaDazovadForm::ExibirImagem() {
    const QString arquivo = CaminhoWindows::Mapear(kArquivoImagem);
    if (!QFileInfo(arquivo).isFile())
        return;
    // The picture is decoded before the state holds it, so that every view shows only a
    // picture the window could show, and a bad file builds no page.
    const TArquivoImagem imagem = LerArquivoImagem(arquivo);
    TabImg.Obter().DefinirImagem(imagem.imagem);
    estado_.ExibirImagem(imagem.bytes);
}
