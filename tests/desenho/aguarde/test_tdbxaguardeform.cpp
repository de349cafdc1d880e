// The real wait window behind the facade, its modes from a real flag file under a temporary
// drive C:, its report answered through the dialog hook.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include "base/Relogio.h"
#include "desenho/aguarde/TdbxAguardeForm.h"
#include "desenho/formularios/mMensagemPlus.h"
#include "dialogos/mensagens/Aguarde.h"
#include "dialogos/mensagens/mMensagem.h"
#include "support/RaizTemporaria.h"
#include "support/Respostas.h"

namespace {

using Respostas::Filho;

// A fresh wait window per test (its mode is read once), installed behind the facade.
class AguardeTest : public ::testing::Test {
protected:
    void SetUp() override { Instalar(); }
    void TearDown() override {
        Aguarde::FechaAguarde();
        Aguarde::Instalar(nullptr);
        Relogio::Liberar();
        EXPECT_EQ(TmDialogForm::RespostasPendentes(), 0);
        TmDialogForm::DescartarRespostas();
    }
    void Instalar() {
        aguarde = std::make_shared<TAguardeQt>();
        Aguarde::Instalar(aguarde);
    }
    void CriarModo(const char* conteudo) {
        raiz.Criar(QStringLiteral("corvel/Config/VESTRA/Flags/AguardeShow.txt"), conteudo);
    }
    void CriarFlagTempo() { raiz.Criar(QStringLiteral("Corvel/Config/QEV/Flags/TEMPO.txt")); }
    TdbxAguardeForm& Janela() {
        EXPECT_NE(aguarde->Janela(), nullptr);
        return *aguarde->Janela();
    }
    QString Texto(const char* rotulo) {
        return Filho<QLabel>(Janela(), QString::fromLatin1(rotulo))->text();
    }

    RaizTemporaria raiz;
    std::shared_ptr<TAguardeQt> aguarde;
};

TEST_F(AguardeTest, ModeFromTheFlagFileDecidesWhetherAndWhereTheWindowShows) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        const char* conteudo;  // nullptr: no file
        bool visivel;
        bool noCanto;
    } casos[] = {{nullptr, true, false}, {"", true, false},   {"abc", true, false},
                 {"-3", true, false},    {"0", false, false}, {"1", true, true},
                 {"2", true, false}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.conteudo ? caso.conteudo : "(no file)");
        QFile::remove(raiz.Caminho() +
                      QStringLiteral("/corvel/Config/VESTRA/Flags/AguardeShow.txt"));
        if (caso.conteudo)
            CriarModo(caso.conteudo);
        Instalar();
        Aguarde::MostraAguarde(QStringLiteral("Lendo"), QStringLiteral("Importando"));
        EXPECT_EQ(Janela().isVisible(), caso.visivel);
        if (caso.visivel) {
            const QRect moldura = Janela().frameGeometry();
            if (caso.noCanto)
                EXPECT_EQ(moldura.bottomRight(), area.bottomRight());
            else
                EXPECT_EQ(moldura.center(), area.center());
        }
        Aguarde::FechaAguarde();
        EXPECT_EQ(aguarde->Janela(), nullptr);  // destroyed, hidden or not
    }
}

TEST(PosicaoAguarde, PlacedInTheWorkAreaWithItsOrigin) {
    const QSize tamanho(493, 139);
    const struct {
        QRect area;
        int modo;
        QPoint esperado;
    } casos[] = {
        {QRect(0, 0, 1920, 1080), 1, QPoint(1427, 941)},
        {QRect(0, 28, 1920, 1052), 1, QPoint(1427, 941)},   // a top panel
        {QRect(1920, 0, 1024, 768), 1, QPoint(2451, 629)},  // the second monitor
        {QRect(1920, 0, 1024, 768), 2, QPoint(2185, 314)},
        {QRect(0, 28, 1920, 1052), 7, QPoint(713, 484)},  // above 2 is centred too
        {QRect(1920, 0, 1024, 768), 0, QPoint(5, 6)},     // hidden: not placed
    };
    for (const auto& caso : casos)
        EXPECT_EQ(PosicaoAguarde(caso.modo, caso.area, tamanho, QPoint(5, 6)), caso.esperado)
            << caso.area.x() << "," << caso.area.y() << " mode " << caso.modo;
}

TEST_F(AguardeTest, SecondCallUpdatesTheOneWindowAndRestartsTheClock) {
    CriarFlagTempo();
    Relogio::Fixar(46000.5);
    Aguarde::MostraAguarde(QStringLiteral("Lendo <b>notas</b>"), QStringLiteral("Importando"));
    TdbxAguardeForm* primeira = &Janela();
    EXPECT_TRUE(Filho<QProgressBar>(Janela(), "pgbSituacao")->isHidden());
    EXPECT_TRUE(Filho<QLabel>(Janela(), "lblTempo")->isHidden());
    EXPECT_EQ(Texto("InfoLabel"), QStringLiteral("Lendo <b>notas</b>"));
    EXPECT_EQ(Filho<QLabel>(Janela(), "InfoLabel")->textFormat(), Qt::PlainText);

    Relogio::Avancar(50'000);
    Aguarde::MostraAguarde(QStringLiteral("Gravando"), QString(), 100);
    EXPECT_EQ(&Janela(), primeira);
    EXPECT_EQ(Texto("InfoLabel"), QStringLiteral("Gravando"));
    EXPECT_EQ(Texto("PrincLabel"), QStringLiteral("Importando"));  // empty keeps the line
    EXPECT_TRUE(Filho<QProgressBar>(Janela(), "pgbSituacao")->isVisible());

    Relogio::Avancar(10'000);
    Aguarde::SetProgresso(25);
    EXPECT_EQ(Texto("lblTempo"), QStringLiteral("25/100 - Decorrido 00:00:10 - Restante 00:00:30"));
    Aguarde::SetProgresso(500);  // past the maximum: held at it
    EXPECT_EQ(Filho<QProgressBar>(Janela(), "pgbSituacao")->value(), 100);

    Relogio::Avancar(73'500);
    QString relatorio;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        relatorio = f.Mensagem();
        Respostas::ClicarOk()(f);
    });
    Aguarde::FechaAguarde();
    // Timed from the second call: 10 s + 73.5 s. One dialog: its own FechaAguarde reported nothing.
    EXPECT_EQ(relatorio, QStringLiteral("Concluído! Tempo (MM:SS): 01:23,500"));
    EXPECT_EQ(aguarde->Janela(), nullptr);
}

TEST_F(AguardeTest, ElapsedTimeReportedOnlyWhenAWaitWindowWasOpen) {
    CriarFlagTempo();
    QStringList vistos;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        vistos << f.Mensagem();
        Respostas::ClicarOk()(f);
    });
    TmDlg::Alerta(QStringLiteral("Sem janela de espera"));
    Aguarde::FechaAguarde();
    EXPECT_EQ(vistos, QStringList{QStringLiteral("Sem janela de espera")});
}

TEST_F(AguardeTest, EveryDialogClosesTheWaitWindowFirst) {
    Aguarde::MostraAguarde(QStringLiteral("Lendo"));
    bool janelaAbertaNoDialogo = true;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        janelaAbertaNoDialogo = aguarde->Janela() != nullptr;
        Respostas::ClicarOk()(f);
    });
    TmDlg::Informa(QStringLiteral("Pronto"));
    EXPECT_FALSE(janelaAbertaNoDialogo);
}

TEST_F(AguardeTest, CancelSetsTheFlagWithOrWithoutAHandler) {
    Aguarde::MostraAguarde(QStringLiteral("Lendo"), QString(), 10, false, true);
    auto* cancelar = Filho<QPushButton>(Janela(), "CancelarBtn");
    ASSERT_TRUE(cancelar->isEnabled());
    cancelar->click();
    EXPECT_TRUE(Aguarde::Cancelou());
    EXPECT_EQ(Texto("InfoLabel"), QStringLiteral("CANCELANDO OPERAÇÃO..."));
    EXPECT_EQ(Filho<QLabel>(Janela(), "InfoLabel")->palette().color(QPalette::WindowText),
              QColor(Qt::red));

    Aguarde::FechaAguarde();
    EXPECT_FALSE(Aguarde::Cancelou());
    Aguarde::MostraAguarde(QStringLiteral("Lendo"), QString(), 0, false, true);
    QObject* remetente = nullptr;
    Janela().OnCancelClick = [&](QObject* sender) { remetente = sender; };
    Filho<QPushButton>(Janela(), "CancelarBtn")->click();
    EXPECT_EQ(remetente, Filho<QPushButton>(Janela(), "CancelarBtn"));
    EXPECT_TRUE(Aguarde::Cancelou());
}

TEST_F(AguardeTest, CloseBoxOnlyWhenClosingOrCancellingIsAllowed) {
    Aguarde::MostraAguarde(QStringLiteral("Lendo"));
    EXPECT_FALSE(Filho<QPushButton>(Janela(), "CancelarBtn")->isEnabled());
    EXPECT_FALSE(Janela().close());
    EXPECT_TRUE(Janela().isVisible());
    EXPECT_FALSE(Aguarde::Cancelou());
    Aguarde::FechaAguarde();

    Aguarde::MostraAguarde(QStringLiteral("Lendo"), QString(), 0, true);
    EXPECT_TRUE(Janela().close());
    EXPECT_TRUE(Aguarde::Cancelou());
    EXPECT_NE(aguarde->Janela(), nullptr);  // only hidden until FechaAguarde
}

}  // namespace
