// Helper of the kill test: writes entries into the log named by its arguments for ever, numbered
// from the one given, with the clock fixed. Writes a line to its output after its first entry.
//   gravadora_log FOLDER/ NAME FIRST
#include <QCoreApplication>
#include <cstdio>

#include "EntradaLog.h"
#include "base/Relogio.h"
#include "base/mConst.h"
#include "registro/log/TGravaLogs.h"

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    QCoreApplication app(argc, argv);
    mConst::DefinirRegionais(TFormatSettings::Brasileiro());
    Relogio::Fixar(EntradaLog::kAgora);
    QObject origem;
    origem.setObjectName(QStringLiteral("Gravadora"));
    const QString pasta = QString::fromLocal8Bit(argv[1]);
    const QString nome = QString::fromLocal8Bit(argv[2]);
    for (int numero = std::atoi(argv[3]);; ++numero) {
        TGravaLogs::Execute(&origem, nome, EntradaLog::Mensagem(numero), pasta,
                            EntradaLog::kMaximoLinhas);
        if (numero == std::atoi(argv[3])) {
            std::puts("gravou");
            std::fflush(stdout);
        }
    }
}
