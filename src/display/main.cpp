// The customer display: one copy per user session; a second copy brings the first one's window
// to the front and ends.

#include "base/mConst.h"
#include "display/instancia/InstanciaUnica.h"
#include "display/janela/TPrincipalVivavaDazovadForm.h"
#include "messages/formularios/DialogosQt.h"
#include "messages/formularios/TAplicacao.h"

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
