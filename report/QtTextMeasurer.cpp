#include "QtTextMeasurer.h"

#include "QtFonts.h"
#include "Units.h"

#include "common/Codepage.h"

#include <QFontMetricsF>
#include <QPaintDevice>

#include <cmath>

namespace report {

double QtTextMeasurer::textWidthPixels(const Font& font, std::string_view gbkText) {
    QFont screenFont = qtFont(font);
    // A point size becomes whole pixels on the screen, as the window system creates the font.
    screenFont.setPixelSize(
        static_cast<int>(std::lround(font.pointSize * screenPixelsPerInch_ / 72.0)));
    return QFontMetricsF(screenFont)
        .horizontalAdvance(QString::fromStdString(common::gbkToUtf8(gbkText)));
}

double QtTextMeasurer::cellHeightTenths(const Font& font) {
    const QFontMetricsF metrics(qtFont(font), &printer_);
    return pixelsToTenths(metrics.ascent() + metrics.descent(), printer_.logicalDpiY());
}

} // namespace report
