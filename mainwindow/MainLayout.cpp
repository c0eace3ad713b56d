#include "MainLayout.h"

namespace mainwindow {

namespace {
constexpr int titleWidth = 633, titleHeight = 62;
constexpr int numberWidth = 425, numberHeight = 145;
constexpr int statusWidth = 617, statusHeight = 20;
constexpr int pictureSize = 48;
} // namespace

MainLayout computeMainLayout(int W, int H) {
    MainLayout layout;
    layout.title.left = (W - titleWidth) / 2;
    layout.number.left = (W - numberWidth) / 2;
    layout.status.left = (W - statusWidth) / 2;
    layout.title.top = (H * 83) / 573 - titleHeight / 2;
    layout.number.top = (H - numberHeight) / 2;
    layout.start.top = H - pictureSize - 50;
    layout.status.top = layout.start.top - 20 - statusHeight;
    layout.reprint.top = layout.start.top;
    layout.reprint.left = W - pictureSize - 50;
    layout.start.left = W - 2 * pictureSize - 60;
    return layout;
}

} // namespace mainwindow
