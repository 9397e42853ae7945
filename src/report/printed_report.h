#pragma once

#include "engine/game_state.h"
#include "engine/shared_values.h"
#include "printer.h"

#include <QDate>
#include <QLocale>
#include <utility>
#include <vector>

namespace ortambra {

// The printed series row of exercise n, as the two texts of one statement: the first ends with
// the "=" of the third position.
std::pair<QString, QString> printedSeriesRow(const GameState& state, int n);

// One copy of the report: header, summary, a block per exercise, and the page break that ends
// every copy. As for the results view, refresh Indovinate_Pulite first.
std::vector<PrintStatement> reportCopy(const GameState& state, const SharedValues& player,
                                       QDate date, const QLocale& locale);

// The whole document: Arial 12 at the top left, `copies` passes over the report, end of
// document. No copy count is left to the printer, so each copy is printed exactly once.
void printReport(Printer& printer, const GameState& state, const SharedValues& player, QDate date,
                 const QLocale& locale, int copies);

} // namespace ortambra
