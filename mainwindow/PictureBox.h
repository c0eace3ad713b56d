#pragma once

#include "imaging/Image.h"

#include <QPixmap>
#include <QWidget>

// A picture control: shows its picture stretched to its own size, the same whether it takes
// clicks or not, and reports clicks while enabled.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);
    void setPicture(const imaging::Image& picture);
    void setPixmap(const QPixmap& pixmap);
    const QPixmap& pixmap() const { return pixmap_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap pixmap_;
};
