#include "display/regras/ConfiguracaoDisplay.h"

#include "base/CaminhoWindows.h"
#include "registro/diario/Diario.h"
#include "texto/config/TmConfig.h"

QString ConfiguracaoDisplay::Arquivo() {
    return CaminhoWindows::Mapear(QStringLiteral("c:\\frente\\config\\Orvane.crv"));
}

ConfiguracaoDisplay ConfiguracaoDisplay::Ler(QSize tamanhoPadrao) {
    const TmConfig config(Arquivo(), true);
    const ConfiguracaoDisplay padrao;
    ConfiguracaoDisplay lida;
    lida.Porta = config.ReadIntegerConfig(QStringLiteral("Porta"), padrao.Porta);
    lida.Monitor = config.ReadIntegerConfig(QStringLiteral("Monitor"), padrao.Monitor);
    lida.TelaCheia = config.ReadBoolConfig(QStringLiteral("TelaCheia"), padrao.TelaCheia);
    lida.Largura = config.ReadIntegerConfig(QStringLiteral("Largura"), tamanhoPadrao.width());
    lida.Altura = config.ReadIntegerConfig(QStringLiteral("Altura"), tamanhoPadrao.height());
    lida.AdaptarFundoVenda =
        config.ReadBoolConfig(QStringLiteral("AdaptarFundoVenda"), padrao.AdaptarFundoVenda);
    lida.Top = config.ReadIntegerConfig(QStringLiteral("Top"), padrao.Top);
    lida.Left = config.ReadIntegerConfig(QStringLiteral("Left"), padrao.Left);
    lida.Debug = config.ReadBoolConfig(QStringLiteral("Debug"), padrao.Debug);
    lida.PdvPermitidos = config.ReadStringConfig(QStringLiteral("PdvPermitidos"), QString());
    lida.SegredoPix = config.ReadStringConfig(QStringLiteral("SegredoPix"), QString());
    lida.Legivel = config.ReadBoolConfig(QStringLiteral("Legivel"), padrao.Legivel);
    lida.AltoContraste =
        config.ReadBoolConfig(QStringLiteral("AltoContraste"), padrao.AltoContraste);
    lida.PastaApresentacao =
        config.ReadStringConfig(QStringLiteral("PastaApresentacao"), QString());
    lida.IntervaloApresentacao = config.ReadIntegerConfig(QStringLiteral("IntervaloApresentacao"),
                                                          padrao.IntervaloApresentacao);
    lida.CodificacaoPOS = config.ReadStringConfig(QStringLiteral("CodificacaoPOS"), QString());
    lida.NivelDiario = config.ReadStringConfig(QStringLiteral("NivelDiario"), QString());
    lida.DiarioVenda = config.ReadBoolConfig(QStringLiteral("DiarioVenda"), padrao.DiarioVenda);
    lida.PortaWeb = config.ReadIntegerConfig(QStringLiteral("PortaWeb"), padrao.PortaWeb);
    if (lida.PortaWeb != 0 && !lida.PortaWebEfetiva())
        Diario::Escrever(Diario::ENivel::Aviso,
                         QStringLiteral("PortaWeb=%1 não é uma porta livre (1 a 65535, outra que a "
                                        "do PDV); a página do cliente fica desligada")
                             .arg(lida.PortaWeb));
    return lida;
}

void ConfiguracaoDisplay::Gravar() const {
    TmConfig config(Arquivo(), true);
    config.WriteBoolConfig(QStringLiteral("Ativa"), true);
    config.WriteIntegerConfig(QStringLiteral("Porta"), Porta);
    config.WriteIntegerConfig(QStringLiteral("Monitor"), Monitor);
    config.WriteBoolConfig(QStringLiteral("TelaCheia"), TelaCheia);
    config.WriteBoolConfig(QStringLiteral("AdaptarFundoVenda"), AdaptarFundoVenda);
    config.WriteIntegerConfig(QStringLiteral("Largura"), Largura);
    config.WriteIntegerConfig(QStringLiteral("Altura"), Altura);
    for (const auto& [chave, valor] : {std::pair{QStringLiteral("Legivel"), Legivel},
                                       std::pair{QStringLiteral("AltoContraste"), AltoContraste}}) {
        if (valor || !config.ReadStringConfig(chave, QString()).isEmpty())
            config.WriteBoolConfig(chave, valor);
    }
    if (PortaWeb != 0 || !config.ReadStringConfig(QStringLiteral("PortaWeb"), QString()).isEmpty())
        config.WriteIntegerConfig(QStringLiteral("PortaWeb"), PortaWeb);
    Diario::Escrever(Diario::ENivel::Info,
                     QStringLiteral("configurações gravadas em %1").arg(Arquivo()));
}  // the object saves itself here; a failure is ignored

std::uint16_t ConfiguracaoDisplay::PortaEfetiva() const {
    const auto porta = static_cast<std::uint16_t>(static_cast<std::uint32_t>(Porta) & 0xFFFFu);
    return porta == 0 ? kPortaPadrao : porta;
}

std::optional<std::uint16_t> ConfiguracaoDisplay::PortaWebEfetiva() const {
    if (PortaWeb < 1 || PortaWeb > 0xFFFF || PortaWeb == PortaEfetiva())
        return std::nullopt;
    return static_cast<std::uint16_t>(PortaWeb);
}

std::optional<QPoint> ConfiguracaoDisplay::CantoFixo() const {
    if (Top >= 0 && Left >= 0)
        return QPoint(Left, Top);
    return std::nullopt;
}
