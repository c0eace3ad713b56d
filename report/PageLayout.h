#pragma once

#include "ReportModel.h"
#include "TextMeasurer.h"

#include <string>
#include <vector>

namespace report {

// A rectangle in tenths of a millimetre from the paper's top left corner.
struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// One thing to draw, in drawing order: a filled rectangle, or one line of a label's text aligned
// within its box (clip) at the given top.
struct DrawOp {
    enum class Kind { Fill, Text } kind = Kind::Fill;
    Rect rect;                   // Fill: the area; Text: the label's box, which clips the line
    std::uint32_t color = white; // Fill only
    double lineTop = 0;          // Text only
    std::string text;            // Text only, GBK
    Font font;                   // Text only
    Alignment alignment = Alignment::Left;
};

struct PageDrawing {
    std::vector<DrawOp> ops;
};

struct LayoutContext {
    double screenPixelsPerInch = 96;
    // The paper's length: the page length when the printer takes the report's own paper size,
    // else the length of the printer's current paper.
    double paperLength = 0;
};

// Lays the report out page by page: the title band at the top margin, painted white, then each
// label's white box and the lines of its text that fit (n line heights within the box's height
// plus a tenth of a millimetre; the first line always). An AutoStretch label's further lines grow
// the band while the paper allows, and otherwise go to following pages in the label's box.
std::vector<PageDrawing> layoutReport(const Report& report, TextMeasurer& measurer,
                                      const LayoutContext& context);

} // namespace report
