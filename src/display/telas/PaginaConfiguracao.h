#pragma once
// The display's settings page (TabConfig): port, monitor, the background and full-screen options
// and the window size, read from and written to the display's settings (ConfiguracaoDisplay).
// "Aplicar" writes every key the page shows and asks the window to place itself again; "Padrão"
// asks for confirmation and applies the defaults.
//
// The window embeds the page, opens it with F12 through AbrirConfiguracao and makes it the
// active page; the page calls back to go to the sale page and to place the window again.
//
// Monitor: the stored number n selects entry n - 1 of "1".."4"; a number outside 1 to 4 selects
// no entry, and "Aplicar" then writes 0, which places the window on the first monitor.

#include <QWidget>
#include <functional>

struct ConfiguracaoDisplay;
class QCheckBox;
class QPushButton;
class TACombo;
class TASpin;

class TPaginaConfiguracao : public QWidget {
    Q_OBJECT
public:
    explicit TPaginaConfiguracao(QWidget* parent = nullptr);

    // irParaVenda makes the sale page active; aplicarConfiguracaoTela reads the file again and
    // places the window.
    void DefinirAcoes(std::function<void()> irParaVenda,
                      std::function<void()> aplicarConfiguracaoTela);

    // Fills the page from the file, read again; edits not applied are lost.
    void AbrirConfiguracao();
    // The size spins are enabled exactly when the full-screen box is not ticked.
    void cbTelaCheiaClick();
    // Writes, in order, "Ativa", "Porta", "Monitor", "TelaCheia", "AdaptarFundoVenda", "Largura"
    // and "Altura" (a file that cannot be written is left as it was, without a message), then
    // goes to the sale page and places the window again.
    void btAplicarClick();
    // After "Voltar as configurações padrão?" is answered yes: the defaults, then btAplicarClick.
    void btPadraoClick();

private:
    // The controls show the settings; the size spins are enabled as the full-screen box says.
    void Exibir(const ConfiguracaoDisplay& config);
    TASpin* CriarSpin(const QString& nome, const QString& legenda, int topo, int minimo,
                      int maximo);
    QCheckBox* CriarCaixa(const QString& nome, const QString& legenda, int topo, int largura);
    QPushButton* CriarBotao(const QString& nome, const QString& legenda, int esquerda);

    std::function<void()> irParaVenda_;
    std::function<void()> aplicarConfiguracaoTela_;

    // Each carries its name as its object name, by which tests find it.
    TASpin* edPorta;
    TACombo* edMonitor;
    QCheckBox* cbAdaptarImagemVenda;
    QCheckBox* cbTelaCheia;
    QCheckBox* cbLegivel;
    QCheckBox* cbAltoContraste;
    TASpin* edLargura;
    TASpin* edAltura;
    QPushButton* btAplicar;
    QPushButton* btPadrao;
};
