#pragma once

#include <QString>

#include <string>

class QWidget;

// A failure's text, which is in the program's own bytes (UTF-8 on Linux, the ANSI code page on
// Windows), as the windows show it.
QString failureText(const std::string& text);

// The message boxes and prompts of the program. The windows ask through this, so tests answer
// at once instead of running a modal loop.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A question with Yes (the default) and No and a question icon; true for Yes.
    virtual bool askYesNo(QWidget* owner, const QString& caption, const QString& text) = 0;
    // A notice with OK alone and no icon.
    virtual void showNotice(QWidget* owner, const QString& caption, const QString& text) = 0;
    // The default error box: an error icon and OK.
    virtual void showError(const QString& caption, const QString& text) = 0;
    // The plain message dialog of the settings window: the text, OK, no icon, the application
    // title as caption, centred on the screen.
    virtual void showMessage(const QString& text) = 0;
    // The access prompt: "提示", "请输入密码：" and one edit box of at most 255 characters; the
    // text on OK, the empty text on Cancel or close.
    virtual QString askPassword(QWidget* owner) = 0;
};

// The platform's message boxes.
class QtDialogs final : public Dialogs {
public:
    bool askYesNo(QWidget* owner, const QString& caption, const QString& text) override;
    void showNotice(QWidget* owner, const QString& caption, const QString& text) override;
    void showError(const QString& caption, const QString& text) override;
    void showMessage(const QString& text) override;
    QString askPassword(QWidget* owner) override;
};
