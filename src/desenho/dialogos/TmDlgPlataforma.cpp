#include "desenho/dialogos/TmDlgPlataforma.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "desenho/dialogos/TDialogoMensagem.h"
#include "desenho/fontes/Fontes.h"
#include "dialogos/mensagens/Aguarde.h"
#include "sistema/som/TmSpeaker.h"

namespace {

constexpr int kMaximoBotoes = 6;

enum EResultado { kSim = 1, kNao = 2, kOk = 3 };

// The dialog's buttons, one per non-empty caption, with their positions as results; null where
// the caption is empty.
std::vector<QPushButton*> CriarBotoes(TDialogoMensagem& dialogo, const TcrvArrayString& botoes,
                                      const std::vector<bool>& fecha = {}) {
    std::vector<QPushButton*> criados;
    for (int k = 1; k <= botoes.size(); ++k) {
        const QString& legenda = botoes.at(k - 1);
        const bool fechaClique = k > static_cast<int>(fecha.size()) || fecha[k - 1];
        criados.push_back(legenda.isEmpty() ? nullptr
                                            : dialogo.AdicionarBotao(legenda, k, fechaClique));
    }
    return criados;
}

// Too many captions: the error, and no dialog.
bool BotoesDemais(const TcrvArrayString& botoes) {
    if (botoes.size() <= kMaximoBotoes)
        return false;
    TmDlg::Erro(QStringLiteral("Máximo 6 botões!"), true);
    return true;
}

}  // namespace

int TmDlg::Show(const TcrvArrayString& Botoes, const QString& Texto, int BtnPadrao,
                const QString& Titulo, TMsgDlgType TipoDlg, int X, int Y, bool /*abAguardeHide*/) {
    Aguarde::FechaAguarde();
    if (BotoesDemais(Botoes))
        return 0;
    TDialogoMensagem dialogo(Texto, TipoDlg, Titulo);
    const std::vector<QPushButton*> botoes = CriarBotoes(dialogo, Botoes);
    if (BtnPadrao >= 1 && BtnPadrao <= static_cast<int>(botoes.size()))
        dialogo.DefinirFoco(botoes[BtnPadrao - 1]);
    if (X > 0 || Y > 0) {
        dialogo.adjustSize();
        const QPoint agora = dialogo.pos();
        dialogo.move(Y > 0 ? Y : agora.x(), X > 0 ? X : agora.y());
    }
    return dialogo.Executar();
}

int TmDlg::MensagemEventos(const TcrvArrayString& Botoes, const std::vector<TBotaoEvent>& Events,
                           const std::vector<bool>& FechaClique, const QString& Titulo,
                           const QString& Texto, bool /*abAguardeHide*/) {
    Aguarde::FechaAguarde();
    if (BotoesDemais(Botoes))
        return 0;
    const auto handler = [&Events](size_t k) { return k < Events.size() && Events[k]; };
    // A button without a handler closes through the dialog; one with a handler runs it first,
    // then closes unless its FechaClique entry is false.
    std::vector<bool> semHandler(Botoes.size());
    for (size_t k = 0; k < semHandler.size(); ++k)
        semHandler[k] = !handler(k);
    TDialogoMensagem dialogo(Texto, TMsgDlgType::mtInformation, Titulo);
    const std::vector<QPushButton*> botoes = CriarBotoes(dialogo, Botoes, semHandler);
    for (size_t k = 0; k < botoes.size(); ++k) {
        QPushButton* botao = botoes[k];
        if (!botao)
            continue;
        botao->setMinimumWidth(botao->fontMetrics().horizontalAdvance(botao->text()) + 6);
        if (!handler(k))
            continue;
        const TBotaoEvent evento = Events[k];
        const bool fecha = k >= FechaClique.size() || FechaClique[k];
        QObject::connect(botao, &QPushButton::clicked, &dialogo,
                         [&dialogo, botao, evento, fecha, k] {
                             evento(botao);
                             if (fecha)
                                 dialogo.done(static_cast<int>(k) + 1);
                         });
    }
    return dialogo.Executar();
}

void TmDlg::ShowMono(const QString& Texto, const QString& Titulo, TMsgDlgType TipoDlg,
                     const QPixmap& Bitmap, const QColor& Cor) {
    Aguarde::FechaAguarde();
    TDialogoMensagem dialogo(QString(Texto).replace(QLatin1Char(' '), QChar(0x00A0)), TipoDlg,
                             Titulo);
    dialogo.AdicionarBotao(QStringLiteral("OK"), 1);
    QLabel* mensagem = dialogo.Mensagem();
    mensagem->setWordWrap(false);
    mensagem->setFont(Fontes::Fonte(QStringLiteral("Lucida Console"), 11));
    if (!Bitmap.isNull())
        dialogo.Imagem()->setPixmap(Bitmap);
    if (Cor.isValid()) {
        QPalette paleta = dialogo.palette();
        paleta.setColor(QPalette::Window, Cor);
        dialogo.setPalette(paleta);
        dialogo.setAutoFillBackground(true);
    }
    dialogo.Executar();
}

void TmDlg::ConfirmaTimer(const QString& Texto, int iSegundos) {
    Aguarde::FechaAguarde();
    TDialogoMensagem dialogo(Texto, TMsgDlgType::mtConfirmation, QStringLiteral("Confirmação"));
    QPushButton* ok = dialogo.AdicionarBotao(QString(), kOk);
    dialogo.DefinirFoco(ok);
    dialogo.IniciarContador(ok, QStringLiteral("&Ok ["), iSegundos);
    dialogo.Executar();
}

bool TmDlg::ConfirmaUsuarioDesatento(const QString& Texto) {
    Aguarde::FechaAguarde();
    TDialogoMensagem dialogo(Texto, TMsgDlgType::mtConfirmation, QStringLiteral("Confirmação"));
    dialogo.AdicionarBotao(QStringLiteral("&Sim"), kSim);
    dialogo.AdicionarBotao(QStringLiteral("&Não"), kNao);
    // Outside the button row, so the row centres "&Sim" and "&Não" alone.
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialogo);
    ok->setObjectName(QStringLiteral("Botao%1").arg(kOk));
    ok->setGeometry(0, 0, 0, 0);
    QObject::connect(ok, &QPushButton::clicked, &dialogo, [] { TmSpeaker::Bip(); });
    dialogo.DefinirFoco(ok);
    return dialogo.Executar() == kSim;
}
