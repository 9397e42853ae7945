#include "qt_screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace ortambra {

QSize QtScreenSize::primary() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(0, 0);
}

QRect QtScreenSize::available() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? freeArea(screen->geometry(), screen->availableGeometry(),
                             QGuiApplication::platformName())
                  : QRect();
}

double QtScreenSize::pixelRatio() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

} // namespace ortambra
