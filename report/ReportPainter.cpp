#include "ReportPainter.h"

#include "QtFonts.h"
#include "QtTextMeasurer.h"
#include "Units.h"

#include "common/Codepage.h"

#include <QColor>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace report {

namespace {

QColor colorOf(std::uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

} // namespace

void paintPage(QPainter& painter, const PageDrawing& page) {
    const double dpiX = painter.device()->logicalDpiX();
    const double dpiY = painter.device()->logicalDpiY();
    const auto deviceRect = [&](const Rect& r) {
        return QRectF(r.left * dpiX / tenthsPerInch, r.top * dpiY / tenthsPerInch,
                      r.width * dpiX / tenthsPerInch, r.height * dpiY / tenthsPerInch);
    };
    for (const DrawOp& op : page.ops) {
        const QRectF box = deviceRect(op.rect);
        if (op.kind == DrawOp::Kind::Fill) {
            painter.fillRect(box, colorOf(op.color));
            continue;
        }
        painter.save();
        painter.setClipRect(box);
        painter.setFont(qtFont(op.font));
        painter.setPen(colorOf(op.font.color));
        const double lineTop = op.lineTop * dpiY / tenthsPerInch;
        const QRectF lineRect(box.left(), lineTop, box.width(), box.bottom() - lineTop);
        const int flags = Qt::AlignTop | Qt::TextSingleLine |
                          (op.alignment == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft);
        painter.drawText(lineRect, flags, QString::fromStdString(common::gbkToUtf8(op.text)));
        painter.restore();
    }
}

QImage renderFirstPage(const Report& report, double screenPixelsPerInch, double dotsPerInch) {
    // The paper in whole tenths of a millimetre, as the printer is given it.
    QImage image(tenthsToPixels(std::round(report.page.width), dotsPerInch),
                 tenthsToPixels(std::round(report.page.length), dotsPerInch), QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(dotsPerInch / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(dotsPerInch / 0.0254));
    image.fill(Qt::white);
    QtTextMeasurer measurer(screenPixelsPerInch, image);
    const auto pages = layoutReport(report, measurer, {screenPixelsPerInch, report.page.length});
    QPainter painter(&image);
    paintPage(painter, pages.front());
    return image;
}

} // namespace report
