// Every command of the display window with arbitrary parameter text, in arbitrary sequences, on
// a window shown under Qt's offscreen platform and painted after each input, so that what the
// commands leave on the pages is drawn too. An error reaches the application's handler, here a
// back end that keeps every dialog instead of showing it: no command may raise one, except the
// picture command's error naming the picture file it could not show and the PIX commands' errors
// for a code they will not show. The window stays usable:
// one of its pages visible, nothing crashed or leaked, no undefined behaviour.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "Exigir.h"
#include "base/CaminhoWindows.h"
#include "base/mConst.h"
#include "dialogos/mensagens/mMensagem.h"
#include "display/canal/CanalComandos.h"
#include "display/canal/LeitorLinhas.h"
#include "display/janela/TPrincipalVivavaDazovadForm.h"
#include "display/protocolo/Protocolo.h"

namespace {

// Keeps the dialogs the commands raise, and answers each as a click on OK would.
class DialogosGuardados : public TDialogosBackEnd {
public:
    bool Executar(const TParametrosDialogo& dialogo) override {
        dialogos.append(dialogo);
        return true;
    }
    void SetTaskbarEstado(int) override {}
    void TocarSom(TMsgDlgType) override {}
    void Focar(QObject*) override {}

    QList<TParametrosDialogo> dialogos;
};

using Protocolo::EComando;

// The codes of the commands, then codes without one.
constexpr auto kCodigos = [] {
    constexpr int kSemComando[] = {0, 10, 100, 105, 255};
    std::array<int, Protocolo::kComandos.size() + std::size(kSemComando)> codigos{};
    std::size_t i = 0;
    for (const EComando comando : Protocolo::kComandos)
        codigos[i++] = Protocolo::CodigoDoComando(comando);
    for (const int codigo : kSemComando)
        codigos[i++] = codigo;
    return codigos;
}();

TPrincipalVivavaDazovadForm* Janela() {
    static TPrincipalVivavaDazovadForm* janela = [] {
        static QTemporaryDir raiz;  // drive C: of the window, empty but for the picture
        qputenv("ORVANE_DRIVE_C", raiz.path().toUtf8());
        QDir(raiz.path()).mkdir(QStringLiteral("frente"));
        auto* nova = new TPrincipalVivavaDazovadForm;
        nova->show();
        // Commands come straight to ExecutarComando: the listener that showing the window
        // started is not needed, and must not hold the display's port.
        nova->Canal().Desativar();
        return nova;
    }();
    return janela;
}

const std::shared_ptr<DialogosGuardados>& Dialogos() {
    static const auto dialogos = std::make_shared<DialogosGuardados>();
    return dialogos;
}

const QString& ArquivoImagem() {
    static const QString arquivo =
        CaminhoWindows::Mapear(QStringLiteral("c:\\frente\\OrvaneImg.bmp"));
    return arquivo;
}

// The dialogs a command raised: none, or errors of the commands that report bad input: the
// picture command's naming the picture, the PIX commands' for a code they will not show.
void ExigirSemDialogos(int codigo) {
    const bool imagem = codigo == Protocolo::CodigoDoComando(EComando::ExibirImagem);
    const bool pix = codigo == Protocolo::CodigoDoComando(EComando::ExibirCodigoPix) ||
                     codigo == Protocolo::CodigoDoComando(EComando::MontarCodigoPix);
    for (const TParametrosDialogo& dialogo : std::as_const(Dialogos()->dialogos))
        Exigir(dialogo.Tipo == TMsgDlgType::mtError &&
               ((imagem && dialogo.Mensagem.contains(ArquivoImagem())) ||
                (pix && dialogo.Mensagem.contains(u"PIX"))));
    Dialogos()->dialogos.clear();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the fuzzer ends the process with exit(), and the window must not outlive
    // the application object in the static destructors.
    new QApplication(*argc, *argv);
    mConst::DefinirRegionais(TFormatSettings::Brasileiro());
    TmDlg::InstalarBackEnd(Dialogos());
    Janela();
    Dialogos()->dialogos.clear();  // what starting the window said, about the port for instance
    return 0;
}

// Input: lines; the first byte of a line chooses the command, the rest is its parameter text
// decoded as the channel decodes it. For the picture command the rest is the picture file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TPrincipalVivavaDazovadForm& janela = *Janela();
    // Each input starts from an empty sale and debug log: the window lives on between inputs,
    // and what they add would otherwise pile up.
    const int limpar = Protocolo::CodigoDoComando(EComando::LimparVenda);
    janela.ExecutarComando(limpar, QString());
    ExigirSemDialogos(limpar);
    if (auto* memo = janela.findChild<QPlainTextEdit*>("Memo1"))  // built on first use
        memo->clear();
    const QByteArrayView entrada(reinterpret_cast<const char*>(data), qsizetype(size));
    for (qsizetype inicio = 0, fim; inicio < entrada.size(); inicio = fim + 1) {
        fim = entrada.indexOf('\n', inicio);
        if (fim < 0)
            fim = entrada.size();
        const QByteArrayView linha = entrada.sliced(inicio, fim - inicio);
        if (linha.isEmpty())
            continue;
        const int codigo = kCodigos[static_cast<unsigned char>(linha[0]) % std::size(kCodigos)];
        const QByteArrayView resto = linha.sliced(1);
        if (codigo == Protocolo::CodigoDoComando(EComando::ExibirImagem)) {
            QFile imagem(ArquivoImagem());
            if (imagem.open(QIODevice::WriteOnly | QIODevice::Truncate))
                imagem.write(resto.data(), resto.size());
        }
        janela.ExecutarComando(codigo, LeitorLinhas::Decodificar(resto));
        QCoreApplication::processEvents();
        ExigirSemDialogos(codigo);
        Exigir(janela.findChild<QStackedWidget*>("PageControl")->currentIndex() >= 0);
    }
    // Paints the page the input left shown, with everything on it.
    janela.grab();
    return 0;
}
