#pragma once

// Tenths of a millimetre against screen or device pixels: 254 tenths make an inch.
namespace report {

inline constexpr double tenthsPerInch = 254.0;

double pixelsToTenths(double pixels, double pixelsPerInch);

// To the nearest whole pixel, halves to even.
int tenthsToPixels(double tenths, double pixelsPerInch);

} // namespace report
