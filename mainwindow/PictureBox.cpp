#include "PictureBox.h"

#include "dialogs/QtCompat.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const imaging::Image& picture) {
    const QImage image(picture.rgba.data(), picture.width, picture.height, picture.width * 4,
                       QImage::Format_RGBA8888);
    setPixmap(QPixmap::fromImage(image.copy()));
}

void PictureBox::setPixmap(const QPixmap& pixmap) {
    pixmap_ = pixmap;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (!pixmap_.isNull()) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), pixmap_);
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(qtcompat::mousePosition(event))) {
        emit clicked();
    }
}
