#include "screen.h"

#include <algorithm>
#include <cmath>

namespace ortambra {

bool isWayland(const QString& platformName) {
    return platformName.startsWith(QLatin1String("wayland"));
}

QMargins expectedFrameOn(QMargins measured, const QString& platformName) {
    if (!measured.isNull() || !isWayland(platformName))
        return measured;
    return {0, UnknownTitleBar, 0, 0};
}

QRect devicePixelSafe(const QRect& area, double pixelRatio) {
    if (area.isEmpty() || pixelRatio == std::floor(pixelRatio))
        return area;
    return area.adjusted(1, 1, -1, -1);
}

QRect freeArea(const QRect& geometry, const QRect& available, const QString& platformName) {
    if (!isWayland(platformName) || available != geometry)
        return available;
    return available.adjusted(0, 0, 0, -std::min(UnknownPanelRoom, available.height() / 4));
}

} // namespace ortambra
