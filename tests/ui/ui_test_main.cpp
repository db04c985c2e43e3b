#include <gtest/gtest.h>

#include <QApplication>

#include "ui/accessible_names.h"

int main(int argc, char* argv[]) {
    // Page tests never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    quorvex::ui::InstallAccessibleNames(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
