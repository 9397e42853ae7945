#pragma once

#include "layout.h"

namespace ortambra {

const WindowSpec& registrationWindowSpec(LayoutSet set);
const std::vector<ControlSpec>& registrationWindowControls();

} // namespace ortambra
