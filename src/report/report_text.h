#pragma once

#include "engine/game_state.h"

#include <QString>

namespace ortambra::report_text {

// Texts that the results view and the printed report share.

// " 3 Difficoltà Bassa;  0 Difficoltà Media;  1 Difficoltà Alta."
QString difficultyLine(const GameState& state);
// The exercises that have a row in the tables: 1 ... this.
int lastArchived(const GameState& state);
QString blanks(int count);

} // namespace ortambra::report_text
