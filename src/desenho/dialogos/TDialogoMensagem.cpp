#include "desenho/dialogos/TDialogoMensagem.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <deque>

namespace {

constexpr int kEspacoBotoes = 7;

std::deque<TDialogoMensagem::TResposta>& Respostas() {
    static std::deque<TDialogoMensagem::TResposta> respostas;
    return respostas;
}

QStyle::StandardPixmap Icone(TMsgDlgType tipo) {
    switch (tipo) {
        case TMsgDlgType::mtWarning:
            return QStyle::SP_MessageBoxWarning;
        case TMsgDlgType::mtError:
            return QStyle::SP_MessageBoxCritical;
        case TMsgDlgType::mtInformation:
            return QStyle::SP_MessageBoxInformation;
        case TMsgDlgType::mtConfirmation:
            return QStyle::SP_MessageBoxQuestion;
        case TMsgDlgType::mtCustom:
            break;
    }
    return QStyle::SP_CustomBase;
}

}  // namespace

TDialogoMensagem::TDialogoMensagem(const QString& texto, TMsgDlgType tipo, const QString& titulo)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      tipo_(tipo) {
    setObjectName(QStringLiteral("DialogoMensagem"));
    // A window title shows "[*]" as the document-modified mark; doubled it shows as it is.
    setWindowTitle(QString(titulo).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
    // Takes the focus itself when no button should, so Enter finds no button to press.
    setFocusPolicy(Qt::StrongFocus);
    imagem_ = new QLabel(this);
    imagem_->setObjectName(QStringLiteral("Imagem"));
    if (tipo != TMsgDlgType::mtCustom)
        imagem_->setPixmap(style()->standardIcon(Icone(tipo)).pixmap(32, 32));
    imagem_->setAlignment(Qt::AlignTop);
    mensagem_ = new QLabel(this);
    mensagem_->setObjectName(QStringLiteral("Mensagem"));
    mensagem_->setTextFormat(Qt::PlainText);
    mensagem_->setWordWrap(true);
    mensagem_->setText(texto);
    tmrContador_ = new QTimer(this);
    tmrContador_->setObjectName(QStringLiteral("tmrContador"));
    tmrContador_->setInterval(1000);
    connect(tmrContador_, &QTimer::timeout, this, &TDialogoMensagem::tmrContadorTimer);

    auto* corpo = new QHBoxLayout;
    corpo->addWidget(imagem_);
    corpo->addWidget(mensagem_, 1);
    botoes_ = new QHBoxLayout;
    botoes_->setSpacing(kEspacoBotoes);
    botoes_->addStretch();
    botoes_->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(corpo);
    layout->addLayout(botoes_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* TDialogoMensagem::AdicionarBotao(const QString& legenda, int resultado, bool fecha) {
    auto* botao = new QPushButton(legenda, this);
    botao->setObjectName(QStringLiteral("Botao%1").arg(resultado));
    // Enter presses the focused button only (keyPressEvent), never one Qt would choose.
    botao->setAutoDefault(false);
    if (fecha)
        connect(botao, &QPushButton::clicked, this, [this, resultado] { done(resultado); });
    botoes_->insertWidget(botoes_->count() - 1, botao);
    return botao;
}

void TDialogoMensagem::IniciarContador(QPushButton* botao, const QString& prefixo, int segundos) {
    botaoContador_ = botao;
    prefixoContador_ = prefixo;
    restante_ = segundos;
    botao->setText(prefixo + QString::number(segundos) + QLatin1Char(']'));
}

void TDialogoMensagem::tmrContadorTimer() {
    if (!botaoContador_)
        return;
    --restante_;
    botaoContador_->setText(prefixoContador_ + QString::number(restante_) + QLatin1Char(']'));
    if (restante_ <= 0) {
        tmrContador_->stop();
        botaoContador_->click();
    }
}

int TDialogoMensagem::Executar() {
    if (tipo_ != TMsgDlgType::mtCustom)
        TmDlg::BackEnd().TocarSom(tipo_);
    return exec();
}

void TDialogoMensagem::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (foco_)
        foco_->setFocus(Qt::ActiveWindowFocusReason);
    else
        setFocus(Qt::ActiveWindowFocusReason);
    if (botaoContador_)
        tmrContador_->start();
    raise();
    activateWindow();
    if (!Respostas().empty()) {
        TResposta resposta = std::move(Respostas().front());
        Respostas().pop_front();
        QTimer::singleShot(0, this, [this, resposta] { resposta(*this); });
    }
}

void TDialogoMensagem::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        if (auto* botao = qobject_cast<QPushButton*>(focusWidget()))
            botao->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TDialogoMensagem::ResponderProximo(TResposta resposta) {
    Respostas().push_back(std::move(resposta));
}

qsizetype TDialogoMensagem::RespostasPendentes() {
    return static_cast<qsizetype>(Respostas().size());
}

void TDialogoMensagem::DescartarRespostas() {
    Respostas().clear();
}
