#include "mainwindow/MainLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(MainLayout, CentresTheLabelsWithDivisionTowardZero) {
    const auto layout = mainwindow::computeMainLayout(500, 600);
    EXPECT_EQ(layout.title.left, -66); // (500 - 633) div 2, not -67
    EXPECT_EQ(layout.number.left, 37);
    EXPECT_EQ(layout.status.left, -58);
}

TEST(MainLayout, PlacesEverythingForAThousandPixelHighWindow) {
    const auto layout = mainwindow::computeMainLayout(1200, 1000);
    EXPECT_EQ(layout.title.top, 113);  // 83000 div 573 = 144, less half the title height
    EXPECT_EQ(layout.number.top, 427); // (1000 − 145) div 2
    EXPECT_EQ(layout.start.top, 902);
    EXPECT_EQ(layout.reprint.top, 902);
    EXPECT_EQ(layout.status.top, 862);
    EXPECT_EQ(layout.reprint.left, 1102); // W − 98
    EXPECT_EQ(layout.start.left, 1044);   // W − 156: 10 pixels left of the reprint picture
}

} // namespace
