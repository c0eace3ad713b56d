#pragma once

#include "ReportModel.h"

#include <QFont>

namespace report {

// Maps the face names the program asks for ("黑体", "宋体", "MS Sans Serif", "Arial") to faces of
// the running system: the Windows ones where they exist, else free faces of the same kind.
void installFontSubstitutions();

// The Qt font for a report font at its point size.
QFont qtFont(const Font& font);

} // namespace report
