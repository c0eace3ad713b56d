#include "MainWindowFixture.h"

#include "mainwindow/ProgramWindows.h"
#include "tests/support/Poppler.h"

#include <QDateTime>
#include <QPrinterInfo>
#include <QTimer>
#include <gtest/gtest.h>

#include <set>

namespace {

using testsupport::commandOutput;
using testsupport::Program;
using testsupport::Workspace;

// Jobs of the queue as "TicketPDF-<n>", newest last.
std::set<int> jobIds() {
    std::set<int> ids;
    const std::string listing = commandOutput("lpstat -W all -o TicketPDF 2>/dev/null");
    for (std::size_t at = listing.find("TicketPDF-"); at != std::string::npos;
         at = listing.find("TicketPDF-", at + 1)) {
        ids.insert(std::stoi(listing.substr(at + 10)));
    }
    return ids;
}

bool completed(int job) {
    return commandOutput("lpstat -W completed -o TicketPDF 2>/dev/null")
               .find("TicketPDF-" + std::to_string(job) + " ") != std::string::npos;
}

// Waits until exactly `expected` jobs beyond `before` exist and all are completed; their ids.
std::vector<int> newCompletedJobs(const std::set<int>& before, std::size_t expected) {
    const qint64 deadline = QDateTime::currentMSecsSinceEpoch() + 30000;
    std::vector<int> added;
    while (QDateTime::currentMSecsSinceEpoch() < deadline) {
        added.clear();
        for (const int id : jobIds()) {
            if (!before.count(id)) {
                added.push_back(id);
            }
        }
        bool done = added.size() == expected;
        for (const int id : added) {
            done = done && completed(id);
        }
        if (done) {
            return added;
        }
        Program::wait(200);
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
        ASSERT_EQ(printer.printerName(), QStringLiteral("TicketPDF"));
    }
};

TEST_F(CupsPrinting, ADrawPrintsItsTicketAndAPrintAskedForMeanwhileIsIgnored) {
    Workspace workspace;
    workspace.writePool({"37"});
    const std::set<int> before = jobIds();

    testsupport::FakeDialogs dialogs;
    testsupport::FakeShell shell;
    testsupport::CounterSeedSource seeds;
    TForm1 form1({dialogs, seeds, shell});
    ProgramWindows others(form1, dialogs);
    ticket::SystemPrintService& printer = others.printer;
    TForm2& form2 = others.form2;
    form1.show();

    form1.Image2Click();
    Program::wait(1700);
    ASSERT_TRUE(form1.Image2->isEnabled()) << "the print step did not finish";

    const std::vector<int> jobs = newCompletedJobs(before, 1);
    ASSERT_EQ(jobs.size(), 1u) << "jobs of this draw, all completed";
    const int job = jobs[0];

    // The document as the program handed it to CUPS.
    char spool[64];
    std::snprintf(spool, sizeof spool, "/var/spool/cups/d%05d-001", job);
    const auto pages = testsupport::readPdf(spool);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NEAR(pages[0].width, 51.0 / 25.4 * 72, 0.5);
    EXPECT_NEAR(pages[0].height, 65.9 / 25.4 * 72, 0.5);
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
    Program::wait(1000);
    EXPECT_EQ(jobIds().size(), beforeReprint.size() + 1);
}

} // namespace
