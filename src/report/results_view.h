#pragma once

#include "engine/game_state.h"
#include "engine/shared_values.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace ortambra {

// The texts of the results view, built from the game's state alone. The state's
// Indovinate_Pulite is shown as it is: refresh it first.

// The eight summary lines, separated by a bare carriage return.
QString resultsSummary(const GameState& state, const SharedValues& player, QDate date,
                       const QLocale& locale);

// The list rows: date, name, class, an empty row, then seven rows per exercise.
QStringList resultsRows(const GameState& state, const SharedValues& player, QDate date,
                        const QLocale& locale);

// The series row of exercise n as the list shows it.
QString resultsSeriesRow(const GameState& state, int n);

} // namespace ortambra
