#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The ticket for receipt printers without a driver, which take ESC/POS commands themselves: a
// 1-bit picture of the ticket as the printer's head prints it, and the job that prints it.
namespace ticket {

// Dots a line, row by row from the top; each row is (width + 7) / 8 bytes, the leftmost dot in
// the highest bit, 1 for black.
struct Raster {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;

    int rowBytes() const { return (width + 7) / 8; }
    bool black(int x, int y) const {
        return (bits[std::size_t(y) * std::size_t(rowBytes()) + std::size_t(x / 8)] >>
                (7 - x % 8)) &
               1;
    }
};

// Receipt printers print at 8 dots a millimetre.
inline constexpr double receiptDotsPerInch = 203;

// The head's width in dots for the paper width of the settings (tenths of a millimetre of the
// ticket's page, the paper in millimetres × 10 − 70). A 58 mm printer prints 48 mm of its paper
// (384 dots), an 80 mm one 72 mm (576 dots); these are the two sizes made, so a paper narrower
// than 70 mm is taken for the first and any other for the second.
int headDots(std::int32_t paperWidth);

// The whole job: initialise (ESC @), the picture in GS v 0 bands of at most 255 rows, feed four
// lines (ESC d) and cut leaving a hinge (GS V 1).
std::string escPosJob(const Raster& raster);

} // namespace ticket
