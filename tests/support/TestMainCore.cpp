#include <gtest/gtest.h>

#include <QCoreApplication>

#include "base/mConst.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    mConst::DefinirRegionais(TFormatSettings::Brasileiro());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
