#pragma once

#include "ReportModel.h"

#include <string_view>

namespace report {

// What text setting needs to know of fonts: widths at screen resolution and line heights on the
// printer. The windows measure with Qt; tests count and fake.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // Width of the GBK text in the font, in screen pixels.
    virtual double textWidthPixels(const Font& font, std::string_view gbkText) = 0;
    // Cell height (ascent plus descent) of the font on the printer, in tenths of a millimetre.
    virtual double cellHeightTenths(const Font& font) = 0;
};

} // namespace report
