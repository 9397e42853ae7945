#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <functional>
#include <memory>

class QWidget;

namespace ortambra {

// The keys a window's boxes take: digits for a number, Italian letters and digits for a name.
enum class KeySet { Numbers, Letters };

// The size of a set's strip of keys, in design pixels.
QSize touchKeysSize(KeySet keys);

// Puts large on-screen keys in a strip at the right of `window`'s client area, which grows by
// the strip's width (and, if lower than the keys, down to their height), so that they cover
// nothing of the window; drawn at the window's factor. A tap
// types into the text box that has the focus in that window through the box's own key handling,
// Enter included, exactly as the keyboard would. The keys take no focus; with no box to type into,
// a tap does nothing.
QWidget* addTouchKeys(QWidget* window, KeySet keys);

// The part of a client area its own controls have: all of it, less the keys' strip if it has one.
QRect controlsArea(const QWidget* client);

// After a finger (a touch screen, not a mouse) has tapped a text box, calls `asked` with the box
// once the tap is over, until it answers true; the watch lasts as long as what it returns.
std::unique_ptr<QObject> onFirstTouchTyping(std::function<bool(QWidget* box)> asked);

} // namespace ortambra
