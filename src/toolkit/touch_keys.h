#pragma once

class QWidget;

namespace ortambra {

// The keys a window's boxes take: digits for a number, Italian letters and digits for a name.
enum class KeySet { Numbers, Letters };

// The width of a set's strip of keys, in design pixels.
int touchKeysWidth(KeySet keys);

// Puts large on-screen keys in a strip at the right of `window`'s client area, which grows by
// the strip's width, so that they cover nothing of the window; to be called before the window is
// drawn at its factor. A tap types into the text box that has the focus in that window through
// the box's own key handling, Enter included, exactly as the keyboard would. The keys take no
// focus; with no box to type into, a tap does nothing.
QWidget* addTouchKeys(QWidget* window, KeySet keys);

} // namespace ortambra
