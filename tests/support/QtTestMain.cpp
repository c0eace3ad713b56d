// The main of the test programs that need a Qt application: the offscreen platform unless the
// caller chose another, and the program's faces from the build tree.
#include "dialogs/QtCompat.h"
#include "report/QtFonts.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qtcompat::prepareApplication();
    QApplication application(argc, argv);
    report::installFonts(QStringLiteral(QHT_FONT_FOLDER));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
