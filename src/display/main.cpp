// The customer display: one copy per user session; a second copy brings the first one's window
// to the front and ends.

#include <QCommandLineParser>

#include "base/mConst.h"
#include "desenho/formularios/DialogosQt.h"
#include "desenho/formularios/TAplicacao.h"
#include "display/instancia/InstanciaUnica.h"
#include "display/janela/TPrincipalVivavaDazovadForm.h"

namespace {

const char* const Descricao =
    "Display do cliente para o PDV: mostra os itens, o total, o pagamento e as mensagens que o\n"
    "PDV envia por TCP (porta 22334, ou a chave Porta de c:\\frente\\config\\Orvane.crv).\n"
    "F12 abre a página de configurações. O drive C: é a pasta da variável de ambiente\n"
    "ORVANE_DRIVE_C (padrão /). F10 ou a opção --autoteste mostra a tela de autoteste para o\n"
    "instalador. As demais opções são as da plataforma Qt.";

const char* const kOpcaoAutoteste = "autoteste";

// Answers --help and --version before the window system is needed, so both work without a
// screen. Every other argument is left to Qt (-platform and the like), but --autoteste, whose
// presence is returned.
bool ResponderAjudaVersao(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("orvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANE_VERSAO));
    QCommandLineParser opcoes;
    opcoes.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    opcoes.setApplicationDescription(QString::fromUtf8(Descricao));
    const QCommandLineOption ajuda = opcoes.addHelpOption();
    const QCommandLineOption versao = opcoes.addVersionOption();
    const QCommandLineOption autoteste(QString::fromLatin1(kOpcaoAutoteste),
                                       QStringLiteral("Abre na tela de autoteste."));
    opcoes.addOption(autoteste);
    QStringList argumentos;
    for (int i = 0; i < argc; ++i)
        argumentos.append(QString::fromLocal8Bit(argv[i]));
    opcoes.parse(argumentos);
    if (!opcoes.isSet(ajuda) && !opcoes.isSet(versao))
        return opcoes.isSet(autoteste);
    QCoreApplication nucleo(argc, argv);  // the help names the program from it
    if (opcoes.isSet(ajuda))
        opcoes.showHelp();
    opcoes.showVersion();
}

}  // namespace

int main(int argc, char** argv) {
    const bool autoteste = ResponderAjudaVersao(argc, argv);
    TAplicacao app(argc, argv);
    app.setApplicationDisplayName(QStringLiteral("Vivava Dazovad"));
    mConst::DefinirRegionais(TFormatSettings::DoLocale(QLocale::system()));
    InstalarDialogosQt();

    TInstanciaUnica instancia(QStringLiteral("CvOrvaneMutex"));
    if (!instancia.Adquirir())
        return 0;

    TPrincipalVivavaDazovadForm janela;
    QObject::connect(&instancia, &TInstanciaUnica::TrazerParaFrente, &janela, [&janela] {
        janela.show();
        janela.raise();
        janela.activateWindow();
    });
    janela.show();
    if (autoteste)
        janela.MostrarAutoteste();
    return app.exec();
}
