#pragma once

#include "design.h"

namespace ortambra {

const WindowSpec& calculatorWindowSpec(LayoutSet set);
// The same controls in both sets; only the window's place on the screen differs.
const std::vector<ControlSpec>& calculatorControls();

} // namespace ortambra
