// The program: the application title, the four windows in their fixed order, the main window
// shown maximised, and the message loop.
#include "ProgramTexts.h"
#include "ProgramWindows.h"
#include "Unit1.h"

#include "dialogs/Dialogs.h"
#include "dialogs/QtCompat.h"
#include "draw/EntropySeedSource.h"
#include "report/QtFonts.h"
#include "shell/DesktopShell.h"
#include "speech/SystemSpeech.h"

#include <QApplication>
#include <QTimer>

#ifdef _WIN32
#include <objbase.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The shell link object needs the component-object library on this thread.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
#endif
    qtcompat::prepareApplication();
    QApplication application(argc, argv);
    QApplication::setApplicationName(texts::applicationTitle);
    report::installFonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));

    QtDialogs dialogs;
    draw::EntropySeedSource seeds;
    shell::DesktopShell shell;
    speech::SystemSpeech speech;
    TForm1 form1({dialogs, seeds, shell, speech});
    ProgramWindows others(form1, dialogs, speech);

    form1.showMaximized();
    if (form1.endRequested()) {
        // The failed start-up still shows the window once; the loop then ends at once.
        QTimer::singleShot(0, &application, [] { QCoreApplication::exit(0); });
    }
    return application.exec();
}
