#pragma once

#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace ortambra {

// Every counter and index of the game is a signed 16-bit value. A pupil can press Enter on
// wrong answers for as long as they like, so counters saturate instead of wrapping or trapping.
using Int16 = std::int16_t;

constexpr Int16 saturatingAdd(Int16 value, int delta) {
    const int sum = int{value} + delta;
    if (sum > std::numeric_limits<Int16>::max())
        return std::numeric_limits<Int16>::max();
    if (sum < std::numeric_limits<Int16>::min())
        return std::numeric_limits<Int16>::min();
    return static_cast<Int16>(sum);
}

constexpr void increment(Int16& counter) { counter = saturatingAdd(counter, 1); }

// A game index (a position, an exercise, a line) as the position in its table.
constexpr std::size_t at(int index) {
    Q_ASSERT(index >= 0);
    return static_cast<std::size_t>(index);
}

} // namespace ortambra
