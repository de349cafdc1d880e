#include "desenho/formularios/mMensagemPlus.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <deque>

#include "base/ArquivoInteiro.h"
#include "base/CodePage.h"
#include "desenho/fontes/Fontes.h"
#include "desenho/formularios/TAplicacao.h"
#include "texto/separacao/TmStrSepara.h"

namespace {

// Designed geometry of the window, in pixels.
constexpr int kLarguraMinima = 370;
constexpr int kAlturaMinima = 212;
constexpr int kEsquerdaCorpo = 59;
constexpr int kTopoCorpo = 60;
constexpr int kAlturaPainelBotoes = 41;
constexpr int kAlturaPainelSalvar = 33;
constexpr int kAlturaDetalhes = 165;  // what the open details pane adds to the window
constexpr int kMargemDireitaTitulo = 16;
constexpr int kMargemDireitaCancelar = 5;

// A window title shows "[*]" as the document-modified mark; doubled it shows as it is.
QString TituloLiteral(QString titulo) {
    return titulo.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

// The save dialog of the details: a file can be saved only into a folder that exists. A name in
// a missing folder is refused with a message, and the dialog stays open with the name typed.
class TDialogoSalvar : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList arquivos = selectedFiles();
        const QString pasta =
            arquivos.isEmpty() ? QString() : QFileInfo(arquivos.constFirst()).absolutePath();
        if (!pasta.isEmpty() && !QFileInfo(pasta).isDir()) {
            TmDlg::Alerta(QStringLiteral("A pasta \"%1\" não existe. Escolha uma pasta que exista.")
                              .arg(QDir::toNativeSeparators(pasta)));
            return;
        }
        QFileDialog::accept();
    }
};

struct TAparencia {
    QString legenda;
    QStyle::StandardPixmap icone;
    QColor cor;
    bool som;
};

TAparencia Aparencia(TMsgDlgType tipo) {
    switch (tipo) {
        case TMsgDlgType::mtWarning:
            return {QStringLiteral("Atenção"), QStyle::SP_MessageBoxWarning, QColor(0xF0, 0x4E, 0),
                    true};
        case TMsgDlgType::mtError:
            return {QStringLiteral("Erro"), QStyle::SP_MessageBoxCritical, QColor(0xFF, 0, 0),
                    true};
        case TMsgDlgType::mtInformation:
            return {QStringLiteral("Informação"), QStyle::SP_MessageBoxInformation,
                    QColor(0, 0, 0xFF), true};
        case TMsgDlgType::mtConfirmation:
            return {QStringLiteral("Confirmação"), QStyle::SP_MessageBoxQuestion,
                    QColor(0x80, 0, 0x80), true};
        case TMsgDlgType::mtCustom:
            break;
    }
    return {QStringLiteral("Título"), QStyle::SP_CustomBase, QColor(0, 0, 0xFF), false};
}

// Greedy word wrap at blanks within a pixel width, paragraph by paragraph at each CR (LF
// ignored): the wrapped text, its widest line and its number of lines.
struct TInfoTexto {
    QString texto;
    int larguraMaxima = 0;
    int linhas = 0;
};

TInfoTexto MedirTexto(const QString& texto, const QFontMetrics& medida, int largura) {
    TInfoTexto info;
    QString semLf = texto;
    semLf.remove(QLatin1Char('\n'));
    for (const QString& paragrafo : semLf.split(QLatin1Char('\r'))) {
        QString linha;
        auto terminarLinha = [&] {
            info.larguraMaxima = std::max(info.larguraMaxima, medida.horizontalAdvance(linha));
            if (info.linhas > 0)
                info.texto += QLatin1Char('\n');
            info.texto += linha;
            ++info.linhas;
            linha.clear();
        };
        // Words and the blanks between them are separate runs.
        QStringList runs;
        for (const QString& palavra : paragrafo.split(QLatin1Char(' '))) {
            if (!runs.isEmpty())
                runs.append(QStringLiteral(" "));
            if (!palavra.isEmpty())
                runs.append(palavra);
        }
        for (const QString& run : runs) {
            if (!linha.isEmpty() && medida.horizontalAdvance(linha + run) > largura)
                terminarLinha();
            linha += run;
        }
        terminarLinha();
    }
    return info;
}

std::deque<TmDialogForm::TResposta>& Respostas() {
    static std::deque<TmDialogForm::TResposta> respostas;
    return respostas;
}

}  // namespace

TmDialogForm::TmDialogForm(QWidget* parent) : QDialog(parent) {
    // A title bar with the close box only: no minimise or maximise buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Título"));
    setFont(Fontes::Fonte(QStringLiteral("Tahoma"), 11));
    CriarComponentes();
    resize(364, 329);
    setMinimumSize(kLarguraMinima, kAlturaMinima);
    DefinirBorda(false);
}

void TmDialogForm::CriarComponentes() {
    MainPanel = new QWidget(this);
    MainPanel->setObjectName(QStringLiteral("MainPanel"));
    MainPanel->setAutoFillBackground(true);
    QPalette branco = MainPanel->palette();
    branco.setColor(QPalette::Window, Qt::white);
    MainPanel->setPalette(branco);

    IconeImg = new QLabel(MainPanel);
    IconeImg->setObjectName(QStringLiteral("IconeImg"));
    IconeImg->setGeometry(16, 16, 32, 32);

    MensLabel = new QLabel(MainPanel);
    MensLabel->setObjectName(QStringLiteral("MensLabel"));
    MensLabel->setTextFormat(Qt::PlainText);
    MensLabel->setFont(Fontes::Fonte(QStringLiteral("Arial"), 15));

    BodyLabel = new QLabel(MainPanel);
    BodyLabel->setObjectName(QStringLiteral("BodyLabel"));
    BodyLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    BodyLabel->setTextFormat(Qt::PlainText);
    BodyLabel->move(kEsquerdaCorpo, kTopoCorpo);

    Shape2 = new QFrame(MainPanel);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setAutoFillBackground(true);
    QPalette prata = Shape2->palette();
    prata.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    Shape2->setPalette(prata);

    btPause = new QToolButton(MainPanel);
    btPause->setObjectName(QStringLiteral("btPause"));
    btPause->setAutoRaise(true);
    btPause->setFocusPolicy(Qt::NoFocus);
    btPause->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
    btPause->setToolTip(QStringLiteral("Parar o contador para fechar a tela"));
    btPause->resize(23, 22);
    btPause->hide();
    connect(btPause, &QToolButton::clicked, this, &TmDialogForm::PararContador);

    Panel1 = new QWidget(MainPanel);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    Panel1->setPalette(QApplication::palette());

    OkBtn = new QPushButton(QStringLiteral("&OK"), Panel1);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    CancelarBtn = new QPushButton(QStringLiteral("Cancela&r"), Panel1);
    CancelarBtn->setObjectName(QStringLiteral("CancelarBtn"));
    DetalhesBtn = new QPushButton(QStringLiteral("&Detalhes"), Panel1);
    DetalhesBtn->setObjectName(QStringLiteral("DetalhesBtn"));
    DetalhesBtn->setLayoutDirection(Qt::RightToLeft);  // the glyph right of the text
    DetalhesBtn->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    DetalhesBtn->setGeometry(12, 8, 81, 25);
    for (QPushButton* botao : {OkBtn, CancelarBtn})
        botao->resize(75, 25);
    connect(OkBtn, &QPushButton::clicked, this, &TmDialogForm::OkBtnClick);
    connect(CancelarBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(DetalhesBtn, &QPushButton::clicked, this, &TmDialogForm::DetalhesBtnClick);
    setTabOrder(OkBtn, CancelarBtn);
    setTabOrder(CancelarBtn, DetalhesBtn);

    DetalhesPanel = new QWidget(this);
    DetalhesPanel->setObjectName(QStringLiteral("DetalhesPanel"));
    DetalhesPanel->hide();
    DetalhesMemo = new QPlainTextEdit(DetalhesPanel);
    DetalhesMemo->setObjectName(QStringLiteral("DetalhesMemo"));
    DetalhesMemo->setReadOnly(true);
    DetalhesMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    DetalhesMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DetalhesMemo->setFont(Fontes::Fonte(QStringLiteral("Courier New"), 11));
    Panel3 = new QWidget(DetalhesPanel);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    SalvarBtn = new QPushButton(QStringLiteral("S&alvar..."), Panel3);
    SalvarBtn->setObjectName(QStringLiteral("SalvarBtn"));
    SalvarBtn->resize(75, 25);
    connect(SalvarBtn, &QPushButton::clicked, this, &TmDialogForm::SalvarBtnClick);

    SD = new TDialogoSalvar(this);
    SD->setObjectName(QStringLiteral("SD"));
    SD->setOption(QFileDialog::DontUseNativeDialog);
    SD->setAcceptMode(QFileDialog::AcceptSave);
    SD->setFileMode(QFileDialog::AnyFile);
    SD->setDefaultSuffix(QStringLiteral("txt"));
    SD->setNameFilters(
        {QStringLiteral("Arquivos texto (*.txt)"), QStringLiteral("Todos os arquivos (*.*)")});
    SD->selectFile(QStringLiteral("mensagem_vestra.txt"));

    tmrOK = new QTimer(this);
    tmrOK->setObjectName(QStringLiteral("tmrOK"));
    tmrOK->setInterval(1000);
    connect(tmrOK, &QTimer::timeout, this, &TmDialogForm::tmrOKTimer);
}

bool TmDialogForm::Executar(const QString& Titulo, const QString& Mensagem, const QString& Detalhes,
                            TMsgDlgType Tipo, bool FocoNao, int aiTempoOK, bool abMonoEspacada,
                            bool CentralizarNoOwner) {
    return Executar(TParametrosDialogo{Titulo, Mensagem, Detalhes, Tipo, FocoNao, aiTempoOK,
                                       abMonoEspacada, CentralizarNoOwner});
}

bool TmDialogForm::Executar(const TParametrosDialogo& d) {
    TmDialogForm form;
    if (d.CentralizarNoOwner)
        form.centralizarEm_ = TAplicacao::JanelaPrincipal();
    if (d.abMonoEspacada)
        form.BodyLabel->setFont(Fontes::Fonte(QStringLiteral("Lucida Console"), 11));
    form.AplicarTipo(d.Tipo);
    form.DefinirBotoes(d.Tipo, d.FocoNao, d.aiTempoOK);
    form.DefinirTitulo(d.Titulo);
    form.mensagem_ = d.Mensagem;
    form.DefinirDetalhes(d.Detalhes);
    form.iiMaxTempo = d.aiTempoOK;
    form.exec();
    return form.Ok;
}

bool TmDialogForm::ExecutarOpcao(const QString& asTitulo, const QString& asMensagem,
                                 const QString& asDetalhes, const QString& asCapOk,
                                 const QString& asCapCancelar) {
    TmDialogForm form(QApplication::activeWindow());
    form.AplicarTipo(TMsgDlgType::mtInformation);
    form.setWindowTitle(TituloLiteral(asTitulo));
    form.DefinirTitulo(asTitulo);
    form.mensagem_ = asMensagem;
    form.DefinirDetalhes(asDetalhes);
    form.OkBtn->setText(asCapOk);
    form.CancelarBtn->setText(asCapCancelar);
    form.okLargura_ = 95;
    form.okMargemDireita_ = 364 - 185 - 95;
    form.exec();
    return form.Ok;
}

QString TmDialogForm::NormalizarDetalhes(const QString& detalhes) {
    QString texto = TmStr::RemoveEspacosDuplos(detalhes);
    const QString marca = QStringLiteral("¿");
    texto.replace(QStringLiteral("\r\n"), marca);
    texto.replace(QLatin1Char('\n'), marca);
    texto.replace(QLatin1Char('\r'), marca);
    texto.replace(marca, QStringLiteral("\r\n"));
    return texto;
}

void TmDialogForm::AplicarTipo(TMsgDlgType tipo) {
    const TAparencia aparencia = Aparencia(tipo);
    setWindowTitle(aparencia.legenda);
    if (aparencia.icone != QStyle::SP_CustomBase)
        IconeImg->setPixmap(style()->standardIcon(aparencia.icone).pixmap(32, 32));
    QPalette paleta = MensLabel->palette();
    paleta.setColor(QPalette::WindowText, aparencia.cor);
    MensLabel->setPalette(paleta);
    if (aparencia.som)
        QApplication::beep();
}

void TmDialogForm::DefinirTitulo(const QString& titulo) {
    MensLabel->setText(titulo);
}

void TmDialogForm::DefinirBotoes(TMsgDlgType tipo, bool focoNao, int tempoOk) {
    if (tipo != TMsgDlgType::mtConfirmation) {
        CancelarBtn->hide();
        okMargemDireita_ = kMargemDireitaCancelar;
        return;
    }
    if (tempoOk == 0) {
        OkBtn->setText(QStringLiteral("&Sim"));
        CancelarBtn->setText(QStringLiteral("&Não"));
    }
    focoNao_ = focoNao;
    if (focoNao)
        setTabOrder(CancelarBtn, OkBtn);
}

void TmDialogForm::DefinirDetalhes(const QString& detalhes) {
    const QString texto = NormalizarDetalhes(detalhes);
    // The text holds CR LF breaks; the pane keeps one line per break.
    DetalhesMemo->setPlainText(
        QString(texto).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    DetalhesBtn->setVisible(!texto.trimmed().isEmpty());
}

void TmDialogForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CalculaTamanho();
    Centralizar();
    tmrOK->stop();
    if (iiMaxTempo > 0 && OkBtn->text() == QLatin1String("&OK")) {
        btPause->show();
        OkBtn->setText(QStringLiteral("&OK[%1]").arg(iiMaxTempo));
        tmrOK->start();
    }
    // The first button in tab order holds the focus when the window opens.
    (focoNao_ ? CancelarBtn : OkBtn)->setFocus(Qt::ActiveWindowFocusReason);
    raise();
    activateWindow();
    if (!Respostas().empty()) {
        TResposta resposta = std::move(Respostas().front());
        Respostas().pop_front();
        QTimer::singleShot(0, this, [this, resposta] { resposta(*this); });
    }
}

void TmDialogForm::CalculaTamanho() {
    const int larguraTela = screen()->geometry().width();
    int maximo = (larguraTela - (kEsquerdaCorpo + 40)) / 2;
    if (maximo <= 0 || maximo > larguraTela)
        maximo = larguraTela / 2;
    const QFontMetrics medidaCorpo(BodyLabel->font());
    const TInfoTexto info = MedirTexto(mensagem_, medidaCorpo, maximo);
    const int alturaTexto = info.linhas * medidaCorpo.height();
    const int largura = std::max(
        info.larguraMaxima, QFontMetrics(MensLabel->font()).horizontalAdvance(MensLabel->text()));
    irNormalSize =
        QSize(largura + kEsquerdaCorpo + 20, kTopoCorpo + alturaTexto + kAlturaPainelBotoes + 20)
            .expandedTo(QSize(kLarguraMinima, kAlturaMinima));
    irExpandedSize = QSize(irNormalSize.width() + 8, irNormalSize.height() + kAlturaDetalhes);
    // The label shows the lines as measured, so what fits is exactly what was measured.
    BodyLabel->setText(info.texto);
    BodyLabel->resize(info.larguraMaxima, alturaTexto);
    DefinirBorda(ibExpanded);
    resize(ibExpanded ? irExpandedSize : irNormalSize);
}

void TmDialogForm::Centralizar() {
    const QRect area = centralizarEm_ ? centralizarEm_->frameGeometry() : screen()->geometry();
    QRect janela = frameGeometry();  // the frame the desktop draws is centred with the window
    janela.moveCenter(area.center());
    move(janela.topLeft());
}

void TmDialogForm::DefinirBorda(bool redimensionavel) {
    if (redimensionavel) {
        setMinimumSize(kLarguraMinima, irExpandedSize.height());
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        const QSize tamanho = irNormalSize.isValid() ? irNormalSize : size();
        setMinimumSize(tamanho);
        setMaximumSize(tamanho);
    }
}

void TmDialogForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Dispor();
}

void TmDialogForm::Dispor() {
    const int largura = width();
    if (!ibExpanded) {
        DetalhesPanel->hide();
        MainPanel->setGeometry(0, 0, largura, height());
    } else {
        const int alturaMensagem = alturaMensagemExpandida_;
        MainPanel->setGeometry(0, 0, largura, alturaMensagem);
        DetalhesPanel->setGeometry(0, alturaMensagem, largura, height() - alturaMensagem);
        DetalhesPanel->show();
        const int alturaMemo = DetalhesPanel->height() - kAlturaPainelSalvar;
        DetalhesMemo->setGeometry(0, 0, largura, alturaMemo);
        Panel3->setGeometry(0, alturaMemo, largura, kAlturaPainelSalvar);
        SalvarBtn->move(largura - SalvarBtn->width() - 8, 4);
    }
    DisporMensagem(MainPanel->width(), MainPanel->height());
}

void TmDialogForm::DisporMensagem(int largura, int altura) {
    const int topoBotoes = altura - kAlturaPainelBotoes;
    Panel1->setGeometry(0, topoBotoes, largura, kAlturaPainelBotoes);
    Shape2->setGeometry(0, topoBotoes - 1, largura, 1);
    btPause->move(5, topoBotoes - 1 - 3 - btPause->height());
    MensLabel->setGeometry(kEsquerdaCorpo, 25, largura - kEsquerdaCorpo - kMargemDireitaTitulo, 17);
    OkBtn->setGeometry(largura - okMargemDireita_ - okLargura_, 8, okLargura_, 25);
    CancelarBtn->move(largura - kMargemDireitaCancelar - CancelarBtn->width(), 8);
}

void TmDialogForm::tmrOKTimer() {
    --iiMaxTempo;
    if (iiMaxTempo > 0) {
        OkBtn->setText(QStringLiteral("&OK[%1]").arg(iiMaxTempo));
        return;
    }
    tmrOK->stop();
    OkBtn->click();
}

void TmDialogForm::PararContador() {
    tmrOK->stop();
    btPause->hide();
    OkBtn->setText(QStringLiteral("OK"));
}

void TmDialogForm::OkBtnClick() {
    tmrOK->stop();
    Ok = true;
    accept();
}

void TmDialogForm::DetalhesBtnClick() {
    PararContador();
    ibExpanded = !ibExpanded;
    if (ibExpanded) {
        alturaMensagemExpandida_ = height();
        DefinirBorda(true);
        resize(irExpandedSize);
        DetalhesBtn->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    } else {
        DefinirBorda(false);
        resize(irNormalSize);
        DetalhesBtn->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    }
    Dispor();
}

void TmDialogForm::SalvarBtnClick() {
    if (SD->exec() != QDialog::Accepted || SD->selectedFiles().isEmpty())
        return;
    SalvarComo(SD->selectedFiles().constFirst());
}

void TmDialogForm::SalvarComo(const QString& arquivo) {
    if (!SalvarDetalhes(arquivo))
        TmDlg::Erro(QStringLiteral("Não foi possível gravar o arquivo \"%1\".")
                        .arg(QDir::toNativeSeparators(arquivo)));
}

bool TmDialogForm::SalvarDetalhes(const QString& arquivo) const {
    QByteArray conteudo;
    for (const QString& linha : DetalhesMemo->toPlainText().split(QLatin1Char('\n')))
        conteudo += CodePage::ParaAnsi(linha) + "\r\n";
    return !ArquivoInteiro::Escrever(arquivo, conteudo);
}

QString TmDialogForm::TextoCopia() const {
    QString corpo = mensagem_;
    corpo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    corpo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    corpo.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return MensLabel->text() + QStringLiteral("\r\n\r\n") + corpo;
}

void TmDialogForm::keyPressEvent(QKeyEvent* event) {
    if (!ibExpanded && event->key() == Qt::Key_C && event->modifiers() == Qt::ControlModifier) {
        QApplication::clipboard()->setText(TextoCopia());
        return;
    }
    QDialog::keyPressEvent(event);
}

void TmDialogForm::ResponderProximo(TResposta resposta) {
    Respostas().push_back(std::move(resposta));
}

qsizetype TmDialogForm::RespostasPendentes() {
    return static_cast<qsizetype>(Respostas().size());
}

void TmDialogForm::DescartarRespostas() {
    Respostas().clear();
}
