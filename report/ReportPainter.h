#pragma once

#include "PageLayout.h"

#include <QImage>

class QPainter;

namespace report {

// Draws one laid-out page at the painter's device resolution, positions measured from the
// paper's top left corner; each text line is clipped to its label's box.
void paintPage(QPainter& painter, const PageDrawing& page);

// The report's first page on white paper of its own size, at `dotsPerInch`, laid out for a screen
// of `screenPixelsPerInch` as printing lays it out: what a printer of that resolution puts on
// paper.
QImage renderFirstPage(const Report& report, double screenPixelsPerInch, double dotsPerInch);

} // namespace report
