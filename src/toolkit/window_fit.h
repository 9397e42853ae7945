#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace ortambra {

class ScreenSize;

// A window too large for its screen is drawn smaller, by one factor for its size, its controls'
// places and their fonts. The smallest text of the layouts is 8 points; it is never drawn with
// fewer device pixels than 6 points have at scale 1, so the factor never goes below 0.75
// divided by the screen's scale. A window that still does not fit keeps its top-left corner on
// screen (see window_placement).
constexpr double SmallestDeviceFactor = 0.75;

// The largest factor a board draws at: a 4K board at scale 1 needs about 3.5.
constexpr double BoardCeiling = 4.0;

// The smallest factor a window is drawn at on a screen of that scale.
double readableFactor(double pixelRatio);

// The factor at which `window` (its unframed size: `client` plus what does not shrink, the menu
// bar) fits inside `available` with `frame` around it: `ceiling` when it fits so (1, as drawn,
// unless a board asks for more), otherwise just enough, never below the readable limit for
// `pixelRatio`.
double fitFactor(QSize window, QSize client, QMargins frame, QSize available, double pixelRatio,
                 double ceiling = 1.0);

// Draws a built window at `factor` times its present factor: its client area, the places of the
// controls on it, every font the layouts set and, when larger, its design position and its menu
// bar's fonts; smaller, the menu bar keeps the desktop's size.
void drawAtFactor(QWidget* window, double factor);

// Fits a window just built, or grown since, into the screen's free area (see fitFactor),
// assuming the frame the window manager drew around the last window it framed (see
// expectedFrameOn). A window on screen is placed again.
void fitToScreen(QWidget* window, const ScreenSize& screen);

// Makes a window without controls, the backdrop, cover the screen's free area, frame included.
void fillScreen(QWidget* window, const ScreenSize& screen);

// The part of a window the layouts draw: a main window's central widget, else the window.
QWidget* clientArea(QWidget* window);

// The factor `widget`'s window is drawn at: 1 unless it was drawn smaller or larger.
double drawScale(const QWidget* widget);
// A layout rectangle (design pixels) on `widget`'s window as drawn.
QRect drawnRect(const QWidget* widget, QRect design);
int drawnLength(const QWidget* widget, int design);

} // namespace ortambra
