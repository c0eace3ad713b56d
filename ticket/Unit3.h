#pragma once

#include <QDialog>

#include <string>

class QPlainTextEdit;

// The drawn log window: every print of this run, oldest first, in an editable box. The log lives
// only in memory.
class TForm3 : public QDialog {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);

    // Adds a line (GBK) at the end of the log.
    void appendLine(const std::string& gbkLine);

    // Shows the window modally, centred on the screen, until the operator closes it.
    void showLog();

private:
    QPlainTextEdit* Memo1;
};
