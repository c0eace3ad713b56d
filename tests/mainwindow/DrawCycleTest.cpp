#include "MainWindowFixture.h"

#include "draw/EventFiles.h"

#include <QDateTime>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

namespace {

using testsupport::gbk;
using testsupport::Program;
using testsupport::Workspace;

TEST(DrawCycle, ClicksWhileDrawingChangeNothing) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    program.form1->show();
    QTest::mouseClick(program.controls().start, Qt::LeftButton);
    EXPECT_TRUE(program.controls().flicker->isActive());
    QTest::mouseClick(program.controls().start, Qt::LeftButton);
    QTest::qWait(700);
    QTest::mouseClick(program.controls().start, Qt::LeftButton);
    program.waitForCycleEnd();
    // Enabled again: the next draw starts.
    QTest::mouseClick(program.controls().start, Qt::LeftButton);
    EXPECT_TRUE(program.controls().flicker->isActive());
    program.controls().flicker->stop();
    program.controls().reveal->stop();
    EXPECT_EQ(program.form1->drawQueue().count(), 2);
    EXPECT_EQ(program.printer.printed.size(), 1u);
}

TEST(DrawCycle, TheLastEntryLeavesAnEmptyRemainderAndThenFinished) {
    Workspace workspace;
    workspace.writePool({"only"});
    Program program(workspace);
    program.start();
    program.drawOnce();
    EXPECT_EQ(program.number(), "only");
    EXPECT_EQ(workspace.read("skin/temp.db"), "");
    EXPECT_EQ(program.status(), QStringLiteral(u"已经摇出1个，还剩下0个。"));
    program.form1->Image2Click();
    EXPECT_EQ(program.number(), "完");
    EXPECT_FALSE(program.controls().flicker->isActive());
    EXPECT_TRUE(program.controls().start->isEnabled());
}

TEST(DrawCycle, EachDrawnEntryIsSaidOnceAtItsRevealAndNothingElseIs) {
    Workspace workspace;
    workspace.writeSettings("T", "R1", "R2", "58", "1");
    workspace.writePool({"12#1", "A3#2"});
    Program program(workspace);
    program.start();
    EXPECT_TRUE(program.speech.said.empty()); // nothing at start-up
    program.drawOnce();
    program.form1->Image4Click(); // the reprint is not said again
    program.drawOnce();
    program.form1->Image2Click(); // 完
    EXPECT_EQ(program.number(), "完");
    EXPECT_EQ(program.speech.said, (std::vector<std::string>{gbk("12号"), "A3"}));
    EXPECT_EQ(program.printer.printed.size(), 3u);
}

TEST(DrawCycle, NothingIsSaidWhenTheAnnouncementIsOffOrMissing) {
    const std::optional<std::string> lines[] = {"0", " 1", std::nullopt};
    for (const auto& line : lines) {
        Workspace workspace;
        workspace.writeSettings("T", "R1", "R2", "58", line);
        Program program(workspace);
        program.start();
        program.drawOnce();
        EXPECT_EQ(program.printer.printed.size(), 1u);
        EXPECT_TRUE(program.speech.said.empty()) << line.value_or("no line 5");
    }
}

TEST(DrawCycle, AnEmptyQueueShowsFinishedAtOnce) {
    Workspace workspace;
    workspace.writeText("skin/temp.db", "");
    Program program(workspace);
    program.start(false);
    program.form1->Image2Click();
    EXPECT_EQ(program.number(), "完");
    EXPECT_FALSE(program.controls().flicker->isActive());
    QTest::qWait(600);
    EXPECT_TRUE(program.printer.printed.empty());
    EXPECT_EQ(workspace.read("skin/temp.db"), "");
}

TEST(DrawCycle, ABlankHeadStopsTheEventWithEntriesBehindIt) {
    Workspace workspace;
    workspace.writeText("skin/temp.db", " \t\r\n5\r\n6\r\n");
    Program program(workspace);
    program.start(false);
    program.form1->Image2Click();
    EXPECT_EQ(program.number(), "完");
    EXPECT_EQ(program.status(), QStringLiteral(u"已经摇出0个，还剩下3个。"));
    EXPECT_EQ(workspace.read("skin/temp.db"), " \t\r\n5\r\n6\r\n");
}

TEST(DrawCycle, AfterAResumeTheFirstDrawCountsOne) {
    Workspace workspace;
    workspace.writeText("skin/temp.db", " 8 \r\n9\r\n");
    Program program(workspace);
    program.start(false);
    program.drawOnce();
    EXPECT_EQ(program.status(), QStringLiteral(u"已经摇出1个，还剩下1个。"));
    // Blanks around an entry are kept on the display and the ticket.
    EXPECT_EQ(program.number(), " 8 ");
    ASSERT_EQ(program.printer.printed.size(), 1u);
    EXPECT_EQ(program.printer.printed[0].number, " 8 ");
}

TEST(DrawCycle, AFailedPrintLeavesTheStartPictureDisabledAndTheRestWorking) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    program.form1->show();
    program.printer.fail = true;
    program.drawOnce();
    EXPECT_FALSE(program.controls().start->isEnabled());
    EXPECT_EQ(workspace.read("skin/temp.db").size(), 6u);
    EXPECT_EQ(program.status(), QStringLiteral(u"已经摇出1个，还剩下2个。"));
    // The log line was added before the print failed; the reprint still works.
    EXPECT_EQ(testsupport::logText(*program.form3).count('\n'), 0);
    EXPECT_FALSE(testsupport::logText(*program.form3).isEmpty());
    program.printer.fail = false;
    program.form1->Image4Click();
    EXPECT_EQ(program.printer.printed.size(), 1u);
    // A further click on the disabled start picture is not delivered: no draw.
    QTest::mouseClick(program.controls().start, Qt::LeftButton);
    EXPECT_FALSE(program.controls().flicker->isActive());
    EXPECT_EQ(program.form1->drawQueue().count(), 2);
}

TEST(DrawCycle, AMissingPictureIsSkippedSilently) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    program.form1->show();
    workspace.remove("skin/blue/cs.png");
    workspace.remove("skin/blue/ks.png");
    const std::size_t boxes = program.dialogs.shown.size();
    program.drawOnce();
    EXPECT_EQ(program.dialogs.shown.size(), boxes);
    // With ks.png gone the start picture goes on showing dy.png.
    EXPECT_EQ(testsupport::shownPicture(program.controls().start),
              testsupport::skinPicture(workspace.path("skin/blue/dy.png")));
    EXPECT_TRUE(program.controls().start->isEnabled());
}

TEST(DrawCycle, ARemainderThatCannotBeWrittenLetsTheDrawStand) {
    Workspace workspace;
    std::filesystem::remove_all(workspace.path("skin/temp.db"));
    std::filesystem::create_directories(workspace.path("skin/temp.db/blocked"));
    Program program(workspace);
    program.start();
    program.drawOnce();
    EXPECT_EQ(program.status(), QStringLiteral(u"已经摇出1个，还剩下2个。"));
    EXPECT_EQ(program.printer.printed.size(), 1u);
}

TEST(DrawCycle, ExportWritesTheQueueAtAnyTime) {
    Workspace workspace;
    workspace.writePool({"a#1", "b#2"});
    Program program(workspace);
    program.start();
    const auto exported = workspace.path("lzreport.txt");
    program.form1->Image2Click();
    program.form1->Label2DblClick(); // during the flicker: the head is still there
    EXPECT_EQ(testsupport::readBytes(exported), "a\r\nb\r\n");
    program.waitForCycleEnd();
    program.form1->Label2DblClick();
    EXPECT_EQ(testsupport::readBytes(exported), "b\r\n");
}

} // namespace
