#pragma once

#include "design.h"

namespace ortambra {

// The nine lines that explain the game. The registration window shows them in place of its name
// fields, the instructions window on their own; only the latter writes "Facilitato" in line 5
// with a capital F.
enum class LinesFor { Registration, Instructions };
constexpr int InstructionLineCount = 9;
QString instructionLine(LinesFor window, int index);
QColor instructionColour(int index);

const WindowSpec& instructionsWindowSpec(LayoutSet set);
// Both sets place the controls alike; only the window's position differs.
const std::vector<ControlSpec>& instructionsWindowControls();

} // namespace ortambra
