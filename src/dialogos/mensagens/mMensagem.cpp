#include "dialogos/mensagens/mMensagem.h"

#include <QDebug>

#include "dialogos/mensagens/Aguarde.h"
#include "dialogos/mensagens/LogMensagens.h"
#include "texto/separacao/TmStrSepara.h"

namespace {

// Used while no back end is installed: nothing can be drawn, so every dialog is written to the
// warning log and answered no.
class TDialogosAusentes : public TDialogosBackEnd {
public:
    bool Executar(const TParametrosDialogo& d) override {
        qWarning().noquote() << "TmDlg:" << d.Titulo << "-" << d.Mensagem;
        return false;
    }
    void SetTaskbarEstado(int) override {}
    void TocarSom(TMsgDlgType) override {}
    void Focar(QObject*) override {}
};

std::shared_ptr<TDialogosBackEnd>& BackEndAtual() {
    static std::shared_ptr<TDialogosBackEnd> atual = std::make_shared<TDialogosAusentes>();
    return atual;
}

constexpr int kTaskbarNenhum = 0;
constexpr int kTaskbarErro = 3;
constexpr int kTaskbarPausado = 4;

// Holds a taskbar state for as long as one dialog is open (0 = the dialog sets none).
class TEstadoTaskbar {
public:
    explicit TEstadoTaskbar(int estado) : estado_(estado) {
        if (estado_ != kTaskbarNenhum)
            TmDlg::BackEnd().SetTaskbarEstado(estado_);
    }
    ~TEstadoTaskbar() {
        if (estado_ != kTaskbarNenhum)
            TmDlg::BackEnd().SetTaskbarEstado(kTaskbarNenhum);
    }
    TEstadoTaskbar(const TEstadoTaskbar&) = delete;
    TEstadoTaskbar& operator=(const TEstadoTaskbar&) = delete;

private:
    int estado_;
};

// Every dialog closes the wait window first, so that it does not open behind it.
bool Mostrar(const TParametrosDialogo& dialogo, int estadoTaskbar = kTaskbarNenhum) {
    Aguarde::FechaAguarde();
    TEstadoTaskbar estado(estadoTaskbar);
    return TmDlg::BackEnd().Executar(dialogo);
}

void Gravar(bool gravar, const QString& texto) {
    if (gravar)
        LogMensagens::GravaLogMsg(texto);
}

// The stops and exit questions close the wait window before their question sound, too.
void TocarPergunta() {
    Aguarde::FechaAguarde();
    TmDlg::BackEnd().TocarSom(TMsgDlgType::mtConfirmation);
}

[[noreturn]] void FocarEAbortar(QObject* foco) {
    TmDlg::BackEnd().Focar(foco);
    throw EAbortSilencioso();
}

const QString kMarcaMsg = QStringLiteral("[#MSG]");

}  // namespace

void TmDlg::InstalarBackEnd(std::shared_ptr<TDialogosBackEnd> backEnd) {
    BackEndAtual() = backEnd ? std::move(backEnd) : std::make_shared<TDialogosAusentes>();
}

TDialogosBackEnd& TmDlg::BackEnd() {
    return *BackEndAtual();
}

void TmDlg::Informa(const QString& Texto, bool GravaLog) {
    Mostrar({QStringLiteral("Informação"), Texto, {}, TMsgDlgType::mtInformation}, kTaskbarPausado);
    Gravar(GravaLog, Texto);
}

void TmDlg::Informa(const TcrvArrayString& aaTexto, bool abGravaLog) {
    Informa(TmStr::Concatena(aaTexto, u"\r"), abGravaLog);
}

void TmDlg::Informa(const QString& Titulo, const QString& Texto, const QString& Detalhes) {
    Mostrar({Titulo, Texto, Detalhes, TMsgDlgType::mtInformation}, kTaskbarPausado);
}

void TmDlg::Alerta(const QString& Texto, bool GravaLog) {
    Alerta(QStringLiteral("Atenção"), Texto, QString());
    Gravar(GravaLog, Texto);
}

void TmDlg::Alerta(const QString& Titulo, const QString& Texto, const QString& Detalhes) {
    Mostrar({Titulo, Texto, Detalhes, TMsgDlgType::mtWarning}, kTaskbarPausado);
}

void TmDlg::Erro(const QString& Texto, bool GravaLog) {
    Erro(QStringLiteral("Ocorreu um erro"), Texto, QString(), 0, QString());
    Gravar(GravaLog, Texto);
}

void TmDlg::Erro(const QString& Titulo, const QString& Texto, const QString& Detalhes,
                 int SegundosFechar, const QString& ExceptionMessage) {
    if (MsgTratada(ExceptionMessage)) {
        const QString mensagem = GetMsgTratada(ExceptionMessage);
        if (!mensagem.isEmpty()) {
            Informa(mensagem, true);
            return;
        }
    }
    TParametrosDialogo d;
    d.Titulo = Titulo.isEmpty() ? QStringLiteral("Ocorreu um erro") : Titulo;
    d.Mensagem = Texto;
    d.Detalhes = ExceptionMessage.isEmpty()
                     ? Detalhes
                     : Detalhes + QStringLiteral(" Msg.Original:") + ExceptionMessage;
    d.Tipo = TMsgDlgType::mtError;
    d.aiTempoOK = SegundosFechar;
    Mostrar(d, kTaskbarErro);
}

bool TmDlg::Confirma(const QString& Texto, bool FocoNao, bool /*abAguardeHide*/,
                     bool CentralizarNoOwner) {
    return Confirma(QStringLiteral("Confirmação"), Texto, QString(), FocoNao, CentralizarNoOwner);
}

bool TmDlg::Confirma(const QString& Titulo, const QString& Texto, const QString& Detalhes,
                     bool FocoNao, bool CentralizarNoOwner) {
    TParametrosDialogo d{Titulo, Texto, Detalhes, TMsgDlgType::mtConfirmation, FocoNao};
    d.CentralizarNoOwner = CentralizarNoOwner;
    return Mostrar(d, kTaskbarPausado);
}

void TmDlg::ConfirmaExit(const QString& Texto, bool FocoBotaoNao, QObject* Foco) {
    TocarPergunta();
    if (!Confirma(Texto, FocoBotaoNao, true, false))
        FocarEAbortar(Foco);
}

void TmDlg::ConfirmaExit(const QString& Titulo, const QString& Texto, const QString& Detalhes,
                         bool FocoBotaoNao, QObject* Foco) {
    TocarPergunta();
    if (!Confirma(Titulo, Texto, Detalhes, FocoBotaoNao, false))
        FocarEAbortar(Foco);
}

void TmDlg::ConfirmaExitMono(const QString& Titulo, const QString& Texto, const QString& Detalhes,
                             bool FocoBotaoNao, QObject* Foco) {
    TocarPergunta();
    TParametrosDialogo d{Titulo, Texto, Detalhes, TMsgDlgType::mtConfirmation, FocoBotaoNao};
    d.abMonoEspacada = true;
    if (!Mostrar(d))
        FocarEAbortar(Foco);
}

void TmDlg::InformaAbort(bool Condicao, const QString& Texto, QObject* Foco, bool GravaLog,
                         const TRotinaCallBack& Rotina) {
    if (!Condicao)
        return;
    TocarPergunta();
    Alerta(Texto, GravaLog);
    if (Rotina)
        Rotina();
    FocarEAbortar(Foco);
}

void TmDlg::InformaAbort(bool Condicao, const QString& Titulo, const QString& Texto,
                         const QString& Detalhes, QObject* Foco) {
    if (!Condicao)
        return;
    Alerta(Titulo, Texto, Detalhes);
    FocarEAbortar(Foco);
}

void TmDlg::InformaTimer(const QString& asTexto, int aiSegundos) {
    TParametrosDialogo d{QStringLiteral("Informação"), asTexto, {}, TMsgDlgType::mtInformation};
    d.aiTempoOK = aiSegundos;
    Mostrar(d);
}

void TmDlg::ConfirmaTimer(const QString& asTitulo, const QString& asTexto, int aiSegundos) {
    TParametrosDialogo d{asTitulo, asTexto, {}, TMsgDlgType::mtWarning};
    d.aiTempoOK = aiSegundos;
    Mostrar(d);
}

bool TmDlg::ConfirmaOkTimer(const QString& asTitulo, const QString& asTexto, int aiSegundos) {
    TParametrosDialogo d{asTitulo, asTexto, {}, TMsgDlgType::mtConfirmation};
    d.aiTempoOK = aiSegundos;
    return Mostrar(d);
}

bool TmDlg::ErroTimer(const QString& asTitulo, const QString& asTexto, const QString& asDetalhes,
                      int aiSegundos) {
    TParametrosDialogo d{asTitulo, asTexto, asDetalhes, TMsgDlgType::mtError};
    d.aiTempoOK = aiSegundos;
    return Mostrar(d);
}

bool TmDlg::MsgTratada(const QString& asMessage) {
    return asMessage.contains(kMarcaMsg);
}

QString TmDlg::GetMsgTratada(const QString& asMessage) {
    const qsizetype inicio = asMessage.indexOf(kMarcaMsg);
    if (inicio < 0)
        return asMessage;
    QString mensagem = asMessage.mid(inicio + kMarcaMsg.size());
    for (const QString& fim : {QStringLiteral("SQL:"), QStringLiteral("[#MSG_FIM]")}) {
        const qsizetype corte = mensagem.indexOf(fim);
        if (corte >= 0)
            mensagem.truncate(corte);
    }
    return mensagem;
}
