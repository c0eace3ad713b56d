#pragma once

#include "ReportModel.h"

#include <QFont>
#include <QString>

namespace report {

// Sets up the faces the program asks for ("黑体", "宋体", "MS Sans Serif", "Arial"): loads the
// faces shipped in folder (none when it is missing: an installed system may hold them among its
// own fonts), lets faces without a bold style be emboldened at every size, and maps each name to
// the Windows face where it exists, else to free faces whose character cell gives the ticket the
// same line capacities. Call once, after the application object exists.
void installFonts(const QString& folder);

// The Qt font for a report font at its point size.
QFont qtFont(const Font& font);

} // namespace report
