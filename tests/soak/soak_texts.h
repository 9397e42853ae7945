#pragma once

#include "report/printer.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace ortambra::soak {

// What the soak expects of one exercise, kept from what the pupil saw and did.
struct ExpectedExercise {
    // The series as the labels showed it right after "Via": start value, then per position the
    // operator, the step and the number.
    QString start;
    std::array<QString, 6> ops, steps, numbers;
    int hidden = 0;
    double answer = 0.0;
    int wrong = 0;
    bool facilitated = false;
    bool helped = false;
};

// The soak's own count of the game, written from the game's rules: every counter saturates at
// the top of 16 bits.
struct Tally {
    static constexpr int Top = 32767;
    static void bump(int& counter) {
        if (counter < Top)
            ++counter;
    }

    int exercises = 0, right = 0, wrong = 0, failed = 0, helps = 0, facilitated = 0;
    std::array<int, 3> perMode{}; // Bassa, Media, Alta
    std::array<ExpectedExercise, 101> rows{};
    QString nome, classe;

    int clean() const { return std::max(0, right - failed - helps); }
};

// A name or class as every view shows it: each control character and each line or paragraph
// separator as one blank.
QString shownName(const QString& text);

QString expectedSummary(const Tally& tally);
QStringList expectedRows(const Tally& tally);
// The whole document for a print with `copies` copies; nothing at all when cancelled.
std::vector<PrintStatement> expectedPrint(const Tally& tally, std::optional<int> copies);

} // namespace ortambra::soak
