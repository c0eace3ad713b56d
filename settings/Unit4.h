#pragma once

#include "SettingsWriter.h"

#include "draw/EventFiles.h"
#include "speech/Speech.h"

#include <QDialog>

#include <optional>

class Dialogs;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QWidget;

// The settings window: the four print fields of the settings file, and the pool editor with a
// number generator. Created hidden at start; each opening is modal.
class TForm4 : public QDialog {
    Q_OBJECT

public:
    TForm4(Dialogs& dialogs, speech::Speech& speech, draw::ProgramPaths paths = {},
           QWidget* parent = nullptr);

    // Fills Edit1 to Edit4 and CheckBox1 from the settings lines (GBK).
    void setPrintFields(const settings::Settings& settings);
    // The settings written by the last successful Save of this opening, if there was one.
    const std::optional<settings::Settings>& savedSettings() const { return saved_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* Panel1;
    QWidget* Panel2;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QCheckBox* CheckBox1;
    QPushButton* Button6;
    QLabel* Label6;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button5;
    QPlainTextEdit* Memo3;

    void FormShow();
    // True when the typed character may go into Edit4.
    bool Edit4KeyPress(QChar key);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();

    void createPrintPage();
    void createDataPage();

    Dialogs& dialogs_;
    speech::Speech& speech_;
    draw::ProgramPaths paths_;
    std::optional<settings::Settings> saved_;
};
