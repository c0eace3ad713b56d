#include "MainWindowFixture.h"

#include "common/Codepage.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using testsupport::click;
using testsupport::gbk;
using testsupport::named;
using testsupport::Program;
using testsupport::Workspace;

// Opens the settings window with the password and runs `inside` while it is open; the window is
// cancelled afterwards unless `inside` closed it.
void openSettings(Program& program, const std::function<void(TForm4&)>& inside) {
    program.dialogs.password = QStringLiteral("580317");
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        inside(*program.form4);
        if (program.form4->isVisible()) {
            click(*program.form4, "Button2");
        }
    });
    program.form1->Label1DblClick();
    EXPECT_TRUE(ran) << "the settings window did not open";
}

QStringList messages(const Program& program) {
    QStringList texts;
    for (const auto& shown : program.dialogs.shown) {
        if (shown.kind == "message") {
            texts << shown.text;
        }
    }
    return texts;
}

TEST(AccessPrompt, TheRightPasswordOpensTheWindowWithTheSettingsLines) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    openSettings(program, [](TForm4& form) {
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(form.isModal());
        EXPECT_EQ(named<QLineEdit>(form, "Edit1")->text(), QStringLiteral(u"岚舟垂钓园"));
        EXPECT_EQ(named<QLineEdit>(form, "Edit2")->text(), QStringLiteral(u"地址：湖畔路8号"));
        EXPECT_EQ(named<QLineEdit>(form, "Edit3")->text(), QStringLiteral(u"电话：0571-8888"));
        EXPECT_EQ(named<QLineEdit>(form, "Edit4")->text(), QStringLiteral("58"));
        EXPECT_EQ(named<QTabWidget>(form, "PageControl1")->currentWidget(),
                  named<QWidget>(form, "TabSheet2"));
        EXPECT_EQ(named<QPlainTextEdit>(form, "Memo3")->toPlainText(), QStringLiteral("1\n2\n3"));
    });
}

TEST(AccessPrompt, AnyOtherAnswerOpensNothing) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    for (const QString& answer : {QStringLiteral(" 580317"), QStringLiteral("580317 "),
                                  QStringLiteral("580318"), QString()}) {
        program.dialogs.password = answer;
        bool opened = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (program.form4->isVisible()) {
                opened = true;
                click(*program.form4, "Button2");
            }
        });
        watch.start(0);
        program.form1->Label1DblClick();
        QTest::qWait(20);
        EXPECT_FALSE(opened) << answer.toStdString();
    }
    EXPECT_TRUE(messages(program).isEmpty());
}

// The real prompt, masked through the message the main window posts to itself.
TEST(AccessPrompt, ThePromptShowsStarsFromTheFirstKey) {
    Workspace workspace;
    QtDialogs dialogs;
    testsupport::FakeShell shell;
    testsupport::FakeSpeech speech;
    testsupport::CounterSeedSource seeds;
    testsupport::FakeDialogs startDialogs;
    TForm1 form1({startDialogs, seeds, shell, speech});
    bool checked = false;
    QTimer::singleShot(50, [&] {
        auto* prompt = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(prompt, nullptr);
        EXPECT_EQ(prompt->windowTitle(), QStringLiteral(u"提示"));
        EXPECT_EQ(prompt->labelText(), QStringLiteral(u"请输入密码：              "));
        auto* edit = prompt->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->maxLength(), 255);
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
        for (const QChar c : QStringLiteral("123")) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(edit, &key);
        }
        EXPECT_EQ(edit->text(), QStringLiteral("123"));
        EXPECT_EQ(edit->displayText(), QStringLiteral("***"));
        checked = true;
        prompt->reject();
    });
    // Only the posted message masks: the prompt itself asks for a plain edit box.
    QCoreApplication::postEvent(&form1, new QEvent(static_cast<QEvent::Type>(0x400 + 200)));
    EXPECT_EQ(dialogs.askPassword(&form1), QString());
    EXPECT_TRUE(checked);
}

struct Generation {
    std::string name;
    QString start;
    QString end;
    QString editor;
    std::string poolFile;
    QString message;
};

void PrintTo(const Generation& g, std::ostream* out) {
    *out << g.name;
}

class Generator : public testing::TestWithParam<Generation> {};

TEST_P(Generator, FillsTheEditorWritesThePoolAndSaysHowMany) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    const Generation& g = GetParam();
    openSettings(program, [&](TForm4& form) {
        named<QComboBox>(form, "ComboBox1")->setEditText(g.start);
        named<QComboBox>(form, "ComboBox2")->setEditText(g.end);
        click(form, "Button3");
        EXPECT_EQ(named<QPlainTextEdit>(form, "Memo3")->toPlainText(), g.editor);
    });
    EXPECT_EQ(workspace.read("mydb/db.cd"), g.poolFile);
    EXPECT_EQ(messages(program), QStringList{g.message});
}

const QString made = QStringLiteral(u"条数据制作完毕,请自行保存！!");
const QString failed = QStringLiteral(u"生成出错，请查验！");

INSTANTIATE_TEST_SUITE_P(
    Bounds, Generator,
    testing::Values(
        Generation{"OneToFive", "1", "5", "1\n2\n3\n4\n5", "1\r\n2\r\n3\r\n4\r\n5\r\n", "5" + made},
        Generation{"EndBelowStart", "9", "3", "", "", "0" + made},
        Generation{"LettersInStart", "abc", "5", "", "1\r\n2\r\n3\r\n", failed},
        Generation{"NotInCodePage", QStringLiteral(u"\u0e01"), "5", "", "1\r\n2\r\n3\r\n", failed},
        Generation{"TooMany", "1", "100001", "", "1\r\n2\r\n3\r\n", failed}),
    [](const testing::TestParamInfo<Generation>& info) { return info.param.name; });

TEST(Generator, OneToFiftyAndTheHundredThousandBound) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    openSettings(program, [&](TForm4& form) {
        click(form, "Button3"); // the boxes as they start: 1 and 50
        EXPECT_EQ(named<QPlainTextEdit>(form, "Memo3")->document()->blockCount(), 50);
        named<QComboBox>(form, "ComboBox2")->setEditText(QStringLiteral("100000"));
        click(form, "Button3");
        EXPECT_EQ(named<QPlainTextEdit>(form, "Memo3")->document()->blockCount(), 100000);
    });
    EXPECT_EQ(messages(program),
              (QStringList{QStringLiteral("50") + made, QStringLiteral("100000") + made}));
    EXPECT_EQ(workspace.read("mydb/db.cd").size(), 688895u);
}

TEST(SettingsWindow, PaperWidthTakesDigitsAndBackspaceOnly) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    openSettings(program, [&](TForm4& form) {
        named<QLineEdit>(form, "Edit4")->clear();
        for (const QString& typed :
             {QStringLiteral("5"), QStringLiteral("a"), QStringLiteral("-"), QStringLiteral("\x16"),
              QStringLiteral("8"), QStringLiteral("\b")}) {
            QKeyEvent key(QEvent::KeyPress, typed == "\b" ? Qt::Key_Backspace : Qt::Key_unknown,
                          Qt::NoModifier, typed);
            QCoreApplication::sendEvent(named<QLineEdit>(form, "Edit4"), &key);
        }
        EXPECT_EQ(named<QLineEdit>(form, "Edit4")->text(), QStringLiteral("5"));
    });
    const QString onlyDigits = QStringLiteral(u"对不起，只能输入数字,不带符号！");
    EXPECT_EQ(messages(program), (QStringList{onlyDigits, onlyDigits, onlyDigits}));
}

TEST(SettingsWindow, CancelLosesTheEditsAndTheNextOpeningShowsTheLinesAgain) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    openSettings(program, [](TForm4& form) {
        named<QLineEdit>(form, "Edit1")->setText(QStringLiteral("changed"));
        named<QTabWidget>(form, "PageControl1")
            ->setCurrentWidget(named<QWidget>(form, "TabSheet1"));
        click(form, "Button2");
    });
    openSettings(program, [](TForm4& form) {
        EXPECT_EQ(named<QLineEdit>(form, "Edit1")->text(), QStringLiteral(u"岚舟垂钓园"));
        EXPECT_EQ(named<QTabWidget>(form, "PageControl1")->currentWidget(),
                  named<QWidget>(form, "TabSheet1"));
    });
    EXPECT_EQ(program.controls().title->text(), QStringLiteral(u"岚舟垂钓园"));
}

TEST(SettingsWindow, ClearAndPasteWorkOnTheEditorOnly) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    QApplication::clipboard()->setText(QStringLiteral("8\n9"));
    openSettings(program, [](TForm4& form) {
        auto* editor = named<QPlainTextEdit>(form, "Memo3");
        click(form, "Button4");
        EXPECT_EQ(editor->toPlainText(), QString());
        editor->setPlainText(QStringLiteral("1\nX\n3"));
        QTextCursor cursor = editor->textCursor();
        cursor.setPosition(2);
        cursor.setPosition(3, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
        click(form, "Button5");
        EXPECT_EQ(editor->toPlainText(), QStringLiteral("1\n8\n9\n3"));
    });
    EXPECT_EQ(workspace.read("mydb/db.cd"), "1\r\n2\r\n3\r\n");
}

TEST(SettingsWindow, AnUnreadablePoolFileKeepsTheEditorsText) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    openSettings(program, [&](TForm4& form) {
        named<QPlainTextEdit>(form, "Memo3")->setPlainText(QStringLiteral("kept"));
    });
    workspace.remove("mydb/db.cd");
    openSettings(program, [](TForm4& form) {
        EXPECT_EQ(named<QPlainTextEdit>(form, "Memo3")->toPlainText(), QStringLiteral("kept"));
    });
}

TEST(SettingsWindowSave, WritesBothFilesAndTakesEffectAtOnce) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    openSettings(program, [](TForm4& form) {
        named<QLineEdit>(form, "Edit1")->setText(QStringLiteral(u"新钓场"));
        named<QLineEdit>(form, "Edit2")->setText(QStringLiteral(u"河东路1号"));
        named<QLineEdit>(form, "Edit3")->setText(QString());
        named<QLineEdit>(form, "Edit4")->setText(QStringLiteral("80"));
        named<QCheckBox>(form, "CheckBox1")->setChecked(true);
        named<QPlainTextEdit>(form, "Memo3")->setPlainText(QStringLiteral(u"甲\n乙#1\n"));
        click(form, "Button1");
        EXPECT_FALSE(form.isVisible());
    });
    const auto read = settings::ReadSettings(workspace.path("mydb/cs.cd"));
    EXPECT_EQ(read.line(1), gbk("新钓场"));
    EXPECT_EQ(read.line(2), gbk("河东路1号"));
    EXPECT_EQ(read.line(3), "");
    EXPECT_EQ(read.paperWidth(), 730);
    EXPECT_EQ(read.lines().size(), 5u);
    EXPECT_TRUE(read.announces());
    EXPECT_EQ(workspace.read("mydb/db.cd"), gbk("甲") + "\r\n" + gbk("乙#1") + "\r\n");
    EXPECT_EQ(messages(program), QStringList{QStringLiteral(u"保存成功！")});
    EXPECT_EQ(program.controls().title->text(), QStringLiteral(u"新钓场"));
    EXPECT_EQ(program.form1->settings().paperWidth(), 730);
    program.drawOnce();
    ASSERT_EQ(program.printer.printed.size(), 1u);
    EXPECT_EQ(program.printer.printed[0].title, gbk("新钓场"));
    EXPECT_EQ(program.printer.printed[0].remarks, gbk("河东路1号") + "\r\n");
    EXPECT_EQ(program.printer.printed[0].pageWidth, 730);
    // The saved pool waits for the next event; the announcement is on at once.
    EXPECT_EQ(program.speech.said,
              std::vector<std::string>{program.printer.printed[0].number + gbk("号")});
}

TEST(SettingsWindow, TheAnnouncementBoxShowsLineFiveAndListenSaysTwelve) {
    Workspace workspace;
    workspace.writeSettings("T", "R1", "R2", "58", "1");
    Program program(workspace);
    program.start();
    openSettings(program, [&](TForm4& form) {
        EXPECT_TRUE(named<QCheckBox>(form, "CheckBox1")->isChecked());
        click(form, "Button6");
        EXPECT_EQ(program.speech.said, std::vector<std::string>{gbk("12号")});
        program.speech.chineseVoice = false;
        click(form, "Button6");
        named<QCheckBox>(form, "CheckBox1")->setChecked(false);
        click(form, "Button1");
    });
    EXPECT_EQ(program.speech.said.size(), 1u);
    EXPECT_EQ(messages(program),
              (QStringList{QStringLiteral(u"没有找到中文语音，请在系统中安装中文语音。"),
                           QStringLiteral(u"保存成功！")}));
    EXPECT_EQ(settings::ReadSettings(workspace.path("mydb/cs.cd")).line(5), "0");
    program.drawOnce();
    EXPECT_EQ(program.speech.said.size(), 1u);

    // A four-line file of an older installation: the box is clear.
    Workspace older;
    Program before(older);
    before.start();
    openSettings(before, [](TForm4& form) {
        EXPECT_FALSE(named<QCheckBox>(form, "CheckBox1")->isChecked());
    });
}

struct Refusal {
    std::string name;
    QString title;
    QString paperWidth;
    QString pool;
};

void PrintTo(const Refusal& r, std::ostream* out) {
    *out << r.name;
}

class SaveRefusals : public testing::TestWithParam<Refusal> {};

TEST_P(SaveRefusals, SayWhyAndWriteNothing) {
    Workspace workspace;
    Program program(workspace);
    program.start();
    const std::string settingsBefore = workspace.read("mydb/cs.cd");
    const Refusal& r = GetParam();
    openSettings(program, [&](TForm4& form) {
        named<QLineEdit>(form, "Edit1")->setText(r.title);
        named<QLineEdit>(form, "Edit4")->setText(r.paperWidth);
        named<QPlainTextEdit>(form, "Memo3")->setPlainText(r.pool);
        click(form, "Button1");
        EXPECT_TRUE(form.isVisible());
    });
    EXPECT_EQ(workspace.read("mydb/cs.cd"), settingsBefore);
    EXPECT_EQ(workspace.read("mydb/db.cd"), "1\r\n2\r\n3\r\n");
    ASSERT_EQ(messages(program).size(), 1);
    EXPECT_TRUE(messages(program)[0].startsWith(QStringLiteral(u"保存失败："))) << r.name;
    EXPECT_EQ(program.controls().title->text(), QStringLiteral(u"岚舟垂钓园"));
}

INSTANTIATE_TEST_SUITE_P(
    Causes, SaveRefusals,
    testing::Values(Refusal{"Emoji", QStringLiteral(u"园\U0001F3A3"), "58", "1"},
                    Refusal{"ThaiInPool", QStringLiteral("T"), "58", QStringLiteral(u"1\n\u0e01")},
                    Refusal{"ZeroByte", QString("T") + QChar(0), "58", "1"},
                    Refusal{"PaperTooNarrow", QStringLiteral("T"), "9", "1"},
                    Refusal{"PaperEmpty", QStringLiteral("T"), "", "1"}),
    [](const testing::TestParamInfo<Refusal>& info) { return info.param.name; });

TEST(SettingsWindowDesign, AsDesigned) {
    Workspace workspace;
    testsupport::FakeDialogs dialogs;
    testsupport::FakeSpeech speech;
    TForm4 form(dialogs, speech);
    EXPECT_EQ(form.windowTitle(), QStringLiteral(u"设置"));
    EXPECT_EQ(form.size(), QSize(621, 366));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowSystemMenuHint);
    const auto* pages = named<QTabWidget>(form, "PageControl1");
    EXPECT_EQ(pages->tabText(0), QStringLiteral(u"打印信息"));
    EXPECT_EQ(pages->tabText(1), QStringLiteral(u"数据设置"));
    EXPECT_EQ(named<QWidget>(form, "Panel2")->height(), 54);
    EXPECT_EQ(named<QWidget>(form, "Panel1")->height(), 41);
    const struct {
        const char* name;
        const char16_t* caption;
        QPoint at;
    } buttons[] = {{"Button1", u"保存", {208, 8}},     {"Button2", u"取消", {344, 8}},
                   {"Button3", u"生  成", {312, 8}},   {"Button4", u"清  空", {400, 8}},
                   {"Button5", u"粘贴数据", {488, 8}}, {"Button6", u"试听", {261, 168}}};
    for (const auto& b : buttons) {
        const auto* button = named<QPushButton>(form, b.name);
        EXPECT_EQ(button->text(), QString::fromUtf16(b.caption)) << b.name;
        EXPECT_EQ(button->geometry(), QRect(b.at, QSize(75, 25))) << b.name;
    }
    const auto* range = named<QLabel>(form, "Label6");
    EXPECT_EQ(range->text(), QStringLiteral(u"起止号码： "));
    EXPECT_EQ(range->pos(), QPoint(8, 16));
    EXPECT_EQ(named<QLineEdit>(form, "Edit1")->geometry(), QRect(260, 35, 326, 21));
    EXPECT_EQ(named<QLineEdit>(form, "Edit4")->geometry(), QRect(261, 134, 325, 21));
    const auto* announce = named<QCheckBox>(form, "CheckBox1");
    EXPECT_EQ(announce->text(), QStringLiteral(u"抽号后语音播报"));
    EXPECT_EQ(announce->parentWidget(), named<QWidget>(form, "TabSheet1"));
    const auto* start = named<QComboBox>(form, "ComboBox1");
    const auto* end = named<QComboBox>(form, "ComboBox2");
    EXPECT_EQ(start->count(), 500);
    EXPECT_EQ(start->itemText(499), QStringLiteral("500"));
    EXPECT_EQ(start->currentText(), QStringLiteral("1"));
    EXPECT_EQ(start->currentIndex(), 0);
    EXPECT_EQ(end->currentText(), QStringLiteral("50"));
    EXPECT_TRUE(start->isEditable() && end->isEditable());
    EXPECT_EQ(named<QPlainTextEdit>(form, "Memo3")->lineWrapMode(), QPlainTextEdit::NoWrap);
    QStringList captions;
    for (const QLabel* label : named<QWidget>(form, "TabSheet1")->findChildren<QLabel*>()) {
        captions << label->text();
    }
    EXPECT_TRUE(captions.contains(QStringLiteral(u"垂钓园（标题）名称（6字以内-含6字）：  ")));
    EXPECT_TRUE(captions.contains(QStringLiteral(u"小票纸的宽度数字（mm）：")));
}

} // namespace
