#pragma once

#include "PageLayout.h"

class QPainter;

namespace report {

// Draws one laid-out page at the painter's device resolution, positions measured from the
// paper's top left corner; each text line is clipped to its label's box.
void paintPage(QPainter& painter, const PageDrawing& page);

} // namespace report
