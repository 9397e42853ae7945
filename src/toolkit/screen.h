#pragma once

#include <QMargins>
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

// Whether the Qt platform of that name is a Wayland client, which learns neither where its
// windows are nor what the compositor's panels take.
bool isWayland(const QString& platformName);

// The part of a screen the windows may cover. A Wayland compositor tells its clients nothing of
// its panels, so Qt reports the whole output there: room for a panel as tall as the desktops'
// (GNOME's top bar and weston's are 32 pixels, KDE's 44) is kept free then. A dock at a side
// is not known.
QRect freeArea(const QRect& geometry, const QRect& available, const QString& platformName);
constexpr int UnknownPanelRoom = 48;

// `area` as far as a window may go at `pixelRatio`: Qt rounds a screen's edges to whole logical
// pixels, so at a fractional scale a window drawn to an edge may end a device pixel past it.
// One logical pixel is kept free at each edge there.
QRect devicePixelSafe(const QRect& area, double pixelRatio);

// The frame a window not yet framed is to expect: the last one measured; on Wayland, where a
// compositor that draws the frames itself (KDE's, wlroots') shows Qt none, a title bar.
QMargins expectedFrameOn(QMargins measured, const QString& platformName);
constexpr int UnknownTitleBar = 32;

} // namespace ortambra
