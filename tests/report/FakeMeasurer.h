#pragma once

#include "report/TextMeasurer.h"

namespace testsupport {

// Every byte 10 pixels wide, so a GBK character is 20; a cell height of 4 tenths of a
// millimetre per point. Counts its calls.
class FakeMeasurer final : public report::TextMeasurer {
public:
    double textWidthPixels(const report::Font&, std::string_view text) override {
        ++widthCalls;
        return 10.0 * static_cast<double>(text.size());
    }
    double cellHeightTenths(const report::Font& font) override { return 4.0 * font.pointSize; }

    int widthCalls = 0;
};

} // namespace testsupport
