// Entry point of the tests that show real dialogs: an application object with the program's
// error handling (errors of event handlers shown, the silent abort swallowed), the Qt dialogs
// installed as TmDlg's back end, and Brazilian regional settings.
#include <gtest/gtest.h>

#include <QApplication>

#include "base/mConst.h"
#include "desenho/formularios/DialogosQt.h"
#include "desenho/formularios/TAplicacao.h"

int main(int argc, char** argv) {
    // Offscreen unless told otherwise: the test list is also read without CTest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TAplicacao app(argc, argv);
    mConst::DefinirRegionais(TFormatSettings::Brasileiro());
    InstalarDialogosQt();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
