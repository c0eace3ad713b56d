// The real main window over a workspace, drawing one entry after another until the event is
// done, each ticket logged to a file and flushed: the child that KillLoopTest kills.
//   draw_child WORKSPACE TICKET_LOG
// The start-up question gets Yes when there is nothing to resume, No otherwise.
#include "MainWindowFixture.h"

#include "common/ByteText.h"
#include "draw/EntropySeedSource.h"
#include "draw/EventFiles.h"

#include <QApplication>
#include <QTimer>

#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

class LoggingPrintService final : public ticket::PrintService {
public:
    explicit LoggingPrintService(const char* path)
        : fd_(::open(path, O_WRONLY | O_CREAT | O_APPEND, 0644)) {}
    void print(const report::Report& report) override {
        const std::string line = report.label("QRLabel2").text + "\n";
        if (::write(fd_, line.data(), line.size()) != static_cast<ssize_t>(line.size()) ||
            ::fsync(fd_) != 0) {
            throw std::runtime_error("ticket log");
        }
    }

private:
    int fd_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    std::filesystem::current_path(argv[1]);
    QApplication application(argc, argv);
    std::error_code ignored;
    const bool resume =
        std::filesystem::file_size(draw::remainderFilePath, ignored) > 0 && !ignored;

    testsupport::FakeDialogs dialogs;
    dialogs.answer = !resume;
    testsupport::FakeShell shell;
    draw::EntropySeedSource seeds;
    TForm1 form1({dialogs, seeds, shell});
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

    QTimer next;
    QObject::connect(&next, &QTimer::timeout, [&] {
        if (common::trimBlanks(form1.Memo1.head()).empty()) {
            QCoreApplication::exit(0);
        } else if (form1.Image2->isEnabled() && !form1.Timer1.isActive()) {
            form1.Image2Click();
        }
    });
    next.start(10);
    return application.exec();
}
