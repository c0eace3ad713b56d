#pragma once

#include <QLabel>

#include <string>

// A label whose text is program data in GBK; it reports double-clicks.
class TextLabel : public QLabel {
    Q_OBJECT

public:
    explicit TextLabel(QWidget* parent = nullptr);
    void setGbkText(std::string gbk);
    const std::string& gbkText() const { return gbk_; }

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::string gbk_;
};
