// Entry point of every benchmark program: the Qt application object the measured code needs and
// the Brazilian regional settings the library is written for.

#include <benchmark/benchmark.h>

#ifdef ORVANE_BENCH_GUI
#include <QApplication>
using Aplicacao = QApplication;
#else
#include <QCoreApplication>
using Aplicacao = QCoreApplication;
#endif

#include "base/mConst.h"

int main(int argc, char** argv) {
    Aplicacao app(argc, argv);
    mConst::DefinirRegionais(TFormatSettings::Brasileiro());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
