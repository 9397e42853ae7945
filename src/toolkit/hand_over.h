#pragma once

class QWidget;

namespace ortambra {

// Hides `leaving`, the window the pupil leaves for another just shown. A Wayland compositor maps
// the new window only a moment later and meanwhile gives the focus to whatever window lies
// beneath (the background), which a screen reader then announces; so there `leaving` stays until
// another of the program's windows has the focus, or `boundMs` has passed. Where the window
// system maps at once (X11), or `leaving` has no focus to hand on, it goes at once.
void hideWhenReplaced(QWidget* leaving);
void hideWhenReplaced(QWidget* leaving, bool waitForFocus, int boundMs = 1000);

} // namespace ortambra
