#include "Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnPrimaryScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
}

double screenPixelsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96;
}
