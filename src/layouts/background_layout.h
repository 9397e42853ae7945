#pragma once

#include "design.h"

namespace ortambra {

// The background window is the same in both sets.
const WindowSpec& backgroundWindowSpec();

} // namespace ortambra
