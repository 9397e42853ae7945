#pragma once

#include <QColor>
#include <QPalette>

namespace ortambra::colours {

inline const QColor paleYellow{255, 255, 192};  // window backgrounds
inline const QColor lightYellow{255, 255, 128}; // number labels
inline const QColor lightGreen{128, 255, 128};  // the rhythm in facilitated mode
inline const QColor lightGrey{224, 224, 224};   // the answer box
inline const QColor cyan{0, 255, 255};
inline const QColor red{255, 0, 0};
inline const QColor blue{0, 0, 255};
inline const QColor darkBlue{0, 0, 192};
inline const QColor magenta{255, 0, 255};
inline const QColor teal{0, 128, 128};
inline const QColor purple{128, 0, 128};

// The light palette the colours above were chosen for. The game's windows keep it whatever
// the desktop's theme, so that no text loses its ground; the system's own dialogs follow the
// desktop.
QPalette designPalette();

} // namespace ortambra::colours
