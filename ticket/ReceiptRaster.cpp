#include "ReceiptRaster.h"

#include "report/ReportPainter.h"

#include <QImage>

namespace ticket {

namespace {

// Antialiased strokes of the 8-point remarks are two or three dots wide and partly grey: taking
// every dot darker than light grey as black keeps them whole. The credit line's very light grey
// is lighter than that and drops out, as a thermal head cannot print grey.
constexpr int blackBelow = 176;

} // namespace

Raster receiptRaster(const report::Report& ticket, double screenPixelsPerInch) {
    const QImage page = report::renderFirstPage(ticket, screenPixelsPerInch, receiptDotsPerInch)
                            .convertToFormat(QImage::Format_Grayscale8);
    Raster raster;
    raster.width = headDots(static_cast<std::int32_t>(ticket.page.width));
    raster.height = page.height();
    raster.bits.assign(std::size_t(raster.rowBytes()) * std::size_t(raster.height), 0);
    // Where the head's first dot falls on the page: the page is wider than the head by a few
    // dots on both sides, or narrower.
    const int offset = (page.width() - raster.width) / 2;
    for (int y = 0; y < raster.height; ++y) {
        const uchar* row = page.constScanLine(y);
        for (int x = 0; x < raster.width; ++x) {
            const int onPage = x + offset;
            if (onPage >= 0 && onPage < page.width() && row[onPage] < blackBelow) {
                raster.bits[std::size_t(y) * std::size_t(raster.rowBytes()) + std::size_t(x / 8)] |=
                    std::uint8_t(0x80 >> (x % 8));
            }
        }
    }
    return raster;
}

} // namespace ticket
