#include "PageLayout.h"

#include "TextSetter.h"
#include "Units.h"

#include <algorithm>

namespace report {

namespace {

constexpr double lineTolerance = 1.0; // a tenth of a millimetre, in tenths

DrawOp fill(const Rect& rect, std::uint32_t color) {
    DrawOp op;
    op.kind = DrawOp::Kind::Fill;
    op.rect = rect;
    op.color = color;
    return op;
}

DrawOp textLine(const Label& label, const Rect& box, double lineTop, const std::string& text) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.rect = box;
    op.lineTop = lineTop;
    op.text = text;
    op.font = label.font;
    op.alignment = label.alignment;
    return op;
}

// How many lines of this height the box shows.
std::size_t capacity(double boxHeight, double lineHeight) {
    std::size_t lines = 0;
    while (lineHeight > 0 &&
           static_cast<double>(lines + 1) * lineHeight <= boxHeight + lineTolerance) {
        ++lines;
    }
    return lines;
}

} // namespace

std::vector<PageDrawing> layoutReport(const Report& report, TextMeasurer& measurer,
                                      const LayoutContext& context) {
    const Page& page = report.page;
    const Band& band = report.titleBand;
    const double bandLeft = page.leftMargin;
    const double bandTop = page.topMargin;
    double bandHeight = band.height;

    std::vector<PageDrawing> pages(1);
    pages[0].ops.push_back(fill({bandLeft, bandTop, band.width, bandHeight}, band.color));

    for (const Label& label : band.labels) {
        const Rect box{bandLeft + label.left, bandTop + label.top, label.width, label.height};
        if (!label.transparent) {
            pages[0].ops.push_back(fill(box, label.color));
        }
        const int widthPixels = tenthsToPixels(label.width, context.screenPixelsPerInch);
        const std::vector<std::string> lines =
            setLabelText(label.text, widthPixels, label.font, measurer);
        const double lineHeight = measurer.cellHeightTenths(label.font);
        // The first line always shows, clipped to the box: a face standing in for the one asked
        // for may be taller than its box, and a ticket must never lose its number for that.
        const std::size_t fitting =
            std::min(lines.size(), std::max<std::size_t>(1, capacity(label.height, lineHeight)));
        for (std::size_t n = 0; n < fitting; ++n) {
            pages[0].ops.push_back(
                textLine(label, box, box.top + static_cast<double>(n) * lineHeight, lines[n]));
        }
        if (!label.autoStretch || fitting == lines.size()) {
            continue;
        }

        // Further lines grow the band while it still ends within the paper less the bottom
        // margin; what is left goes to following pages, in the same box.
        std::size_t next = fitting;
        while (next < lines.size() &&
               bandTop + bandHeight + lineHeight <= context.paperLength - page.bottomMargin) {
            const Rect strip{bandLeft, bandTop + bandHeight, band.width, lineHeight};
            bandHeight += lineHeight;
            pages[0].ops.push_back(fill(strip, band.color));
            pages[0].ops.push_back(textLine(
                label, box, box.top + static_cast<double>(next) * lineHeight, lines[next]));
            ++next;
        }
        while (next < lines.size()) {
            PageDrawing overflow;
            if (!label.transparent) {
                overflow.ops.push_back(fill(box, label.color));
            }
            for (std::size_t n = 0; n < fitting && next < lines.size(); ++n, ++next) {
                overflow.ops.push_back(textLine(
                    label, box, box.top + static_cast<double>(n) * lineHeight, lines[next]));
            }
            pages.push_back(std::move(overflow));
        }
    }
    return pages;
}

} // namespace report
