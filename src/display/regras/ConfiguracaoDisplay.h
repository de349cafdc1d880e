#pragma once
// The display's settings, kept in section "Config" of "c:\frente\config\Orvane.crv": the one
// place for their keys, their defaults and the port rule. The window reads them at every
// placement; the settings page reads them to fill its controls and writes what the operator
// applied.
//
// Keys, defaults when read, and whether "Aplicar" writes them:
//   "Porta"             22334  written  TCP port of the listener (see PortaEfetiva)
//   "Monitor"           1      written  1 = first monitor in the platform's enumeration order
//   "TelaCheia"         true   written  the whole monitor, no border
//   "Largura"/"Altura"  caller written  outer size of the window when not full screen
//   "AdaptarFundoVenda" false  written  stretch the sale background to the page
//   "Top"/"Left"        -1     never    window corner, used only when both are 0 or more
//   "Debug"             false  never    one message box per monitor at every placement
//   "Ativa"             -      always 1 never read by the display
//   "PdvPermitidos"     ""     never    addresses and networks that may connect
//                                       (ListaPermitidos.h); empty: everyone
//   "SegredoPix"        ""     never    shared secret that signs the PIX commands (ComandosPix.h);
//                                       empty: not signed
//   "CodificacaoPOS"    ""     never    encoding of the POS's lines: "UTF-8" or "Windows-1252";
//                                       empty or unknown = 7-bit, as the protocol defines
//   "Legivel"           false  see below  sale grid scaled to the monitor, cues beside colours
//   "AltoContraste"     false  see below  sale grid in white on black
//   "PastaApresentacao" ""     never    folder of the idle slideshow (a Windows path); empty = none
//   "IntervaloApresentacao" 10 never    seconds each picture of the slideshow shows
//   "NivelDiario"       "aviso" never    level of the journal on standard error: "erro",
//                                       "aviso", "info" or "depuracao"
//   "DiarioVenda"       false  never    the journal may hold item names and amounts
//   "PortaWeb"          0      see below  TCP port of the customer's page for browsers
//                                       (PortaWebEfetiva); absent or 0: no such port is opened
// A missing file or key reads as its default; Booleans are true only for "1". "Legivel",
// "AltoContraste" and "PortaWeb" are written when set or when the file already holds them, so that
// applying the page leaves a file that never had them as it would have been.

#include <QPoint>
#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>

constexpr int kPortaPadrao = 22334;

struct ConfiguracaoDisplay {
    // The size the settings page shows when the file holds none. The window, instead, keeps
    // its current size when the file holds none.
    static constexpr QSize kTamanhoPadrao{800, 600};

    int Porta = kPortaPadrao;
    int Monitor = 1;
    bool TelaCheia = true;
    int Largura = kTamanhoPadrao.width();
    int Altura = kTamanhoPadrao.height();
    bool AdaptarFundoVenda = false;
    int Top = -1;
    int Left = -1;
    bool Debug = false;
    QString PdvPermitidos{};
    QString SegredoPix{};
    bool Legivel = false;
    bool AltoContraste = false;
    QString PastaApresentacao{};
    int IntervaloApresentacao = 10;
    QString CodificacaoPOS{};
    QString NivelDiario{};
    bool DiarioVenda = false;
    int PortaWeb = 0;

    // The settings file's path on this machine.
    static QString Arquivo();
    // Reads the file; "Largura" and "Altura" default to the given size.
    static ConfiguracaoDisplay Ler(QSize tamanhoPadrao = kTamanhoPadrao);
    // Writes, in this order, "Ativa" = 1, "Porta", "Monitor", "TelaCheia", "AdaptarFundoVenda",
    // "Largura" and "Altura", keeping every other line of the file. The folder must exist; a
    // file that cannot be written is left as it was, without a message.
    void Gravar() const;

    // The listener's port: a 16-bit number, so the stored value is taken modulo 65536
    // (negative values wrap as a 16-bit number would); 0 means the default port.
    std::uint16_t PortaEfetiva() const;
    // The port of the customer's page: 1 to 65535; nothing (no port opened) for 0 and for any
    // other value, and for the POS's port, which the POS keeps; both are reported in the journal
    // when read.
    std::optional<std::uint16_t> PortaWebEfetiva() const;
    // The corner the file fixes ("Left", "Top"), when both are 0 or more.
    std::optional<QPoint> CantoFixo() const;
};
