#include "rules.h"

#include "number_text.h"

#include <cmath>
#include <limits>

namespace ortambra::rules {

bool startExercise(GameState& state, RandomSource& random) {
    if (state.exercisesExhausted())
        return false;
    increment(state.Num_Esercizio);
    const Int16 n = state.Num_Esercizio;
    if (state.Facilitato) {
        increment(state.Facilitati);
        state.Nota_Facilitato[at(n)] = QStringLiteral("Facilitato");
    }
    state.Serie = drawSeries(state.Operazioni, state.Massimo, random);
    switch (state.Operazioni) {
    case Mode::OnlySums: increment(state.Esercizi_Bassa); break;
    case Mode::OnlyProducts: increment(state.Esercizi_Media); break;
    case Mode::SumsAndProducts: increment(state.Esercizi_Alta); break;
    }
    state.archive(n, state.Serie);
    return true;
}

std::optional<Int16> wrongNumber(double typed) {
    const double rounded = std::nearbyint(typed);
    if (rounded < std::numeric_limits<Int16>::min() || rounded > std::numeric_limits<Int16>::max())
        return std::nullopt;
    return static_cast<Int16>(rounded);
}

QString wrongAnswerCaption(double typed) {
    // A value beyond 16 bits is still shown, rounded, though it is not stored.
    return strText(std::nearbyint(typed)) + QStringLiteral("  Non è esatto!");
}

AnswerOutcome giveAnswer(GameState& state, const QString& typed, const QString& hiddenCaption) {
    if (state.Num_Esercizio < 1)
        return {};
    const double value = readNumber(typed);
    if (value == 0.0)
        return {};
    const std::size_t n = at(state.Num_Esercizio);
    if (readNumber(hiddenCaption) == value) {
        increment(state.Indovinati);
        state.Risposte[n] = value;
        state.Errore_Contato = false;
        return {Verdict::Right, QStringLiteral("Indovinato!")};
    }
    if (const auto stored = wrongNumber(value))
        state.Numero_Errato = *stored;
    increment(state.Errori);
    if (!state.Errore_Contato)
        increment(state.Esercizi_Errati);
    increment(state.Errori_Esercizio[n]);
    state.Errore_Contato = true;
    return {Verdict::Wrong, wrongAnswerCaption(value)};
}

void recordHelp(GameState& state) {
    if (state.Num_Esercizio < 1)
        return; // nothing to help with yet, and row 0 is never used
    increment(state.Aiuti);
    state.Nota_Aiuto[at(state.Num_Esercizio)] = QStringLiteral("Chiesto aiuto");
}

bool toggleFacilitated(GameState& state) {
    state.Facilitato = !state.Facilitato;
    return state.Facilitato;
}

void chooseMode(GameState& state, Mode mode) {
    if (mode >= Mode::OnlySums && mode <= Mode::SumsAndProducts)
        state.Operazioni = mode;
}

bool chooseLargest(GameState& state, int largest) {
    if (largest < LowestLargestStep || largest > HighestLargestStep)
        return false;
    state.Massimo = static_cast<Int16>(largest);
    return true;
}

} // namespace ortambra::rules
