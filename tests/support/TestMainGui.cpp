#include <gtest/gtest.h>

#include <QApplication>

#include "mConst.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    mConst::DefinirRegionais(TFormatSettings::Brasileiro());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
