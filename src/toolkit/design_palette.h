#pragma once

class QWidget;

namespace ortambra::colours {

// Gives `window` the design palette, and every popup opened from it (menus, a text box's
// context menu, a list, a tooltip) the same when it is first shown.
void keepDesignPalette(QWidget* window);

} // namespace ortambra::colours
