#include "MainWindowFixture.h"

#include "mainwindow/ProgramWindows.h"
#include "report/ReportPainter.h"
#include "tests/support/HostCommand.h"
#include "tests/support/InkCompare.h"
#include "tests/support/Poppler.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <QPrinterInfo>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

using testsupport::hostCommandOutput;
using testsupport::MainControls;
using testsupport::Program;
using testsupport::Workspace;

// The PDF queue the test command makes the default: TicketPDF for the Linux program, TicketWine
// for the Windows program under Wine; PRINTER names it.
std::string queue() {
    const char* name = std::getenv("PRINTER");
    return name && *name ? name : "TicketPDF";
}

// Jobs of the queue as "<queue>-<n>", newest last.
std::set<int> jobIds() {
    std::set<int> ids;
    const std::string prefix = queue() + "-";
    const std::string listing = hostCommandOutput("lpstat -W all -o " + queue() + " 2>/dev/null");
    for (std::size_t at = listing.find(prefix); at != std::string::npos;
         at = listing.find(prefix, at + 1)) {
        ids.insert(std::stoi(listing.substr(at + prefix.size())));
    }
    return ids;
}

bool completed(int job) {
    return hostCommandOutput("lpstat -W completed -o " + queue() + " 2>/dev/null")
               .find(queue() + "-" + std::to_string(job) + " ") != std::string::npos;
}

// Jobs not among `before`. Counted by id, since the scheduler may drop old jobs from its history
// at any time.
std::vector<int> jobsSince(const std::set<int>& before) {
    std::vector<int> added;
    for (const int id : jobIds()) {
        if (!before.count(id)) {
            added.push_back(id);
        }
    }
    return added;
}

// Waits until exactly `expected` jobs beyond `before` exist and all are completed; their ids.
std::vector<int> newCompletedJobs(const std::set<int>& before, std::size_t expected) {
    const qint64 deadline = QDateTime::currentMSecsSinceEpoch() + 30000;
    std::vector<int> added;
    while (QDateTime::currentMSecsSinceEpoch() < deadline) {
        added = jobsSince(before);
        bool done = added.size() == expected;
        for (const int id : added) {
            done = done && completed(id);
        }
        if (done) {
            return added;
        }
        QTest::qWait(200);
    }
    return added;
}

class CupsPrinting : public testing::Test {
protected:
    void SetUp() override {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        ASSERT_FALSE(printer.isNull()) << "no default printer: tools/test starts CUPS with the PDF "
                                          "printer TicketPDF and runs the tests with "
                                          "PRINTER=TicketPDF";
        ASSERT_EQ(printer.printerName().toStdString(), queue());
    }
};

TEST_F(CupsPrinting, ADrawPrintsItsTicketAndAPrintAskedForMeanwhileIsIgnored) {
    Workspace workspace;
    workspace.writePool({"37"});
    const std::set<int> before = jobIds();

    testsupport::FakeDialogs dialogs;
    testsupport::FakeShell shell;
    testsupport::FakeSpeech speech;
    testsupport::CounterSeedSource seeds;
    TForm1 form1({dialogs, seeds, shell, speech, workspace.programPaths()});
    ProgramWindows others(form1, dialogs, speech);
    ticket::SystemPrintService& printer = others.printer;
    TForm2& form2 = others.form2;
    form1.show();

    form1.Image2Click();
    QTest::qWait(1700);
    ASSERT_TRUE(MainControls(form1).start->isEnabled()) << "the print step did not finish";

    const std::vector<int> jobs = newCompletedJobs(before, 1);
    ASSERT_EQ(jobs.size(), 1u) << "jobs of this draw, all completed";
    const int job = jobs[0];

    // The document as the program handed it to CUPS: PDF from Qt on Linux, PostScript from
    // Wine's driver under Wine, made PDF here so both are read the same way.
    testsupport::TempFolder folder;
    const std::string pdf = testsupport::hostPath(folder / "job.pdf");
    char spool[64];
    std::snprintf(spool, sizeof spool, "/var/spool/cups/d%05d-001", job);
    hostCommandOutput("if head -c 4 " + std::string(spool) + " | grep -q '%!PS'; then ps2pdf " +
                      spool + " '" + pdf + "'; else cp " + spool + " '" + pdf + "'; fi");
    const auto pages = testsupport::readPdf(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NEAR(pages[0].width, 51.0 / 25.4 * 72, 0.5);
    EXPECT_NEAR(pages[0].height, 65.9 / 25.4 * 72, 0.5);

    // On paper it is the ticket the report engine draws, label by label.
    hostCommandOutput("pdftoppm -r 203 -gray -singlefile '" + pdf + "' '" +
                      testsupport::hostPath(folder / "job") + "'");
    const QImage printed(QString::fromStdString((folder / "job.pgm").string()));
    const QImage expected = report::renderFirstPage(
        form2.QuickRep1, QGuiApplication::primaryScreen()->logicalDotsPerInch(), 203);
    const testsupport::TicketMatch match =
        testsupport::compareTicket(printed, expected, form2.QuickRep1, 203);
    EXPECT_TRUE(match.same) << match.description;

#ifndef _WIN32
    // Qt for Linux hands CUPS its text as text (Qt for Windows draws it as outlines).
    std::string text;
    for (const auto& word : pages[0].words) {
        text += word.text + " ";
    }
    EXPECT_NE(text.find("岚舟垂钓园"), std::string::npos) << text;
    EXPECT_NE(text.find("37"), std::string::npos) << text;
    EXPECT_NE(text.find("地址：湖畔路8号"), std::string::npos) << text;
    EXPECT_NE(text.find("电话：0571-8888"), std::string::npos) << text;
    const QString today = QDate::currentDate().toString(QStringLiteral(u"yyyy年M月dd日"));
    EXPECT_NE(text.find(today.toStdString()), std::string::npos) << text;
#endif

    // A print asked for while another runs is ignored: this one comes from inside the reprint,
    // when the print lets pending events through.
    const std::set<int> beforeReprint = jobIds();
    bool nestedAsked = false;
    QTimer::singleShot(0, [&] {
        nestedAsked = true;
        printer.print(form2.QuickRep1);
    });
    form1.Image4Click();
    EXPECT_TRUE(nestedAsked);
    EXPECT_EQ(newCompletedJobs(beforeReprint, 1).size(), 1u);
    QTest::qWait(1000);
    EXPECT_EQ(jobsSince(beforeReprint).size(), 1u);
}

} // namespace
