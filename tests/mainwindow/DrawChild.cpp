// The real main window over a workspace, drawing one entry after another until the event is
// done, each ticket logged to a file and flushed: the child that KillLoopTest kills.
//   draw_child WORKSPACE TICKET_LOG
// The start-up question gets Yes when there is nothing to resume, No otherwise.
#include "MainWindowFixture.h"

#include "common/ByteText.h"
#include "dialogs/QtCompat.h"
#include "draw/EntropySeedSource.h"
#include "draw/EventFiles.h"

#include <QApplication>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using testsupport::MainControls;

// Each line is handed to the system before the print returns; a killed process loses nothing
// the system already holds.
class LoggingPrintService final : public ticket::PrintService {
public:
    explicit LoggingPrintService(const char* path) : log_(path, std::ios::binary | std::ios::app) {}
    void print(const report::Report& report) override {
        if (!(log_ << report.label("QRLabel2").text << '\n' << std::flush)) {
            throw std::runtime_error("ticket log");
        }
    }

private:
    std::ofstream log_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    std::filesystem::current_path(argv[1]);
    qtcompat::prepareApplication();
    QApplication application(argc, argv);
    std::error_code ignored;
    const bool resume =
        std::filesystem::file_size(draw::remainderFilePath, ignored) > 0 && !ignored;

    testsupport::FakeDialogs dialogs;
    dialogs.answer = !resume;
    testsupport::FakeShell shell;
    testsupport::FakeSpeech speech;
    draw::EntropySeedSource seeds;
    TForm1 form1({dialogs, seeds, shell, speech});
    if (form1.endRequested()) {
        return 3;
    }
    TForm2 form2;
    TForm3 form3;
    LoggingPrintService printer(argv[2]);
    const testsupport::FixedClock clock;
    ticket::TicketPrinting printing(form2, form3, printer, clock);
    form1.attachTicket(printing, form3);
    form1.show();

    const MainControls ui(form1);
    QTimer next;
    QObject::connect(&next, &QTimer::timeout, [&] {
        if (common::trimBlanks(form1.drawQueue().head()).empty()) {
            QCoreApplication::exit(0);
        } else if (ui.start->isEnabled() && !ui.flicker->isActive()) {
            form1.Image2Click();
        }
    });
    next.start(10);
    return application.exec();
}
