// One start of a Qt program up to its first drawn frame, then the end: with "bare" a plain
// 938 × 718 window, with "text" the same window showing one line of Chinese text, with
// "main FOLDER" the main window over the workspace in FOLDER, the start-up question answered
// Yes. mainwindow_bench starts it as a child process and times it.
#include "dialogs/QtCompat.h"
#include "tests/mainwindow/MainWindowFixture.h"

#include "report/QtFonts.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>
#include <filesystem>

int main(int argc, char** argv) {
    qtcompat::prepareApplication();
    QApplication application(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "bare") == 0) {
        QWidget window;
        window.resize(938, 718);
        window.show();
        return window.grab().isNull() ? 1 : 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "text") == 0) {
        QLabel window(QStringLiteral(u"已经摇出0个，还剩下50个。"));
        window.resize(938, 718);
        window.show();
        return window.grab().isNull() ? 1 : 0;
    }
    if (argc < 3) {
        return 2;
    }
    std::filesystem::current_path(argv[2]);
    report::installFonts(QStringLiteral(QHT_FONT_FOLDER));
    testsupport::Program program;
    program.start(true);
    program.form1->show();
    return program.form1->grab().isNull() || program.form1->endRequested() ? 1 : 0;
}
