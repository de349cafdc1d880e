// A program that holds the display's one-copy-per-session lock the way the display does, for
// tests that start real processes: it prints "primeira" when it owns the lock, "segunda" when
// another copy does (and ends), and "frente" each time another copy asks it to come forward.

#include <QCoreApplication>
#include <cstdio>

#include "display/instancia/InstanciaUnica.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TInstanciaUnica instancia(QStringLiteral("CvOrvaneMutex"));
    if (!instancia.Adquirir()) {
        std::puts("segunda");
        return 0;
    }
    QObject::connect(&instancia, &TInstanciaUnica::TrazerParaFrente, [] {
        std::puts("frente");
        std::fflush(stdout);
    });
    std::puts("primeira");
    std::fflush(stdout);
    return app.exec();
}
