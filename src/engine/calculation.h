#pragma once

#include "int16.h"

#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

namespace ortambra {

// The calculator's operations, numbered and named as its list shows them.
enum class CalculatorOperation : Int16 { Per = 0, Piu = 1, Meno = 2, Diviso = 3 };

// The operation at the list's index; none while the list's text is no entry (-1) or past it.
std::optional<CalculatorOperation> calculatorOperation(int listIndex);

// a × b, a + b, a − b or a ÷ b. No value when the result is no finite number (a division by
// zero, 0 ÷ 0, an overflow) or would round past the largest double at the 15 digits the display
// shows.
std::optional<double> calculate(CalculatorOperation operation, double a, double b);

// The result as the display shows it: the locale's general number format with its own decimal
// sign, at most 15 significant digits, no thousands separator.
QString calculatorText(double value, const QLocale& locale);

} // namespace ortambra
