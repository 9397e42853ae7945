#include "design.h"

#include <cmath>

namespace ortambra {

bool isCompactScreen(int width, int height) { return width < 1024 && height < 768; }

int toPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

QRect Twips::pixels() const {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

QSize WindowSpec::clientPixels() const {
    return {toPixels(clientTwips.width()), toPixels(clientTwips.height())};
}

QFont makeFont(const FontSpec& drawn) {
    // Liberation fonts are metric-compatible with the faces the layouts were drawn with.
    QFont font(drawn.face == Face::Serif ? QStringLiteral("Liberation Serif")
                                         : QStringLiteral("Liberation Sans"));
    font.setStyleHint(drawn.face == Face::Serif ? QFont::Serif : QFont::SansSerif);
    font.setPointSizeF(drawn.points);
    font.setBold(drawn.bold);
    return font;
}

QString arrayName(const QString& base, int index) {
    return base + u'(' + QString::number(index) + u')';
}

} // namespace ortambra
