#pragma once

#include <QFont>
#include <QStringList>

class QLabel;

namespace ortambra {

// How a label shows a number too wide for it: in a smaller font, never below `minimumPoints`,
// broken over at most `maxLines` lines where one is not enough. The label's own font keeps the
// layout's size; only the drawing changes, and only while the number does not fit.
struct NumberFit {
    double minimumPoints = 1.0;
    int maxLines = 1;
};

struct FittedText {
    QFont font;
    QStringList lines; // the text broken as it is drawn
};

// The font and lines `label` draws its text with: its own font on one line when the text fits.
FittedText fittedText(const QLabel* label, const NumberFit& fit);

// Makes `label` draw every number whole (see NumberFit).
void fitNumbers(QLabel* label, NumberFit fit = {});

} // namespace ortambra
