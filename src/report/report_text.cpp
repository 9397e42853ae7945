#include "report_text.h"

#include "engine/number_text.h"

#include <algorithm>

namespace ortambra {

namespace report_text {

QString difficultyLine(const GameState& state) {
    return strText(state.Esercizi_Bassa) + QStringLiteral(" Difficoltà Bassa; ") +
           strText(state.Esercizi_Media) + QStringLiteral(" Difficoltà Media; ") +
           strText(state.Esercizi_Alta) + QStringLiteral(" Difficoltà Alta.");
}

int lastArchived(const GameState& state) {
    return std::clamp(int{state.Num_Esercizio}, 0, GameState::MaxExercises);
}

QString blanks(int count) { return QString(count, u' '); }

} // namespace report_text

} // namespace ortambra
