#include "Unit3.h"

#include "common/Codepage.h"
#include "dialogs/Screen.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TForm3::TForm3(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::WindowStaysOnTopHint),
      Memo1(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral(u"已经抽出的数据"));
    setFixedSize(424, 252);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    Memo1->setFont(font);
}

void TForm3::appendLine(const std::string& gbkLine) {
    Memo1->appendPlainText(QString::fromStdString(common::gbkToUtf8(gbkLine)));
}

void TForm3::showLog() {
    centreOnPrimaryScreen(*this);
    exec();
}
