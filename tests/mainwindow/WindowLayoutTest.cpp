#include "MainWindowFixture.h"

#include "common/FileIo.h"
#include "tests/support/SystemTexts.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

using testsupport::Program;
using testsupport::Workspace;

TEST(WindowLayout, TheControlsFollowTheRuleOnTheRealWidgets) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    TForm1& form = *program.form1;
    const testsupport::MainControls ui(form);
    form.show();
    form.resize(1200, 1000);
    QCoreApplication::processEvents();
    const QSize outer = form.frameGeometry().size();
    const int W = outer.width();
    const int H = outer.height();
    EXPECT_EQ(ui.title->pos(), QPoint((W - 633) / 2, H * 83 / 573 - 31));
    EXPECT_EQ(ui.number->pos(), QPoint((W - 425) / 2, (H - 145) / 2));
    EXPECT_EQ(ui.status->pos(), QPoint((W - 617) / 2, H - 138));
    EXPECT_EQ(ui.start->pos(), QPoint(W - 156, H - 98));
    EXPECT_EQ(ui.reprint->pos(), QPoint(W - 98, H - 98));
    EXPECT_EQ(ui.background->geometry(), form.rect());
    EXPECT_EQ(ui.title->size(), QSize(633, 62));
    EXPECT_EQ(ui.number->size(), QSize(425, 145));
    EXPECT_EQ(ui.status->size(), QSize(617, 20));
    EXPECT_EQ(ui.start->size(), QSize(48, 48));
}

TEST(WindowLayout, ATooSmallWindowSpringsBackTo500By500) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    TForm1& form = *program.form1;
    const testsupport::MainControls ui(form);
    form.show();
    form.resize(400, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.frameGeometry().size(), QSize(500, 500));
    EXPECT_EQ(ui.title->x(), -66);
    EXPECT_EQ(ui.number->x(), 37);
}

TEST(WindowLayout, TheMainWindowAsDesigned) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    TForm1& form = *program.form1;
    const testsupport::MainControls ui(form);
    EXPECT_EQ(form.windowTitle(), QStringLiteral(u"岚舟签号通V2.0"));
    EXPECT_EQ(form.size(), QSize(938, 718));
    EXPECT_EQ(ui.title->font().pixelSize(), 53);
    EXPECT_TRUE(ui.title->font().bold());
    EXPECT_EQ(ui.title->font().family(), QStringLiteral(u"黑体"));
    EXPECT_EQ(ui.number->font().pixelSize(), 120);
    EXPECT_EQ(ui.number->font().family(), QStringLiteral(u"宋体"));
    EXPECT_EQ(ui.status->font().pixelSize(), 16);
    EXPECT_EQ(ui.start->toolTip(), QStringLiteral(u"自动抽号打印一键完成。"));
    EXPECT_EQ(ui.reprint->toolTip(), QStringLiteral(u"再次打印。"));
    EXPECT_EQ(ui.start->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(ui.status->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(ui.number->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(ui.flicker->interval(), 40);
    EXPECT_EQ(ui.reveal->interval(), 500);
    EXPECT_EQ(ui.print->interval(), 1000);
    EXPECT_FALSE(ui.drawRunning());
}

TEST(ShowStep, LoadsBothPicturesAndMakesTheShortcut) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    program.form1->show();
    EXPECT_EQ(testsupport::shownPicture(program.controls().start),
              testsupport::skinPicture(workspace.path("skin/blue/ks.png")));
    EXPECT_EQ(testsupport::shownPicture(program.controls().reprint),
              testsupport::skinPicture(workspace.path("skin/blue/dy.png")));
    EXPECT_EQ(program.shell.shortcuts, 1);
    EXPECT_TRUE(program.dialogs.shown.size() == 1);
}

TEST(ShowStep, AMissingStartPictureShowsTheDefaultErrorBoxAndTheWindowGoesOn) {
    Workspace workspace;
    workspace.remove("skin/blue/ks.png");
    Program program(workspace);
    program.start();
    program.form1->show();
    const auto& error = program.dialogs.shown.back();
    EXPECT_EQ(error.kind, "error");
    EXPECT_EQ(error.caption, QStringLiteral(u"岚舟软件"));
    // The system's reason, in its own words, ends in a letter or a Chinese full stop: "." follows.
    EXPECT_EQ(error.text,
              failureText("Cannot open file \"" +
                          common::fullPathText(workspace.path("skin") / "blue" / "ks.png") +
                          "\". " + testsupport::missingFileReason() + "."));
    EXPECT_TRUE(program.controls().start->pixmap().isNull());
    EXPECT_TRUE(program.controls().reprint->pixmap().isNull());
    EXPECT_EQ(program.shell.shortcuts, 0);
    // The empty start picture still takes clicks and draws.
    program.drawOnce();
    EXPECT_EQ(program.form1->drawQueue().count(), 2);
}

} // namespace
