#pragma once

#include "series.h"

#include <optional>

namespace ortambra {

// The class's game as the teacher starts it: each setting given replaces its start value, as
// the pupil's menu entry or toggle would; `locked` keeps the pupils from changing any of them.
struct Presets {
    std::optional<Mode> mode;
    std::optional<int> largest;
    bool facilitated = false;
    bool locked = false;
    // At the classroom's board: windows as large as the screen allows, typed into by touch.
    bool board = false;
};

} // namespace ortambra
