#pragma once

#include "game_state.h"
#include "random_source.h"
#include "series.h"

#include <QString>
#include <optional>

// What the game's events do to its state record. The main window calls these and renders what
// they return; nothing here knows about windows.
namespace ortambra::rules {

// Starts the next exercise: numbers it, counts it by mode and facilitated mode, marks its
// facilitated note, draws its series into `state.Serie` and files it in the archive. Returns
// false, with nothing changed, once the tables hold their 100 exercises.
bool startExercise(GameState& state, RandomSource& random);

enum class Verdict {
    Ignored, // no exercise yet, or the text reads as 0: no series holds a 0
    Right,
    Wrong,
};

struct AnswerOutcome {
    Verdict verdict = Verdict::Ignored;
    QString feedback; // the feedback label's caption; empty when ignored
};

// Judges the answer box's text against the caption of the hidden number's label, and counts
// the attempt in the counters and the exercise's row.
AnswerOutcome giveAnswer(GameState& state, const QString& typed, const QString& hiddenCaption);

// The feedback for a wrong answer: the typed value rounded half to even, with the game's sign
// blank, then "  Non è esatto!".
QString wrongAnswerCaption(double typed);

// The typed value rounded half to even, when it fits in 16 bits.
std::optional<Int16> wrongNumber(double typed);

// The partial help or the solution was shown: one more help request, noted on the exercise.
// Before the first exercise it counts nothing.
void recordHelp(GameState& state);

// The facilitated toggle; returns the new mode.
bool toggleFacilitated(GameState& state);

// The settings menus; the exercise on screen keeps its series. A largest step outside its range
// is refused (false) and changes nothing.
void chooseMode(GameState& state, Mode mode);
bool chooseLargest(GameState& state, int largest);

} // namespace ortambra::rules
