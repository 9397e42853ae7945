#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

namespace ortambra {

// Where a window's client area goes so that the whole window, frame included, lies inside
// `available` (the screen without its panels and docks): at `wanted` when it fits there,
// otherwise moved the least distance that makes it fit. A window larger than the available
// area keeps its top-left corner, title bar or menu bar first, on screen.
QPoint fittedClientPosition(QPoint wanted, QSize client, QMargins frame, const QRect& available);

// Places a top-level window by its client area, each time it is shown: at `design` the first
// time (its current place when there is none, as for a message box), afterwards where it was,
// always fitted into the available area of its screen. The window manager's frame is known only
// once a window is on screen, so the place is checked again then and corrected if the frame
// sticks out; until then the frame of the last framed window stands in.
void keepOnScreen(QWidget* window, std::optional<QPoint> design = std::nullopt);

// Fits a window on screen that has changed its size into the available area again.
void placeAgain(QWidget* window);

// The frame the window manager drew around the last window it framed: what a window not yet
// on screen expects. `noteFrame` records one.
QMargins expectedFrame();
void noteFrame(QMargins frame);

// The design position `window` was given, if any; a window not yet shown goes there first.
std::optional<QPoint> designPosition(const QWidget* window);
void setDesignPosition(QWidget* window, QPoint design);

} // namespace ortambra
