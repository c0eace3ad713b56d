#pragma once

#include "EscPos.h"

#include "report/ReportModel.h"

namespace ticket {

// The ticket's first page as a receipt printer's head prints it: drawn by the report engine at
// 203 dots per inch, as for any printer of that resolution, centred on the head's width for the
// ticket's paper (headDots), and made black and white.
Raster receiptRaster(const report::Report& ticket, double screenPixelsPerInch);

} // namespace ticket
