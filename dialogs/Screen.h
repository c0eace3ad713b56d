#pragma once

class QWidget;

// The primary screen as the windows use it; both work without a screen, as on a machine whose
// display has gone.

// Moves the window so that its middle is that of the screen's available area.
void centreOnPrimaryScreen(QWidget& window);

// The screen's logical pixels per inch; 96 without a screen.
double screenPixelsPerInch();
