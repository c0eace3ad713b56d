#include "TextLabel.h"

#include "common/Codepage.h"

#include <QMouseEvent>

TextLabel::TextLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void TextLabel::setGbkText(std::string gbk) {
    gbk_ = std::move(gbk);
    setText(QString::fromStdString(common::gbkToUtf8(gbk_)));
}

void TextLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
    }
}
