#pragma once

#include "dialogs/Dialogs.h"
#include "mainwindow/Unit1.h"
#include "shell/Shell.h"
#include "speech/Speech.h"
#include "tests/support/CounterSeedSource.h"
#include "tests/support/TempFolder.h"
#include "ticket/PrintService.h"
#include "ticket/TicketPrinting.h"
#include "ticket/Unit2.h"
#include "ticket/Unit3.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

// A text in a failure message as text, not as its UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace testsupport {

// Message boxes answered at once; every box is recorded.
class FakeDialogs final : public Dialogs {
public:
    struct Shown {
        std::string kind; // "question", "notice" or "error"
        QString caption;
        QString text;
    };

    bool askYesNo(QWidget*, const QString& caption, const QString& text) override;
    void showNotice(QWidget*, const QString& caption, const QString& text) override;
    void showError(const QString& caption, const QString& text) override;
    void showMessage(const QString& text) override;
    QString askPassword(QWidget*) override;

    std::vector<Shown> shown;
    bool answer = true;
    QString password;
    // Runs while a question is "open", before it is answered.
    std::function<void()> whileAsking;
};

class FakeShell final : public shell::Shell {
public:
    void makeDesktopShortcut() override { ++shortcuts; }
    void openMakerWebPage() override { ++webPages; }
    int shortcuts = 0;
    int webPages = 0;
};

// Records every text it is asked to say (GBK).
class FakeSpeech final : public speech::Speech {
public:
    void say(const std::string& text) override { said.push_back(text); }
    bool hasChineseVoice() override { return chineseVoice; }
    std::vector<std::string> said;
    bool chineseVoice = true;
};

// Records what each print would have put on paper, or fails.
class FakePrintService final : public ticket::PrintService {
public:
    struct Printed {
        std::string title, number, date, remarks;
        double pageWidth;
        qint64 atMilliseconds;
    };
    void print(const report::Report& report) override;
    std::vector<Printed> printed;
    bool fail = false;
    qint64 startedAt = 0; // QDateTime milliseconds the times are measured from
};

class FixedClock final : public common::LocalClock {
public:
    std::tm now() const override;
};

// The files of a workspace in a fresh folder.
class Workspace {
public:
    Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    std::filesystem::path folder() const { return folder_.path(); }
    // The program's files here, the export file too.
    draw::ProgramPaths programPaths() const { return {folder_.path(), folder_ / "lzreport.txt"}; }
    std::filesystem::path path(const std::string& relative) const { return folder_ / relative; }
    // Four lines, and a fifth (the announcement) when one is given.
    void writeSettings(const std::string& title, const std::string& remark1,
                       const std::string& remark2, const std::string& paperWidth,
                       const std::optional<std::string>& announcement = std::nullopt);
    void writeText(const std::string& relative, const std::string& bytes);
    void writePool(const std::vector<std::string>& lines);
    void remove(const std::string& relative);
    std::string read(const std::string& relative) const;

private:
    TempFolder folder_;
};

// The control or timer of a window by its object name, as the window names it; one that is missing
// or of another type ends the test with its name.
template <class Child> Child* named(const QObject& window, const char* name) {
    if (auto* found = window.findChild<Child*>(QLatin1String(name))) {
        return found;
    }
    throw std::logic_error(std::string("the window has no ") + name + " of that type");
}

// Clicks the push button of this name with the mouse.
void click(const QObject& window, const char* buttonName);

// What the drawn log window shows.
QString logText(const TForm3& log);

// The main window's controls and timers, found by their names.
struct MainControls {
    explicit MainControls(const TForm1& form);
    // True while a timer of the draw cycle runs.
    bool drawRunning() const;

    PictureBox* background;
    TextLabel* title;
    PictureBox* start;
    PictureBox* reprint;
    TextLabel* number;
    TextLabel* status;
    QTimer* flicker;
    QTimer* reveal;
    QTimer* print;
};

// The picture a skin file holds, as the window shows it.
QImage skinPicture(const std::filesystem::path& file);
// The picture a picture control shows, in the same form.
QImage shownPicture(const PictureBox* box);

// The program's windows over a workspace, with fakes for everything that blocks or varies.
struct Program {
    // Over the current folder, with the export file of the system, as the program runs.
    Program() = default;
    // Over the workspace, with the export file in its folder.
    explicit Program(const Workspace& workspace) : paths(workspace.programPaths()) {}

    draw::ProgramPaths paths;
    FakeDialogs dialogs;
    FakeShell shell;
    FakeSpeech speech;
    CounterSeedSource seeds{0x9E3779B9u};
    FakePrintService printer;
    FixedClock clock;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm3> form3;
    std::unique_ptr<TForm4> form4;
    std::unique_ptr<ticket::TicketPrinting> printing;

    MainControls controls() const { return MainControls(*form1); }
    // Creates the windows in their order; the start-up question gets `answer`.
    void start(bool answer = true);
    // Clicks the start picture and waits for the whole draw to end.
    void drawOnce();
    // Waits until no timer of the draw cycle runs any more (ten seconds at most).
    void waitForCycleEnd();
    QString status() const;
    std::string number() const;
};

std::string gbk(const std::string& utf8);

} // namespace testsupport
