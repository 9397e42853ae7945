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

bool isWayland(const QString& platformName) {
    return platformName.startsWith(QLatin1String("wayland"));
}

QMargins expectedFrameOn(QMargins measured, const QString& platformName) {
    if (!measured.isNull() || !isWayland(platformName))
        return measured;
    return {0, UnknownTitleBar, 0, 0};
}

QRect freeArea(const QRect& geometry, const QRect& available, const QString& platformName) {
    if (!isWayland(platformName) || available != geometry)
        return available;
    return available.adjusted(0, 0, 0, -std::min(UnknownPanelRoom, available.height() / 4));
}

double QtScreenSize::pixelRatio() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

bool isCompactScreen(int width, int height) { return width < 1024 && height < 768; }

} // namespace ortambra
