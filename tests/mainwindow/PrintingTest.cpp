#include "MainWindowFixture.h"

#include "common/Codepage.h"
#include "ticket/DateTimeText.h"
#include "ticket/SystemPrintService.h"
#include "ticket/TicketLayout.h"

#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using testsupport::gbk;
using testsupport::named;
using testsupport::Program;
using testsupport::Workspace;

QStringList logLines(const Program& program) {
    return testsupport::logText(*program.form3).split('\n', Qt::SkipEmptyParts);
}

TEST(DateTimeText, HasTheMonthWithoutAndTheRestWithLeadingZeros) {
    EXPECT_EQ(common::gbkToUtf8(ticket::dateTimeText(testsupport::FixedClock().now())),
              "2024年3月05日14:07:09");
    std::tm late{};
    late.tm_year = 2026 - 1900;
    late.tm_mon = 11;
    late.tm_mday = 31;
    late.tm_hour = 23;
    late.tm_min = 59;
    late.tm_sec = 58;
    EXPECT_EQ(common::gbkToUtf8(ticket::dateTimeText(late)), "2026年12月31日23:59:58");
}

TEST(TicketPrinting, ADrawPrintsTitleNumberDateAndBothRemarks) {
    Workspace workspace;
    workspace.writePool({"12"});
    Program program(workspace);
    program.start();
    program.drawOnce();
    ASSERT_EQ(program.printer.printed.size(), 1u);
    const auto& ticket = program.printer.printed[0];
    EXPECT_EQ(ticket.title, gbk("岚舟垂钓园"));
    EXPECT_EQ(ticket.number, "12");
    EXPECT_EQ(ticket.date, gbk("2024年3月05日14:07:09"));
    EXPECT_EQ(ticket.remarks, gbk("地址：湖畔路8号") + "\r\n" + gbk("电话：0571-8888"));
    EXPECT_EQ(ticket.pageWidth, 510);
    EXPECT_EQ(logLines(program), QStringList{QStringLiteral(u"12----2024年3月05日14:07:09")});
}

TEST(TicketPrinting, AReprintPrintsTheDisplayWithTheFirstRemarkOnly) {
    Workspace workspace;
    workspace.writePool({"12"});
    Program program(workspace);
    program.start();
    program.drawOnce();
    program.form1->Image4Click();
    ASSERT_EQ(program.printer.printed.size(), 2u);
    EXPECT_EQ(program.printer.printed[1].number, "12");
    EXPECT_EQ(program.printer.printed[1].remarks, gbk("地址：湖畔路8号"));
    const auto& prompt = program.dialogs.shown.back();
    EXPECT_EQ(prompt.kind, "question");
    EXPECT_EQ(prompt.caption, QStringLiteral(u"提示"));
    EXPECT_EQ(prompt.text,
              QStringLiteral(u"程序即将再次打印抽取结果！点\"是\"再次打印，点\"否\"返回程序！"));
    EXPECT_EQ(logLines(program).back(), QStringLiteral(u"再次打印12----2024年3月05日14:07:09"));
}

TEST(TicketPrinting, AReprintBeforeAnyDrawPrintsTheDisplaysFirstText) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    program.form1->Image4Click();
    ASSERT_EQ(program.printer.printed.size(), 1u);
    EXPECT_EQ(program.printer.printed[0].number, "**");
}

TEST(TicketPrinting, NoOrYesDuringTheFlickerPrintsAndLogsNothing) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    program.dialogs.answer = false;
    program.form1->Image4Click();
    program.dialogs.answer = true;
    program.form1->Image2Click();
    program.form1->Image4Click(); // answered Yes while Timer1 runs
    EXPECT_TRUE(program.printer.printed.empty());
    EXPECT_TRUE(logLines(program).isEmpty());
    program.waitForCycleEnd();
    EXPECT_EQ(program.printer.printed.size(), 1u);
}

TEST(TicketPrinting, AReprintConfirmedBetweenRevealAndPrintPrintsTheNewEntryFirst) {
    Workspace workspace;
    workspace.writePool({"a#1", "b#2"});
    Program program(workspace);
    program.start();
    program.form1->Image2Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !program.controls().reveal->isActive(); }));
    program.form1->Image4Click(); // revealed, not yet printed
    program.waitForCycleEnd();
    ASSERT_EQ(program.printer.printed.size(), 2u);
    EXPECT_EQ(program.printer.printed[0].number, "a");
    EXPECT_EQ(program.printer.printed[1].number, "a");
    EXPECT_EQ(logLines(program).size(), 2);
    EXPECT_TRUE(logLines(program)[0].startsWith(QStringLiteral(u"再次打印a")));
}

TEST(TicketPrinting, AfterFinishedAReprintPrintsFinished) {
    Workspace workspace;
    workspace.writeText("skin/temp.db", "");
    Program program(workspace);
    program.start(false);
    program.form1->Image2Click();
    program.form1->Image4Click();
    ASSERT_EQ(program.printer.printed.size(), 1u);
    EXPECT_EQ(program.printer.printed[0].number, gbk("完"));
}

TEST(DrawnLogWindow, AsDesigned) {
    TForm3 log;
    EXPECT_EQ(log.windowTitle(), QStringLiteral(u"已经抽出的数据"));
    EXPECT_EQ(log.size(), QSize(424, 252));
    EXPECT_TRUE(log.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(log.isVisible());
    EXPECT_EQ(named<QPlainTextEdit>(log, "Memo1")->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_FALSE(named<QPlainTextEdit>(log, "Memo1")->isReadOnly());
    log.appendLine(gbk("再次打印7----x"));
    log.appendLine("8----y");
    EXPECT_EQ(testsupport::logText(log), QStringLiteral(u"再次打印7----x\n8----y"));
}

TEST(SystemPrinting, FailsBeforePrintingWithoutPrintersAtStartOrWithoutADefaultNow) {
    const report::Report ticket = ticket::makeTicket({}, 510, 96);
    ticket::SystemPrintService none(QStringList{}, [] { return QPrinterInfo(); });
    EXPECT_THROW(none.print(ticket), std::exception);
    ticket::SystemPrintService removed(QStringList{QStringLiteral("Gone")},
                                       [] { return QPrinterInfo(); });
    EXPECT_THROW(removed.print(ticket), std::exception);
}

} // namespace
