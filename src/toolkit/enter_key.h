#pragma once

#include <optional>

class QEvent;

namespace ortambra {

// The key code the windows' key handlers know Enter by, as the game's forms always have.
inline constexpr int EnterKey = 13;

// The key code a key handler receives for `event`: EnterKey for Return or the keypad's Enter, 0
// for any other key (no handler looks at those), nothing when `event` is not a key press.
std::optional<int> keyPressCode(const QEvent* event);

} // namespace ortambra
