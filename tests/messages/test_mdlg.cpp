// The TmDlg facade over a scripted back end: which window each operation asks for, the taskbar
// state around it, the silent abort, the server-message rule and the application's handler.
#include <gtest/gtest.h>

#include <QObject>
#include <deque>
#include <stdexcept>

#include "messages/dialogos/TratamentoErros.h"
#include "messages/dialogos/mMensagem.h"

namespace {

// Records everything the facade asks of the back end, in order, and answers from a queue.
class TBackEndRoteiro : public TDialogosBackEnd {
public:
    std::vector<TParametrosDialogo> dialogos;
    std::vector<QString> eventos;  // "taskbar N", "dialogo", "som", "foco"
    std::deque<bool> respostas;
    QObject* focado = nullptr;

    bool Executar(const TParametrosDialogo& d) override {
        dialogos.push_back(d);
        eventos.push_back(QStringLiteral("dialogo"));
        if (respostas.empty())
            return false;
        const bool r = respostas.front();
        respostas.pop_front();
        return r;
    }
    void SetTaskbarEstado(int e) override {
        eventos.push_back(QStringLiteral("taskbar %1").arg(e));
    }
    void TocarSom(TMsgDlgType) override { eventos.push_back(QStringLiteral("som")); }
    void Focar(QObject* c) override {
        eventos.push_back(QStringLiteral("foco"));
        focado = c;
    }
};

class TmDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        backEnd = std::make_shared<TBackEndRoteiro>();
        TmDlg::InstalarBackEnd(backEnd);
    }
    void TearDown() override { TmDlg::InstalarBackEnd(nullptr); }
    const TParametrosDialogo& Unico() const {
        EXPECT_EQ(backEnd->dialogos.size(), 1u);
        return backEnd->dialogos.at(0);
    }
    std::shared_ptr<TBackEndRoteiro> backEnd;
};

using E = std::vector<QString>;
const QString kDialogo = QStringLiteral("dialogo");
const QString kPausado = QStringLiteral("taskbar 4");
const QString kNenhum = QStringLiteral("taskbar 0");

TEST_F(TmDlgTest, EachOperationAsksForItsWindowAndTaskbarState) {
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
         {kPausado, kDialogo, kNenhum}},
        {"Informa 3",
         [] { TmDlg::Informa("Tit", "Texto", "Det"); },
         {"Tit", "Texto", "Det", T::mtInformation},
         {kPausado, kDialogo, kNenhum}},
        {"Alerta",
         [] { TmDlg::Alerta(QStringLiteral("Cuidado")); },
         {"Atenção", "Cuidado", "", T::mtWarning},
         {kPausado, kDialogo, kNenhum}},
        {"Erro",
         [] { TmDlg::Erro(QStringLiteral("Falhou")); },
         {"Ocorreu um erro", "Falhou", "", T::mtError},
         {"taskbar 3", kDialogo, kNenhum}},
        {"Erro 5 sem titulo",
         [] { TmDlg::Erro("", "Falhou", "Det", 7, "original"); },
         {"Ocorreu um erro", "Falhou", "Det Msg.Original:original", T::mtError, false, 7},
         {"taskbar 3", kDialogo, kNenhum}},
        {"Confirma",
         [] { TmDlg::Confirma(QStringLiteral("Seguir?"), true, false, true); },
         {"Confirmação", "Seguir?", "", T::mtConfirmation, true, 0, false, true},
         {kPausado, kDialogo, kNenhum}},
        {"InformaTimer",
         [] { TmDlg::InformaTimer("Pronto", 3); },
         {"Informação", "Pronto", "", T::mtInformation, false, 3},
         {kDialogo}},
        {"ConfirmaTimer",
         [] { TmDlg::ConfirmaTimer("T", "Pronto", 4); },
         {"T", "Pronto", "", T::mtWarning, false, 4},
         {kDialogo}},
        {"ConfirmaOkTimer",
         [] { TmDlg::ConfirmaOkTimer("T", "Pronto", 5); },
         {"T", "Pronto", "", T::mtConfirmation, false, 5},
         {kDialogo}},
        {"ErroTimer",
         [] { TmDlg::ErroTimer("T", "Pronto", "D", 6); },
         {"T", "Pronto", "D", T::mtError, false, 6},
         {kDialogo}},
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
    EXPECT_EQ(backEnd->eventos, (E{"som", kDialogo, "foco"}));  // no taskbar state
}

TEST_F(TmDlgTest, InformaAbortStopsOnlyWhenTheConditionHolds) {
    TmDlg::InformaAbort(false, QStringLiteral("Vazio"));
    EXPECT_TRUE(backEnd->eventos.empty());

    QObject controle;
    bool rotinaRodou = false;
    EXPECT_THROW(TmDlg::InformaAbort(true, QStringLiteral("Vazio"), &controle, true,
                                     [&] { rotinaRodou = true; }),
                 EAbortSilencioso);
    EXPECT_TRUE(rotinaRodou);
    EXPECT_EQ(backEnd->focado, &controle);
    EXPECT_EQ(Unico().Titulo, QStringLiteral("Atenção"));
    EXPECT_EQ(Unico().Tipo, TMsgDlgType::mtWarning);
    EXPECT_EQ(backEnd->eventos, (E{"som", kPausado, kDialogo, kNenhum, "foco"}));

    SetUp();
    EXPECT_THROW(TmDlg::InformaAbort(true, "Tit", "Texto", "Det", nullptr), EAbortSilencioso);
    EXPECT_EQ(backEnd->eventos, (E{kPausado, kDialogo, kNenhum, "foco"}));
}

TEST_F(TmDlgTest, ErroWithAServerMessageShowsOnlyThatMessageAsInformation) {
    TmDlg::Erro("Falha", "Texto", "Det", 0,
                "ERRO: P0001: [#MSG]Cliente bloqueado[#MSG_FIM] CONTEXT SQL: select 1");
    EXPECT_EQ(Unico().Tipo, TMsgDlgType::mtInformation);
    EXPECT_EQ(Unico().Mensagem, QStringLiteral("Cliente bloqueado"));
    EXPECT_EQ(backEnd->eventos, (E{kPausado, kDialogo, kNenhum}));

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

TEST_F(TmDlgTest, TheApplicationHandlerShowsErrorsAndSwallowsTheSilentAbort) {
    TratamentoErros::Executar([] { throw EAbortSilencioso(); });
    EXPECT_TRUE(backEnd->dialogos.empty());

    const int r =
        TratamentoErros::Protegido([]() -> int { throw std::runtime_error("Disco cheio"); }, -1);
    EXPECT_EQ(r, -1);
    EXPECT_EQ(Unico().Tipo, TMsgDlgType::mtError);
    EXPECT_EQ(Unico().Mensagem, QStringLiteral("Disco cheio"));

    EXPECT_EQ(TratamentoErros::Protegido([] { return 5; }, -1), 5);
}

TEST(TmDlgSemBackEnd, AnswersNoWhenNothingCanDraw) {
    TmDlg::InstalarBackEnd(nullptr);
    EXPECT_FALSE(TmDlg::Confirma(QStringLiteral("Seguir?")));
    EXPECT_THROW(TmDlg::InformaAbort(true, QStringLiteral("Vazio")), EAbortSilencioso);
}

// The short alias names the same operations.
static_assert(&mDlg::MsgTratada == &TmDlg::MsgTratada);

}  // namespace
