#pragma once

#include "layout.h"

namespace ortambra {

const WindowSpec& mainWindowSpec(LayoutSet set);
const std::vector<ControlSpec>& mainWindowControls();
// The number labels' size at load and after every complexity change.
double numberFontPoints(LayoutSet set);

} // namespace ortambra
