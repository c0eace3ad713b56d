#include "report/Units.h"

#include <gtest/gtest.h>

namespace {

TEST(Units, PixelsAndTenthsOfAMillimetre) {
    EXPECT_DOUBLE_EQ(report::pixelsToTenths(96, 96), 254);
    EXPECT_NEAR(report::pixelsToTenths(188, 96), 497.417, 0.001);
    EXPECT_NEAR(report::pixelsToTenths(188, 120), 397.933, 0.001);
    EXPECT_EQ(report::tenthsToPixels(510, 96), 193);
    EXPECT_EQ(report::tenthsToPixels(730, 96), 276);
}

TEST(Units, HalvesRoundToEven) {
    // 2.5 and 3.5 pixels: 2.5 × 254 / 96 tenths at 96 per inch.
    EXPECT_EQ(report::tenthsToPixels(2.5 * 254 / 96, 96), 2);
    EXPECT_EQ(report::tenthsToPixels(3.5 * 254 / 96, 96), 4);
    EXPECT_EQ(report::tenthsToPixels(127, 254), 127);
}

} // namespace
