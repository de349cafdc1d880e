// Helper of the kill test: writes entries into the log named by its arguments for ever, numbered
// from the one given, with the clock fixed, reporting each entry written (MorteAposGravacoes.h).
//   gravadora_log FOLDER/ NAME FIRST
#include <QCoreApplication>
#include <cstdlib>

#include "EntradaLog.h"
#include "base/Relogio.h"
#include "base/mConst.h"
#include "registro/log/TGravaLogs.h"
#include "support/MorteAposGravacoes.h"

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
        MorteAposGravacoes::Relatar(numero);
    }
}
