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
    form.show();
    form.resize(1200, 1000);
    QCoreApplication::processEvents();
    const QSize outer = form.frameGeometry().size();
    const int W = outer.width();
    const int H = outer.height();
    EXPECT_EQ(form.Label1->pos(), QPoint((W - 633) / 2, H * 83 / 573 - 31));
    EXPECT_EQ(form.Label2->pos(), QPoint((W - 425) / 2, (H - 145) / 2));
    EXPECT_EQ(form.Label3->pos(), QPoint((W - 617) / 2, H - 138));
    EXPECT_EQ(form.Image2->pos(), QPoint(W - 156, H - 98));
    EXPECT_EQ(form.Image4->pos(), QPoint(W - 98, H - 98));
    EXPECT_EQ(form.Image1->geometry(), form.rect());
    EXPECT_EQ(form.Label1->size(), QSize(633, 62));
    EXPECT_EQ(form.Label2->size(), QSize(425, 145));
    EXPECT_EQ(form.Label3->size(), QSize(617, 20));
    EXPECT_EQ(form.Image2->size(), QSize(48, 48));
}

TEST(WindowLayout, ATooSmallWindowSpringsBackTo500By500) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    TForm1& form = *program.form1;
    form.show();
    form.resize(400, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.frameGeometry().size(), QSize(500, 500));
    EXPECT_EQ(form.Label1->x(), -66);
    EXPECT_EQ(form.Label2->x(), 37);
}

TEST(WindowLayout, TheMainWindowAsDesigned) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    TForm1& form = *program.form1;
    EXPECT_EQ(form.windowTitle(), QStringLiteral(u"岚舟签号通V2.0"));
    EXPECT_EQ(form.size(), QSize(938, 718));
    EXPECT_EQ(form.Label1->font().pixelSize(), 53);
    EXPECT_TRUE(form.Label1->font().bold());
    EXPECT_EQ(form.Label1->font().family(), QStringLiteral(u"黑体"));
    EXPECT_EQ(form.Label2->font().pixelSize(), 120);
    EXPECT_EQ(form.Label2->font().family(), QStringLiteral(u"宋体"));
    EXPECT_EQ(form.Label3->font().pixelSize(), 16);
    EXPECT_EQ(form.Image2->toolTip(), QStringLiteral(u"自动抽号打印一键完成。"));
    EXPECT_EQ(form.Image4->toolTip(), QStringLiteral(u"再次打印。"));
    EXPECT_EQ(form.Image2->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form.Label3->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form.Label2->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(form.Timer1.interval(), 40);
    EXPECT_EQ(form.Timer2.interval(), 500);
    EXPECT_EQ(form.Timer3.interval(), 1000);
    EXPECT_FALSE(form.Timer1.isActive() || form.Timer2.isActive() || form.Timer3.isActive());
}

TEST(ShowStep, LoadsBothPicturesAndMakesTheShortcut) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    program.form1->show();
    EXPECT_EQ(program.form1->Image2->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
              testsupport::skinPicture(workspace.path("skin/blue/ks.png")));
    EXPECT_EQ(program.form1->Image4->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
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
    EXPECT_TRUE(program.form1->Image2->pixmap().isNull());
    EXPECT_TRUE(program.form1->Image4->pixmap().isNull());
    EXPECT_EQ(program.shell.shortcuts, 0);
    // The empty start picture still takes clicks and draws.
    program.drawOnce();
    EXPECT_EQ(program.form1->Memo1.count(), 2);
}

} // namespace
