#include "MainWindowFixture.h"

#include <QDateTime>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

namespace {

using testsupport::Program;
using testsupport::Workspace;

// With the real timers; run alone, so that a loaded machine does not stretch the half second. The
// drawn entry is said aloud, which must not shift any of it.
TEST(DrawCycle, RevealsAt500MillisecondsAndPrintsAtAbout1500) {
    Workspace workspace;
    workspace.writeSettings("T", "R1", "R2", "58", "1");
    workspace.writePool({"a#1", "b#2", "c#3"});
    Program program(workspace);
    program.start();
    program.form1->show();
    TForm1& form = *program.form1;
    const testsupport::MainControls ui(form);

    const qint64 clicked = QDateTime::currentMSecsSinceEpoch();
    program.printer.startedAt = clicked;
    form.Image2Click();
    EXPECT_FALSE(ui.start->isEnabled());
    EXPECT_TRUE(ui.flicker->isActive() && ui.reveal->isActive());
    EXPECT_EQ(program.number(), "**"); // unchanged until the first flicker tick

    // Flicker: only entries of the queue, the one about to be drawn included.
    std::set<std::string> flickered;
    while (ui.flicker->isActive()) {
        QTest::qWait(5);
        if (ui.flicker->isActive()) {
            flickered.insert(program.number());
        }
    }
    const qint64 revealed = QDateTime::currentMSecsSinceEpoch() - clicked;
    EXPECT_GE(revealed, 480);
    EXPECT_LE(revealed, 650);
    flickered.erase("**");
    for (const auto& entry : flickered) {
        EXPECT_TRUE(entry == "a" || entry == "b" || entry == "c") << entry;
    }
    EXPECT_FALSE(flickered.empty());

    // Revealed: the head on the display and said, the remainder written, the drawn picture up.
    EXPECT_EQ(program.number(), "a");
    EXPECT_EQ(program.speech.said, std::vector<std::string>{"a"});
    EXPECT_EQ(workspace.read("skin/temp.db"), "b\r\nc\r\n");
    EXPECT_EQ(program.status(), QStringLiteral(u"已经摇出1个，还剩下2个。"));
    EXPECT_EQ(testsupport::shownPicture(ui.start),
              testsupport::skinPicture(workspace.path("skin/blue/cs.png")));
    EXPECT_TRUE(ui.print->isActive());
    EXPECT_FALSE(ui.reveal->isActive());
    EXPECT_FALSE(ui.start->isEnabled());

    QTest::qWait(1200);
    ASSERT_EQ(program.printer.printed.size(), 1u);
    EXPECT_GE(program.printer.printed[0].atMilliseconds, 1480);
    EXPECT_LE(program.printer.printed[0].atMilliseconds, 1700);
    EXPECT_TRUE(ui.start->isEnabled());
    EXPECT_EQ(testsupport::shownPicture(ui.start),
              testsupport::skinPicture(workspace.path("skin/blue/ks.png")));
    EXPECT_FALSE(ui.print->isActive());
}

} // namespace
