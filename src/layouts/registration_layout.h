#pragma once

#include "design.h"

namespace ortambra {

const WindowSpec& registrationWindowSpec(LayoutSet set);
const std::vector<ControlSpec>& registrationWindowControls();

} // namespace ortambra
