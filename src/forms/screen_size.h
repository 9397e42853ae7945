#pragma once

#include <QRect>
#include <QSize>
#include <QString>

namespace ortambra {

// The primary screen, behind an interface so that tests choose any screen. Sizes are in
// logical pixels: on a dense screen Qt scales the windows too, so the choice of layout set
// follows the size the windows will actually have room for.
class ScreenSize {
  public:
    virtual ~ScreenSize() = default;
    virtual QSize primary() const = 0;
    // What the windows may cover: the screen without its panels and docks.
    virtual QRect available() const = 0;
    // Device pixels per logical pixel (the desktop's scale factor).
    virtual double pixelRatio() const = 0;
};

class QtScreenSize final : public ScreenSize {
  public:
    QSize primary() const override;
    QRect available() const override;
    double pixelRatio() const override;
};

// The part of a screen the windows may cover. A Wayland compositor tells its clients nothing of
// its panels, so Qt reports the whole output there: room for a panel as tall as the desktops'
// (GNOME's top bar and weston's are 32 pixels, KDE's 44) is kept free then.
QRect freeArea(const QRect& geometry, const QRect& available, const QString& platformName);
constexpr int UnknownPanelRoom = 48;

// The compact set is for screens smaller than 1024 x 768 in both directions.
bool isCompactScreen(int width, int height);

} // namespace ortambra
