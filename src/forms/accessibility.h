#pragma once

#include <QString>

class QMenuBar;
class QWidget;

namespace ortambra {

// How a top-level window shows itself to a screen reader. A plain QWidget window is published
// as a mere "filler", which Orca neither names nor reads when it opens.
enum class WindowRole { Window, Dialog };

// Publishes `window` with that role and its caption as name.
void exposeWindow(QWidget* window, WindowRole role);

// Has the screen reader say `text` now, as if it were shown next to the control that holds the
// focus in `window` (the window itself when no control does). Qt 6.4 has no announcement of its
// own; Orca speaks a change of the focused object's description, so the text becomes that
// description until the control loses the focus, and then the control's own comes back.
void announce(QWidget* window, const QString& text);

// F10 opens the menu bar's first menu on its first entry, as in GNOME and KDE programs; the
// arrows move, Enter chooses, Esc leaves. The menus' captions carry no mnemonic and keep none.
void openMenusWithF10(QMenuBar* bar);

} // namespace ortambra
