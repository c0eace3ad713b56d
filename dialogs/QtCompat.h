#pragma once

// The few places where Qt 5.15 (the Windows program, for Windows 7) and Qt 6 (Linux) differ.

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPoint>

namespace qtcompat {

// Called before the application object is made. Qt 6 scales every window by the screen's
// unrounded factor by itself; Qt 5 does so only when told, so that windows, the ticket's
// screen-pixel widths and the receipt picture come out the same on both.
inline void prepareApplication() {
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#endif
}

// Where the mouse was, in the widget's own coordinates.
inline QPoint mousePosition(const QMouseEvent* event) {
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    return event->localPos().toPoint();
#else
    return event->position().toPoint();
#endif
}

} // namespace qtcompat
