#pragma once

#include "engine/game_state.h"

#include <QString>
#include <QStringList>
#include <array>
#include <utility>

namespace ortambra::report_text {

// Texts that the results view and the printed report share.

// " 3 Difficoltà Bassa;  0 Difficoltà Media;  1 Difficoltà Alta."
QString difficultyLine(const GameState& state);
// The exercises that have a row in the tables: 1 ... this.
int lastArchived(const GameState& state);
QString blanks(int count);

// The summary's six counter lines, from the exercises proposed to the clean successes; each but
// the difficulty line starts with `indent`.
QStringList counterLines(const GameState& state, const QString& indent);

// Exercise n's block but its series row, which follows the first line: the title, the answer,
// the wrong attempts and the facilitated and help notes, each after `indent`.
QStringList exerciseLines(const GameState& state, int n, const QString& indent);

// How the screen or the paper spaces a series row.
struct SeriesSpacing {
    int indent = 0; // blanks before the start value
    std::array<int, SeriesLength> beforeStep{};
    std::array<int, SeriesLength> afterStep{};
    int breakAfter = SeriesLength; // the position whose "=" ends the first text; none by default
};

// Exercise n's series: the start value, then each position's operator, step, "=" and number,
// positions ten blanks apart. The second text is what follows the break, empty without one.
std::pair<QString, QString> seriesRow(const GameState& state, int n, const SeriesSpacing& spacing);

} // namespace ortambra::report_text
