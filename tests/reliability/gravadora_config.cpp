// Helper of the kill test: loads the settings file named by its argument and saves the next
// version of it, for ever, reporting each version saved (MorteAposGravacoes.h).
#include "VersaoConfig.h"
#include "support/MorteAposGravacoes.h"
#include "texto/config/TmConfig.h"

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const QString arquivo = QString::fromLocal8Bit(argv[1]);
    for (;;) {
        TmConfig cfg(arquivo, true);
        const int versao = cfg.ReadIntegerConfig(QStringLiteral("Versao"), -1) + 1;
        cfg.WriteIntegerConfig(QStringLiteral("Versao"), versao);
        cfg.WriteStringConfig(QStringLiteral("Dados"), VersaoConfig::Dados(versao));
        cfg.Flush();
        MorteAposGravacoes::Relatar(versao);
    }
}
