// The TmDlg facade over a scripted back end: which window each operation asks for, the wait
// window closed and the taskbar state set around it, the texts handed to the log, the silent
// abort and the server-message rule.
#include <gtest/gtest.h>

#include <QObject>

#include "dialogos/mensagens/Aguarde.h"
#include "dialogos/mensagens/LogMensagens.h"
#include "dialogos/mensagens/mMensagem.h"
#include "support/BackEndRoteiro.h"

namespace {

// The wait window as the dialogs see it: being closed is all that happens to it here.
class TAguardeRoteiro : public TAguardeBackEnd {
public:
    explicit TAguardeRoteiro(std::vector<QString>& eventos) : eventos_(eventos) {}
    void Mostrar(const TParametrosAguarde&) override {}
    void Progresso(int) override {}
    void Atualizar() override {}
    void Fechar() override { eventos_.push_back(QStringLiteral("aguarde")); }
    bool Cancelou() const override { return false; }

private:
    std::vector<QString>& eventos_;
};

// The back end, a wait window and a log entry installed, all recording into one list of events.
class TmDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        backEnd = std::make_shared<TBackEndRoteiro>();
        TmDlg::InstalarBackEnd(backEnd);
        Aguarde::Instalar(std::make_shared<TAguardeRoteiro>(backEnd->eventos));
        LogMensagens::Instalar([this](const QString& texto) {
            backEnd->eventos.push_back(QStringLiteral("log ") + texto);
        });
    }
    void TearDown() override {
        TmDlg::InstalarBackEnd(nullptr);
        Aguarde::Instalar(nullptr);
        LogMensagens::Instalar({});
    }
    const TParametrosDialogo& Unico() const {
        EXPECT_EQ(backEnd->dialogos.size(), 1u);
        return backEnd->dialogos.at(0);
    }
    std::shared_ptr<TBackEndRoteiro> backEnd;
};

using E = std::vector<QString>;
const QString kAguarde = QStringLiteral("aguarde");
const QString kDialogo = QStringLiteral("dialogo");
const QString kPausado = QStringLiteral("taskbar 4");
const QString kNenhum = QStringLiteral("taskbar 0");

TEST_F(TmDlgTest, EachOperationClosesTheWaitWindowFirstThenShowsItsWindowAndLogsMarkedTexts) {
    struct Caso {
        const char* nome;
        std::function<void()> chamada;
        TParametrosDialogo esperado;
        E eventos;
    };
    using T = TMsgDlgType;
    const std::vector<Caso> casos = {
        {"Informa",
         [] { TmDlg::Informa(QStringLiteral("Texto"), true); },
         {"Informação", "Texto", "", T::mtInformation},
         {kAguarde, kPausado, kDialogo, kNenhum, "log Texto"}},
        {"Informa 3",
         [] { TmDlg::Informa("Tit", "Texto", "Det"); },
         {"Tit", "Texto", "Det", T::mtInformation},
         {kAguarde, kPausado, kDialogo, kNenhum}},
        {"Alerta",
         [] { TmDlg::Alerta(QStringLiteral("Cuidado"), true); },
         {"Atenção", "Cuidado", "", T::mtWarning},
         {kAguarde, kPausado, kDialogo, kNenhum, "log Cuidado"}},
        {"Erro",
         [] { TmDlg::Erro(QStringLiteral("Falhou"), true); },
         {"Ocorreu um erro", "Falhou", "", T::mtError},
         {kAguarde, "taskbar 3", kDialogo, kNenhum, "log Falhou"}},
        {"Erro 5 sem titulo",
         [] { TmDlg::Erro("", "Falhou", "Det", 7, "original"); },
         {"Ocorreu um erro", "Falhou", "Det Msg.Original:original", T::mtError, false, 7},
         {kAguarde, "taskbar 3", kDialogo, kNenhum}},
        {"Confirma",
         [] { TmDlg::Confirma(QStringLiteral("Seguir?"), true, false, true); },
         {"Confirmação", "Seguir?", "", T::mtConfirmation, true, 0, false, true},
         {kAguarde, kPausado, kDialogo, kNenhum}},
        {"InformaTimer",
         [] { TmDlg::InformaTimer("Pronto", 3); },
         {"Informação", "Pronto", "", T::mtInformation, false, 3},
         {kAguarde, kDialogo}},
        {"ConfirmaTimer",
         [] { TmDlg::ConfirmaTimer("T", "Pronto", 4); },
         {"T", "Pronto", "", T::mtWarning, false, 4},
         {kAguarde, kDialogo}},
        {"ConfirmaOkTimer",
         [] { TmDlg::ConfirmaOkTimer("T", "Pronto", 5); },
         {"T", "Pronto", "", T::mtConfirmation, false, 5},
         {kAguarde, kDialogo}},
        {"ErroTimer",
         [] { TmDlg::ErroTimer("T", "Pronto", "D", 6); },
         {"T", "Pronto", "D", T::mtError, false, 6},
         {kAguarde, kDialogo}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        SetUp();
        c.chamada();
        const TParametrosDialogo& d = Unico();
        EXPECT_EQ(d.Titulo, c.esperado.Titulo);
        EXPECT_EQ(d.Mensagem, c.esperado.Mensagem);
        EXPECT_EQ(d.Detalhes, c.esperado.Detalhes);
        EXPECT_EQ(d.Tipo, c.esperado.Tipo);
        EXPECT_EQ(d.FocoNao, c.esperado.FocoNao);
        EXPECT_EQ(d.aiTempoOK, c.esperado.aiTempoOK);
        EXPECT_EQ(d.abMonoEspacada, c.esperado.abMonoEspacada);
        EXPECT_EQ(d.CentralizarNoOwner, c.esperado.CentralizarNoOwner);
        EXPECT_EQ(backEnd->eventos, c.eventos);
    }
}

TEST_F(TmDlgTest, InformaOfAListJoinsWithCarriageReturnsWithoutLeadingSeparators) {
    TmDlg::Informa(TcrvArrayString{"", "", "a", "", "b"});
    EXPECT_EQ(Unico().Mensagem, QStringLiteral("a\r\rb"));
}

TEST_F(TmDlgTest, ConfirmaAnswersWhatTheUserChose) {
    backEnd->respostas = {true, false};
    EXPECT_TRUE(TmDlg::Confirma(QStringLiteral("Seguir?")));
    EXPECT_FALSE(TmDlg::Confirma(QStringLiteral("Seguir?")));
}

TEST_F(TmDlgTest, ConfirmaExitAbortsSilentlyOnNoAfterFocusingTheControl) {
    QObject controle;
    backEnd->respostas = {true};
    EXPECT_NO_THROW(TmDlg::ConfirmaExit(QStringLiteral("Sair?"), false, &controle));
    EXPECT_EQ(backEnd->focado, nullptr);

    backEnd->respostas = {false};
    EXPECT_THROW(TmDlg::ConfirmaExit(QStringLiteral("Sair?"), true, &controle), EAbortSilencioso);
    EXPECT_EQ(backEnd->focado, &controle);
    EXPECT_TRUE(backEnd->dialogos.back().FocoNao);

    backEnd->eventos.clear();
    EXPECT_THROW(TmDlg::ConfirmaExitMono("T", "Sair?", "D", false, &controle), EAbortSilencioso);
    EXPECT_TRUE(backEnd->dialogos.back().abMonoEspacada);
    EXPECT_EQ(backEnd->eventos, (E{kAguarde, "som", kAguarde, kDialogo, "foco"}));  // no taskbar
}

TEST_F(TmDlgTest, InformaAbortStopsOnlyWhenTheConditionHolds) {
    TmDlg::InformaAbort(false, QStringLiteral("Vazio"));
    EXPECT_TRUE(backEnd->eventos.empty());

    QObject controle;
    bool rotinaRodou = false;
    EXPECT_THROW(TmDlg::InformaAbort(true, QStringLiteral("Vazio"), &controle, true,
                                     [&] {
                                         rotinaRodou = true;
                                         backEnd->eventos.push_back(QStringLiteral("rotina"));
                                     }),
                 EAbortSilencioso);
    EXPECT_TRUE(rotinaRodou);
    EXPECT_EQ(backEnd->focado, &controle);
    EXPECT_EQ(Unico().Titulo, QStringLiteral("Atenção"));
    EXPECT_EQ(Unico().Tipo, TMsgDlgType::mtWarning);
    EXPECT_EQ(backEnd->eventos, (E{kAguarde, "som", kAguarde, kPausado, kDialogo, kNenhum,
                                   "log Vazio", "rotina", "foco"}));

    SetUp();
    EXPECT_THROW(TmDlg::InformaAbort(true, "Tit", "Texto", "Det", nullptr), EAbortSilencioso);
    EXPECT_EQ(backEnd->eventos, (E{kAguarde, kPausado, kDialogo, kNenhum, "foco"}));
}

TEST_F(TmDlgTest, ErroWithAServerMessageShowsOnlyThatMessageAsInformation) {
    TmDlg::Erro("Falha", "Texto", "Det", 0,
                "ERRO: P0001: [#MSG]Cliente bloqueado[#MSG_FIM] CONTEXT SQL: select 1");
    EXPECT_EQ(Unico().Tipo, TMsgDlgType::mtInformation);
    EXPECT_EQ(Unico().Mensagem, QStringLiteral("Cliente bloqueado"));
    EXPECT_EQ(backEnd->eventos,
              (E{kAguarde, kPausado, kDialogo, kNenhum, "log Cliente bloqueado"}));

    // An empty embedded message falls back to the error window with the original text.
    SetUp();
    TmDlg::Erro("Falha", "Texto", "", 0, "[#MSG][#MSG_FIM]");
    EXPECT_EQ(Unico().Tipo, TMsgDlgType::mtError);
    EXPECT_EQ(Unico().Detalhes, QStringLiteral(" Msg.Original:[#MSG][#MSG_FIM]"));
}

TEST(GetMsgTratada, CutsTheUserMessageOutOfAServerText) {
    const std::vector<std::pair<QString, QString>> casos = {
        {"sem marca nenhuma", "sem marca nenhuma"}, {"x[#MSG] tudo depois ", " tudo depois "},
        {"x[#MSG]msg[#MSG_FIM]resto", "msg"},       {"x[#MSG]msg SQL: select[#MSG_FIM]", "msg "},
        {"[#MSG]a[#MSG]b[#MSG_FIM]", "a[#MSG]b"},   {"", ""},
    };
    for (const auto& [texto, esperado] : casos) {
        EXPECT_EQ(TmDlg::GetMsgTratada(texto), esperado) << texto.toStdString();
        EXPECT_EQ(TmDlg::MsgTratada(texto), texto.contains("[#MSG]"));
    }
}

TEST(TmDlgSemBackEnd, AnswersNoWhenNothingCanDrawAndNothingElseIsInstalled) {
    TmDlg::InstalarBackEnd(nullptr);
    EXPECT_FALSE(TmDlg::Confirma(QStringLiteral("Seguir?")));
    EXPECT_THROW(TmDlg::InformaAbort(true, QStringLiteral("Vazio"), nullptr, true),
                 EAbortSilencioso);
    Aguarde::MostraAguarde(QStringLiteral("Consultando"));
    Aguarde::SetProgresso(3);
    EXPECT_FALSE(Aguarde::Cancelou());
}

// The short alias names the same operations.
TEST(TmDlgAlias, ReachesTheSameOperations) {
    EXPECT_EQ(mDlg::GetMsgTratada(QStringLiteral("x[#MSG]msg[#MSG_FIM]")), QStringLiteral("msg"));
}

}  // namespace
