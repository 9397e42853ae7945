#pragma once

#include "engine/game_state.h"
#include "engine/series.h"

namespace ortambra::testing {

// Hand-made series for the report tests, with the numbers the generator would give them.
inline Series sumsOneTwoThree() { // Doppio +1 +2 +3: 1 3 6 7 9 12
    Series s;
    s.Ritmo = 3;
    s.Passi = {1, 2, 3};
    s.Operazione = {Operator::Sum, Operator::Sum, Operator::Sum};
    s.Numeri = {1, 3, 6, 7, 9, 12};
    return s;
}

inline Series productsOfTen() { // Doppio x10 x10 x10: up to a million
    Series s;
    s.Ritmo = 3;
    s.Passi = {10, 10, 10};
    s.Operazione = {Operator::Product, Operator::Product, Operator::Product};
    s.Numeri = {10, 100, 1000, 10000, 100000, 1000000};
    return s;
}

inline Series timesThreePlusOne() { // Triplo x3 +1: 3 4 12 13 39 40
    Series s;
    s.Ritmo = 2;
    s.Passi = {3, 1};
    s.Operazione = {Operator::Product, Operator::Sum};
    s.Numeri = {3, 4, 12, 13, 39, 40};
    return s;
}

// Files `series` as the next exercise, answered right with `wrong` attempts before.
inline void addExercise(GameState& state, const Series& series, int wrong = 0) {
    ++state.Num_Esercizio;
    const auto n = static_cast<std::size_t>(state.Num_Esercizio);
    state.archive(state.Num_Esercizio, series);
    state.Risposte[n] = series.Numeri[static_cast<std::size_t>(series.Posizione_Mancante)];
    state.Errori_Esercizio[n] = static_cast<Int16>(wrong);
}

} // namespace ortambra::testing
