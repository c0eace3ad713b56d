#pragma once

#include "TextMeasurer.h"

class QPaintDevice;

namespace report {

// Widths with the font at the screen's resolution, cell heights on the printer.
class QtTextMeasurer final : public TextMeasurer {
public:
    QtTextMeasurer(double screenPixelsPerInch, const QPaintDevice& printer)
        : screenPixelsPerInch_(screenPixelsPerInch), printer_(printer) {}

    double textWidthPixels(const Font& font, std::string_view gbkText) override;
    double cellHeightTenths(const Font& font) override;

private:
    double screenPixelsPerInch_;
    const QPaintDevice& printer_;
};

} // namespace report
