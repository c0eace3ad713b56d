#include "dialogs/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `answer` on the box the call opens and returns the labels of its buttons; a box the answer
// does not close is closed after two seconds, so the call's result shows what went wrong.
QStringList answerBox(const std::function<void(QMessageBox&)>& answer,
                      const std::function<void()>& call) {
    QStringList labels;
    QTimer::singleShot(50, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (const QAbstractButton* button : box->buttons()) {
            labels << button->text();
        }
        answer(*box);
        QTimer::singleShot(2000, box, [box] { box->done(-1); });
    });
    call();
    return labels;
}

void press(QMessageBox& box, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &event);
}

struct Answer {
    const char* name;
    std::function<void(QMessageBox&)> give;
    bool yes;
};

void PrintTo(const Answer& answer, std::ostream* out) {
    *out << answer.name;
}

class Question : public testing::TestWithParam<Answer> {};

// The question boxes read "是(Y)" and "否(N)", as on the Chinese system, and take Y and N alone.
TEST_P(Question, HasChineseButtonsAndTakesItsAnswer) {
    QtDialogs dialogs;
    bool yes = !GetParam().yes;
    const QStringList labels = answerBox(GetParam().give, [&] {
        yes = dialogs.askYesNo(nullptr, QStringLiteral(u"提示"), QStringLiteral("?"));
    });
    EXPECT_EQ(labels, QStringList({QStringLiteral(u"是(&Y)"), QStringLiteral(u"否(&N)")}));
    EXPECT_EQ(yes, GetParam().yes);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Question,
    testing::Values(Answer{"Y", [](QMessageBox& box) { press(box, Qt::Key_Y); }, true},
                    Answer{"N", [](QMessageBox& box) { press(box, Qt::Key_N); }, false},
                    Answer{"Enter", [](QMessageBox& box) { press(box, Qt::Key_Return); }, true},
                    Answer{"Escape", [](QMessageBox& box) { press(box, Qt::Key_Escape); }, false},
                    Answer{"CloseBox", [](QMessageBox& box) { box.close(); }, false}),
    [](const testing::TestParamInfo<Answer>& info) { return std::string(info.param.name); });

// The notices of the program say "确定"; the settings window's message dialog keeps its "OK".
TEST(MessageBoxes, NoticeAndErrorSayQueDingTheSettingsMessageOk) {
    QtDialogs dialogs;
    const auto enter = [](QMessageBox& box) { press(box, Qt::Key_Return); };
    EXPECT_EQ(answerBox(enter,
                        [&] {
                            dialogs.showNotice(nullptr, QStringLiteral(u"提示"),
                                               QStringLiteral("!"));
                        }),
              QStringList{QStringLiteral(u"确定")});
    EXPECT_EQ(
        answerBox(enter,
                  [&] { dialogs.showError(QStringLiteral(u"岚舟软件"), QStringLiteral("!")); }),
        QStringList{QStringLiteral(u"确定")});
    EXPECT_EQ(answerBox(enter, [&] { dialogs.showMessage(QStringLiteral("!")); }),
              QStringList{QStringLiteral("OK")});
}

} // namespace
