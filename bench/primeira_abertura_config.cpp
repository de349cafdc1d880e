// Helper of the settings benchmark: the first opening of a settings file in a fresh process, with
// nothing of the reader warmed up. Opens the file with the reader named and makes the 20 reads,
// then prints the nanoseconds that took.
//   primeira_abertura_config FILE tmconfig|qsettings
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "ArquivoConfig.h"
#include "base/mConst.h"

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    QCoreApplication app(argc, argv);
    mConst::DefinirRegionais(TFormatSettings::Brasileiro());
    const QString arquivo = QString::fromLocal8Bit(argv[1]);
    const bool tmConfig = std::strcmp(argv[2], "tmconfig") == 0;
    const auto inicio = std::chrono::steady_clock::now();
    if (tmConfig)
        ArquivoConfig::LerTmConfig(arquivo);
    else
        ArquivoConfig::LerQSettings(arquivo);
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now() - inicio);
    std::printf("%lld\n", static_cast<long long>(ns.count()));
    return 0;
}
