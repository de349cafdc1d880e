// The customer display: one copy per user session; a second copy brings the first one's window
// to the front and ends.

#include "messages/formularios/DialogosQt.h"
#include "display/instancia/InstanciaUnica.h"
#include "messages/formularios/TAplicacao.h"
#include "display/janela/TPrincipalVivavaDazovadForm.h"
#include "base/mConst.h"

int main(int argc, char** argv) {
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
    return app.exec();
}
