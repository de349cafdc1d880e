#include <gtest/gtest.h>

#include <QApplication>

#include "base/mConst.h"

int main(int argc, char** argv) {
    // CTest lists the tests by running the program outside the tests' environment, where there
    // may be no screen: widgets tests always run on Qt's offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    mConst::DefinirRegionais(TFormatSettings::Brasileiro());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
