#include "desenho/aguarde/TdbxAguardeForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "base/Relogio.h"
#include "desenho/fontes/Fontes.h"
#include "desenho/formularios/TAplicacao.h"
#include "dialogos/mensagens/mMensagem.h"
#include "registro/aguarde/FlagsAguarde.h"

namespace {

constexpr int kLargura = 493;
constexpr int kAltura = 139;
constexpr int kEstadoIndeterminado = 1;
constexpr int kEstadoNenhum = 0;

// The decorative band at the top: a gradient from steel blue to the window colour.
class TFaixa : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter pintor(this);
        QLinearGradient gradiente(0, 0, width(), 0);
        gradiente.setColorAt(0, QColor(0x70, 0x97, 0xBF));
        gradiente.setColorAt(1, palette().color(QPalette::Window));
        pintor.fillRect(rect(), gradiente);
        pintor.setPen(palette().color(QPalette::Dark));  // the raised bottom edge
        pintor.drawLine(0, height() - 1, width(), height() - 1);
    }
};

QLabel* Rotulo(QWidget* pai, const char* nome, const QRect& geometria, const QFont& fonte,
               const QColor& cor) {
    auto* rotulo = new QLabel(pai);
    rotulo->setObjectName(QString::fromLatin1(nome));
    rotulo->setTextFormat(Qt::PlainText);
    rotulo->setGeometry(geometria);
    rotulo->setFont(fonte);
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, cor);
    rotulo->setPalette(paleta);
    return rotulo;
}

void PintarCor(QLabel* rotulo, const QColor& cor) {
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, cor);
    rotulo->setPalette(paleta);
}

Qt::WindowFlags Bordas(bool caixaFechar) {
    Qt::WindowFlags flags =
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint;
    if (caixaFechar)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

// The screen the window belongs on: the program's main window's, else the primary one.
QScreen* TelaDoPrograma() {
    if (const QWidget* principal = TAplicacao::JanelaPrincipal())
        return principal->screen();
    return QGuiApplication::primaryScreen();
}

}  // namespace

QPoint PosicaoAguarde(int modo, const QRect& areaTrabalho, const QSize& tamanhoMoldura,
                      const QPoint& posicaoAtual) {
    switch (modo) {
        case FlagsAguarde::kOculto:
            return posicaoAtual;
        case FlagsAguarde::kCantoInferiorDireito:
            return {areaTrabalho.x() + areaTrabalho.width() - tamanhoMoldura.width(),
                    areaTrabalho.y() + areaTrabalho.height() - tamanhoMoldura.height()};
        default:
            return {areaTrabalho.x() + (areaTrabalho.width() - tamanhoMoldura.width()) / 2,
                    areaTrabalho.y() + (areaTrabalho.height() - tamanhoMoldura.height()) / 2};
    }
}

TdbxAguardeForm::TdbxAguardeForm(const TParametrosAguarde& parametros)
    : QWidget(nullptr, Bordas(parametros.PermiteFechar || parametros.PermiteCancelar)),
      Show_Mensagem(parametros.Mensagem),
      Show_MensagemPrincipal(parametros.MensagemPrincipal),
      Show_ValorMaxGauge(parametros.ValorMaxGauge),
      permiteFechar_(parametros.PermiteFechar || parametros.PermiteCancelar) {
    setObjectName(QStringLiteral("dbxAguardeForm"));
    setWindowTitle(QStringLiteral("Processando..."));
    setFont(Fontes::Fonte(QStringLiteral("MS Sans Serif"), 11));
    setFixedSize(kLargura, kAltura);
    CriarComponentes();
}

void TdbxAguardeForm::CriarComponentes() {
    ToolBar1 = new TFaixa(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setGeometry(0, 0, kLargura, 52);
    const QFont verdana = Fontes::Fonte(QStringLiteral("Verdana"), 11);
    PrincLabel = Rotulo(this, "PrincLabel", QRect(9, 58, 476, 13),
                        Fontes::Fonte(QStringLiteral("Verdana"), 11, true), Qt::black);
    PrincLabel->setText(QStringLiteral("Consultando a base de dados"));
    InfoLabel = Rotulo(this, "InfoLabel", QRect(9, 78, 476, 13), verdana, Qt::black);
    InfoLabel->setText(QStringLiteral("Aguarde um momento..."));
    pgbSituacao = new QProgressBar(this);
    pgbSituacao->setObjectName(QStringLiteral("pgbSituacao"));
    pgbSituacao->setGeometry(9, 100, 385, 17);
    pgbSituacao->setTextVisible(false);
    pgbSituacao->hide();
    CancelarBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                  QStringLiteral("Cancelar"), this);
    CancelarBtn->setObjectName(QStringLiteral("CancelarBtn"));
    CancelarBtn->setGeometry(399, 95, 87, 25);
    CancelarBtn->setFocusPolicy(Qt::NoFocus);
    CancelarBtn->setEnabled(false);
    connect(CancelarBtn, &QPushButton::clicked, this, [this] { CancelarBtnClick(); });
    lblTempo = Rotulo(this, "lblTempo", QRect(9, 122, 476, 13), font(), QColor(0, 0, 0x80));
    lblTempo->hide();
}

void TdbxAguardeForm::Atualizar(const TParametrosAguarde& parametros) {
    CancelarBtn->setEnabled(parametros.PermiteCancelar);
    ibExecutaProcessMessage = parametros.AtualizaJa;
    if (parametros.ValorMaxGauge > 0) {
        pgbSituacao->setRange(0, parametros.ValorMaxGauge);
        pgbSituacao->setValue(0);
        pgbSituacao->show();
        lblTempo->show();
        iiContadorTempo = Relogio::TickCount();
        ppCalculaTempo();
    } else {
        lblTempo->hide();
    }
    update();
    if (!parametros.Mensagem.isEmpty()) {
        InfoLabel->setText(parametros.Mensagem);
        PintarCor(InfoLabel, Qt::black);
    }
    if (!parametros.MensagemPrincipal.isEmpty())
        PrincLabel->setText(parametros.MensagemPrincipal);
    if (ibExecutaProcessMessage)
        RepintarTextos();
}

void TdbxAguardeForm::DefinirPosicao(int posicao) {
    pgbSituacao->setValue(std::clamp(posicao, 0, std::max(pgbSituacao->maximum(), 0)));
    ppCalculaTempo();
}

void TdbxAguardeForm::ppCalculaTempo() {
    if (lblTempo->isHidden())
        return;
    // The tick count wraps at 2^32; the difference of two readings does not.
    const quint32 decorrido = Relogio::TickCount() - iiContadorTempo;
    lblTempo->setText(
        FlagsAguarde::TextoTempo(pgbSituacao->value(), pgbSituacao->maximum(), decorrido));
    if (ibExecutaProcessMessage)
        lblTempo->repaint();
}

void TdbxAguardeForm::RepintarTextos() {
    if (!isVisible())
        return;
    PrincLabel->repaint();
    InfoLabel->repaint();
    CancelarBtn->repaint();
    if (!lblTempo->isHidden())
        lblTempo->repaint();
}

void TdbxAguardeForm::CancelarBtnClick() {
    Cancelou = true;
    InfoLabel->setText(QStringLiteral("CANCELANDO OPERAÇÃO..."));
    PintarCor(InfoLabel, Qt::red);
    // Shown at once: the operation that waits may take a while to notice.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (OnCancelClick)
        OnCancelClick(CancelarBtn);
}

void TdbxAguardeForm::closeEvent(QCloseEvent* event) {
    // Only hidden: the window stays the current one until FechaAguarde destroys it.
    if (!permiteFechar_) {
        event->ignore();
        return;
    }
    Cancelou = true;
    TmDlg::BackEnd().SetTaskbarEstado(kEstadoNenhum);
    event->accept();
}

TAguardeQt::TAguardeQt() = default;
TAguardeQt::~TAguardeQt() = default;

int TAguardeQt::GetModoAguarde() {
    if (modo_ < 0)
        modo_ = FlagsAguarde::LerModoAguarde();
    return modo_;
}

void TAguardeQt::Mostrar(const TParametrosAguarde& parametros) {
    inicio_ = Relogio::Agora();
    if (!janela_) {
        janela_ = std::make_unique<TdbxAguardeForm>(parametros);
        if (GetModoAguarde() >= FlagsAguarde::kCantoInferiorDireito) {
            janela_->show();
            Posicionar();
        }
    }
    janela_->Atualizar(parametros);
    TmDlg::BackEnd().SetTaskbarEstado(kEstadoIndeterminado);
}

void TAguardeQt::Posicionar() {
    QScreen* tela = TelaDoPrograma();
    if (!tela)
        return;
    // The frame is known once the window is shown; before that it is the client size.
    janela_->move(PosicaoAguarde(GetModoAguarde(), tela->availableGeometry(),
                                 janela_->frameGeometry().size(), janela_->pos()));
}

void TAguardeQt::Progresso(int posicao) {
    if (janela_)
        janela_->DefinirPosicao(posicao);
}

void TAguardeQt::Atualizar() {
    if (janela_)
        janela_->ppCalculaTempo();
}

void TAguardeQt::Fechar() {
    // Forgotten first: the report below is a dialog, which closes the wait window again.
    const std::unique_ptr<TdbxAguardeForm> janela = std::move(janela_);
    const qint64 decorrido = std::llround((Relogio::Agora() - inicio_) * 86'400'000.0);
    TmDlg::BackEnd().SetTaskbarEstado(kEstadoNenhum);
    if (janela) {
        janela->hide();
        if (FlagsAguarde::ReportarTempo())
            TmDlg::Informa(FlagsAguarde::TextoConcluido(decorrido), true);
    }
}

bool TAguardeQt::Cancelou() const {
    return janela_ && janela_->Cancelou;
}

void InstalarAguardeQt() {
    Aguarde::Instalar(std::make_shared<TAguardeQt>());
}
