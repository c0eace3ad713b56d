#pragma once

namespace mainwindow {

struct Position {
    int left = 0;
    int top = 0;
};

// Where the main window's controls stand for an outer window size W × H (frame and caption bar
// included), in client coordinates; the assignments run in a fixed order, later ones reading
// earlier ones, with division truncating toward zero.
struct MainLayout {
    Position title;   // Label1, 633 × 62
    Position number;  // Label2, 425 × 145
    Position status;  // Label3, 617 × 20
    Position start;   // Image2, 48 × 48
    Position reprint; // Image4, 48 × 48
};

MainLayout computeMainLayout(int outerWidth, int outerHeight);

// The outer size the window springs back to: a height below 500 becomes 500, then a width below
// 500 becomes 500.
inline constexpr int minimumOuterSize = 500;

} // namespace mainwindow
