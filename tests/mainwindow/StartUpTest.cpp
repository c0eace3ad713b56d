#include "MainWindowFixture.h"

#include "common/Codepage.h"

#include <gtest/gtest.h>

namespace {

using testsupport::gbk;
using testsupport::Program;
using testsupport::Workspace;

const QString failure = QStringLiteral(u"软件加载失败，即将关闭，请稍后重试。");

TEST(StartUp, YesBuildsANewEventFromThePool) {
    Workspace workspace;
    workspace.writePool({"1", "2", "3", "4#1"});
    Program program(workspace);
    program.start(true);
    ASSERT_FALSE(program.form1->endRequested());
    ASSERT_EQ(program.dialogs.shown.size(), 1u);
    EXPECT_EQ(program.dialogs.shown[0].kind, "question");
    EXPECT_EQ(program.dialogs.shown[0].caption, QStringLiteral(u"提示"));
    EXPECT_EQ(
        program.dialogs.shown[0].text,
        QStringLiteral(u"请选择\"是\"否加载原始数据！点\"是\"加载原始数据（适用于每次全新活动的开"
                       u"始），点\"否\"加载上一次剩下的数据（适用于软件意外关闭、电脑意外断电"
                       u"等）！"));
    EXPECT_EQ(program.form1->drawQueue().count(), 4);
    EXPECT_EQ(program.form1->drawQueue().head(), "4");
    EXPECT_EQ(program.status(), QStringLiteral(u"已经摇出0个，还剩下4个。"));
    EXPECT_EQ(program.controls().title->text(), QStringLiteral(u"岚舟垂钓园"));
    EXPECT_EQ(program.form1->settings().paperWidth(), 510);
    EXPECT_EQ(program.form1->settings().lines().size(), 4u);
    EXPECT_EQ(program.controls().number->text(), QStringLiteral("**"));
    // Nothing is written at start-up.
    EXPECT_EQ(workspace.read("skin/temp.db"), "<missing>");
}

TEST(StartUp, NoResumesTheRemainderAsItStands) {
    Workspace workspace;
    workspace.writeText("skin/temp.db", "7#1\r\n*\r\n9\r\n");
    Program program(workspace);
    program.start(false);
    ASSERT_FALSE(program.form1->endRequested());
    EXPECT_EQ(program.form1->drawQueue().head(), "7#1");
    EXPECT_EQ(program.form1->drawQueue().eventTotal(), 3);
    EXPECT_EQ(program.status(), QStringLiteral(u"已经摇出0个，还剩下3个。"));
}

TEST(StartUp, AnEmptyPoolOrRemainderOpensAnEventOfNothing) {
    Workspace workspace;
    workspace.writePool({});
    workspace.writeText("skin/temp.db", "");
    for (const bool answer : {true, false}) {
        Program program(workspace);
        program.start(answer);
        EXPECT_FALSE(program.form1->endRequested());
        EXPECT_EQ(program.status(), QStringLiteral(u"已经摇出0个，还剩下0个。"));
        EXPECT_EQ(program.form1->drawQueue().eventTotal(), 0);
    }
}

TEST(StartUp, AnEmptyTitleLineIsAnEmptyTitle) {
    Workspace workspace;
    workspace.writeSettings("", "", "", "80");
    Program program(workspace);
    program.start();
    EXPECT_FALSE(program.form1->endRequested());
    EXPECT_EQ(program.controls().title->text(), QString());
    EXPECT_EQ(program.form1->settings().paperWidth(), 730);
}

struct Broken {
    std::string name;
    std::function<void(Workspace&)> damage;
    bool answer;
    bool asked; // whether the question came before the failure
};

void PrintTo(const Broken& broken, std::ostream* out) {
    *out << broken.name;
}

class StartUpFailures : public testing::TestWithParam<Broken> {};

TEST_P(StartUpFailures, ShowTheFailureBoxAndEndTheProgram) {
    Workspace workspace;
    GetParam().damage(workspace);
    Program program(workspace);
    program.start(GetParam().answer);
    EXPECT_TRUE(program.form1->endRequested());
    const auto& shown = program.dialogs.shown;
    ASSERT_EQ(shown.size(), GetParam().asked ? 2u : 1u);
    EXPECT_EQ(shown.back().kind, "notice");
    EXPECT_EQ(shown.back().caption, QStringLiteral(u"提示"));
    EXPECT_EQ(shown.back().text, failure);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, StartUpFailures,
    testing::Values(
        Broken{"MissingBackground", [](Workspace& w) { w.remove("skin/blue/BG.jpg"); }, true,
               false},
        Broken{"BackgroundNotAJpeg", [](Workspace& w) { w.writeText("skin/blue/BG.jpg", "PNG?"); },
               true, false},
        Broken{"MissingSettings", [](Workspace& w) { w.remove("mydb/cs.cd"); }, true, false},
        Broken{"SettingsNotHex",
               [](Workspace& w) { w.writeText("mydb/cs.cd", w.read("mydb/cs.cd") + "\r\n"); }, true,
               false},
        Broken{"ThreeSettingsLines", [](Workspace& w) { w.writeSettings("T", "A", "B\r", ""); },
               true, false},
        Broken{"LineFourNotAnInteger", [](Workspace& w) { w.writeSettings("T", "A", "B", "58mm"); },
               true, false},
        Broken{"MissingPoolAfterYes", [](Workspace& w) { w.remove("mydb/db.cd"); }, true, true},
        Broken{"MalformedPin",
               [](Workspace& w) {
                   w.writePool({"1", "2#x"});
               },
               true, true},
        Broken{"MissingRemainderAfterNo", [](Workspace&) {}, false, true}),
    [](const testing::TestParamInfo<Broken>& info) { return info.param.name; });

TEST(ProgramEnd, ClosingOpensTheWebPageOnceButNotAfterAFailedStartUp) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    program.form1->show();
    program.form1->close();
    EXPECT_EQ(program.shell.webPages, 1);

    workspace.remove("mydb/cs.cd");
    Program failed(workspace);
    failed.start();
    failed.form1->show();
    failed.form1->close();
    EXPECT_EQ(failed.shell.webPages, 0);
    // The failed start-up still shows the window once, shortcut included.
    EXPECT_EQ(failed.shell.shortcuts, 1);
}

} // namespace
