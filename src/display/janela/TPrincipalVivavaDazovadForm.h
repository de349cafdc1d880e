#pragma once
// The display window: a status bar and a stack of pages (sale, payment, debug, picture, info,
// settings) of which exactly one is visible, driven by the POS's commands and by F12.
//
// The window opens on the sale page, and the other pages are built on their first use: the first
// frame waits only for what it shows.

#include <QLabel>
#include <QMargins>
#include <QStackedWidget>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "display/canal/ListaPermitidos.h"
#include "display/estado/EstadoTela.h"
#include "display/protocolo/ComandosPix.h"
#include "display/protocolo/Protocolo.h"
#include "display/regras/Posicionamento.h"

class CanalComandos;
class TServidorTela;
class TPaginaVenda;
class TPaginaPagamento;
class TPaginaInfo;
class TPaginaImagem;
class TPaginaDebug;
class TPaginaConfiguracao;
class TQuadroPix;
class TPaginaAutoteste;

// A page of the window's stack, built on its first use by Obter(). Criada() is null until then,
// for the updates that a page not yet built can skip because it takes the current state when it
// is built.
template <class TPagina>
class TPaginaSobDemanda {
public:
    explicit TPaginaSobDemanda(std::function<TPagina*()> criar) : criar_(std::move(criar)) {}
    TPagina& Obter() {
        if (!pagina_)
            pagina_ = criar_();
        return *pagina_;
    }
    TPagina* Criada() const { return pagina_; }

private:
    std::function<TPagina*()> criar_;
    TPagina* pagina_ = nullptr;
};

class TPrincipalVivavaDazovadForm : public QWidget {
    Q_OBJECT
public:
    // FormCreate: builds the window, reads the settings and places the window.
    explicit TPrincipalVivavaDazovadForm(QWidget* parent = nullptr);
    ~TPrincipalVivavaDazovadForm() override;

    // Reads the settings again, sets the port of the next activation, places the window and
    // loads the background. Full screen is the window manager's full-screen state on the
    // chosen monitor (the whole monitor, panels included), without a border. Otherwise
    // "Largura" and "Altura" are the outer size, frame included, as is the 800 x 600 minimum.
    void AplicarConfiguracaoTela();
    // The weekday background, else the general one; when neither exists the picture stays.
    void CarregarFundoDoDia();
    // The allow-list of the POS port and of the customer's page, and the secret of the PIX
    // commands, from the settings; invalid entries of the list are reported on the standard error.
    void AplicarAcessoPdv(const ConfiguracaoDisplay& config);
    // The server of the customer's page, on all addresses at "PortaWeb" when the settings name
    // one, else none. A port that cannot be opened is reported in the journal.
    void AtivarPaginaWeb(const ConfiguracaoDisplay& config);
    // Null while no port is configured.
    TServidorTela* ServidorWeb() { return web_.get(); }
    // Runs one command of the POS (the code of the line's first character and the parameter
    // text from its third character on): the protocol reads the command's record from the
    // parameter text and the page it concerns shows it. A code without a command does nothing;
    // an error is reported by the application's handler and the window goes on.
    void ExecutarComando(int codigo, const QString& parametros);

    // The installer's self-test page (also F10), refreshed every second while it shows; any
    // key or a POS command leaves it for the sale page.
    void MostrarAutoteste();

    // The port the listener uses at its next activation.
    std::uint16_t PortaConfigurada() const { return porta_; }
    CanalComandos& Canal() { return *canal_; }

protected:
    bool event(QEvent* event) override;            // keeps the outer size when the frame changes
    void showEvent(QShowEvent* event) override;    // FormShow (the first time)
    void closeEvent(QCloseEvent* event) override;  // FormClose
    bool eventFilter(QObject* watched, QEvent* event) override;  // FormKeyDown (F12)

private:
    void CriarBarraDeStatus();
    void CriarPaginas();
    // A page added to the stack; the ones that show the screen state take it at once.
    template <class TPagina>
    TPagina* NovaPagina();
    TPaginaPagamento* CriarPaginaPagamento();
    TPaginaConfiguracao* CriarPaginaConfiguracao();
    void FormShow();
    void ColocarEmTelaCheia(int monitor);
    void ColocarEmJanela(const QRect& externo);
    // The frame the window manager puts around the window (none before it is shown).
    QMargins Moldura() const;
    // Minimum and outer size for the current frame.
    void AjustarAMoldura();
    static QList<TMonitor> Monitores();
    void MostrarMonitores(const QList<TMonitor>& monitores);
    void FormKeyDown(int tecla);
    void AtivarPagina(QWidget* pagina);
    // The screen state applies the command; the debug page, which is no part of it, takes its
    // record itself, and the picture's file is read here (the state holds its bytes).
    void DespacharComando(Protocolo::EComando comando, const QString& parametros);
    // The pages follow the parts of the screen state that changed.
    void MostrarEstado(TEstadoTela::EPartes partes);
    void MostrarPix();
    void ExibirImagem();
    // Opens the listener; while it cannot, a discreet notice stays on the idle screen and the
    // listener is tried again every kEsperaEscutaMs (only the first failure is reported).
    void AtivarCanal();
    void AtualizarAutoteste();
    void SairAutoteste();

    static constexpr int kEsperaEscutaMs = 2000;
    QTimer escutaTimer_;
    QTimer autotesteTimer_;
    bool falhaEscutaRelatada_ = false;

    std::unique_ptr<CanalComandos> canal_;
    TEstadoTela estado_;
    TListaPermitidos permitidos_;
    std::unique_ptr<TServidorTela> web_;  // after estado_, which it follows
    std::uint16_t porta_ = kPortaPadrao;
    std::optional<int> larguraAoMostrar_;  // at the first show; it places the payment rows
    static constexpr QSize kTamanhoMinimo{800, 600};  // outer size
    std::optional<QSize> tamanhoExterno_;             // the size asked for, while not full screen
    QMargins moldura_;                                // the frame the sizes were last fitted to
    QByteArray segredoPix_;                           // signs the PIX commands; empty: unsigned

    // Components, named as the operator's documentation knows them; each carries its name as
    // its object name (the status bar's panels excepted), by which tests find it.
    QWidget* StatusBar1;
    QLabel* Painel[4];
    QStackedWidget* PageControl;
    TPaginaVenda* TabVenda;
    TPaginaSobDemanda<TPaginaPagamento> TabPgto;
    TPaginaSobDemanda<TPaginaDebug> TabDebug;
    TPaginaSobDemanda<TPaginaImagem> TabImg;
    TPaginaSobDemanda<TPaginaInfo> TabInfo;
    TPaginaSobDemanda<TPaginaConfiguracao> TabConfig;
    TQuadroPix* QuadroPix = nullptr;  // on TabPgto, built with it
    TPaginaSobDemanda<TPaginaAutoteste> TabAutoteste;
    QLabel* lbSemEscuta;  // on the sale page, while the listener is not open
};
