#include "Dialogs.h"

#include "DialogTexts.h"
#include "Screen.h"

#include "common/Codepage.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include <utility>

QString failureText(const std::string& text) {
#ifdef _WIN32
    return QString::fromStdString(common::gbkToUtf8(text));
#else
    return QString::fromStdString(text);
#endif
}

namespace {

// The program's own boxes speak Chinese whatever language Qt itself has.
void labelInChinese(QMessageBox& box) {
    for (const auto& [button, text] : {std::pair{QMessageBox::Yes, texts::yesButton},
                                       std::pair{QMessageBox::No, texts::noButton},
                                       std::pair{QMessageBox::Ok, texts::okButton}}) {
        if (QAbstractButton* shown = box.button(button)) {
            shown->setText(text);
        }
    }
}

} // namespace

bool QtDialogs::askYesNo(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    owner);
    box.setDefaultButton(QMessageBox::Yes);
    labelInChinese(box);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::showNotice(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
    labelInChinese(box);
    box.exec();
}

void QtDialogs::showError(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
    labelInChinese(box);
    box.exec();
}

void QtDialogs::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, texts::applicationTitle, text, QMessageBox::Ok);
    box.adjustSize();
    centreOnPrimaryScreen(box);
    box.exec();
}

QString QtDialogs::askPassword(QWidget* owner) {
    QInputDialog prompt(owner);
    prompt.setWindowTitle(texts::noticeCaption);
    prompt.setLabelText(texts::passwordPrompt);
    prompt.setInputMode(QInputDialog::TextInput);
    prompt.setOkButtonText(QStringLiteral("OK"));
    prompt.setCancelButtonText(QStringLiteral("Cancel"));
    if (auto* edit = prompt.findChild<QLineEdit*>()) {
        edit->setMaxLength(255);
    }
    return prompt.exec() == QDialog::Accepted ? prompt.textValue() : QString();
}
