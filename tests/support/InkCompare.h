#pragma once

#include "report/ReportModel.h"

#include <QImage>
#include <QRect>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Compares what two pictures show in a box: the pixels of the ink's colour in one must lie near
// ink in the other, both ways, so a blank picture, a missing line or another text does not match
// while two renderings of the same text by different font engines do.
namespace testsupport {

using IsInk = std::function<bool(QRgb)>;

struct InkMatch {
    std::size_t ink = 0;         // ink pixels in the picture's box
    std::size_t expectedInk = 0; // and in the reference's
    QPoint shift;                // how far the picture's ink was moved onto the reference's
    double covered = 0;          // share of the picture's ink near the reference's ink
    double expectedCovered = 0;  // and the other way round
    bool same = false;           // both shares at least 0.9, and the reference has ink

    std::string describe() const;
};

// Centred: the inks are aligned on their centres first (texts placed by other font metrics);
// otherwise they are compared where they are. "Near" is within `near` pixels.
InkMatch compareInk(const QImage& picture, QRect box, const QImage& reference, QRect referenceBox,
                    const IsInk& isInk, bool centred, int near = 2);

// Ink on white paper, the very light grey of the credit line (240 of 255) included.
bool isPrinted(QRgb colour);

// A printed ticket against the same ticket drawn by the report engine, both at `dotsPerInch`:
// label by label, in each label's box on the paper (`ticket` gives the boxes), where it is: the
// labels named, or every label with text. One line per label; `same` when every one matches.
struct TicketMatch {
    std::string description;
    bool same = true;
};
TicketMatch compareTicket(const QImage& printed, const QImage& expected,
                          const report::Report& ticket, double dotsPerInch,
                          const std::vector<std::string>& labels = {});

} // namespace testsupport
