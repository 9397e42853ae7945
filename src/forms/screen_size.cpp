#include "screen_size.h"

#include <QGuiApplication>
#include <QScreen>

namespace ortambra {

QSize QtScreenSize::primary() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(0, 0);
}

QRect QtScreenSize::available() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

double QtScreenSize::pixelRatio() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

bool isCompactScreen(int width, int height) {
    return width < 1024 && height < 768;
}

} // namespace ortambra
