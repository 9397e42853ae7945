#include "screen_size.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

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

QRect freeArea(const QRect& geometry, const QRect& available, const QString& platformName) {
    if (!platformName.startsWith(QLatin1String("wayland")) || available != geometry)
        return available;
    return available.adjusted(0, 0, 0, -std::min(UnknownPanelRoom, available.height() / 4));
}

double QtScreenSize::pixelRatio() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

bool isCompactScreen(int width, int height) {
    return width < 1024 && height < 768;
}

} // namespace ortambra
