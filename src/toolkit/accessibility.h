#pragma once

#include <QString>

class QAction;
class QComboBox;
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
// Qt's report of that change does not make Orca speak, so the text is also notified.
void announce(QWidget* window, const QString& text);

// Has the screen reader say `text` now, leaving every description alone: a notification that
// shows up in `window` without being seen.
void notifyScreenReader(QWidget* window, const QString& text);

// F10 opens the menu bar's first menu on its first entry, as in GNOME and KDE programs; the
// arrows move, Enter chooses, Esc leaves. The menus' captions carry no mnemonic and keep none.
void openMenusWithF10(QMenuBar* bar);

// Has a screen reader read the menu bar's `entry` as `name`; its caption stays as it is. Call it
// before the menu bar is first read.
void nameMenuBarEntry(QAction* entry, const QString& name);

// Qt names an editable combo box by its text on Linux, so a screen reader would call the box by
// the choice it shows. It reads the name of the box's label first: the box gets a label that is
// never shown, holding its accessible name.
void labelForScreenReader(QComboBox* box);

} // namespace ortambra
