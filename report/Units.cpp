#include "Units.h"

#include <cmath>

namespace report {

double pixelsToTenths(double pixels, double pixelsPerInch) {
    return pixels * tenthsPerInch / pixelsPerInch;
}

int tenthsToPixels(double tenths, double pixelsPerInch) {
    // The default rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint(tenths * pixelsPerInch / tenthsPerInch));
}

} // namespace report
