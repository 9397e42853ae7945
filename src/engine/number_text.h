#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>

namespace ortambra {

enum class Blanks {
    Anywhere, // the answer box: "7 7" reads as 77
    Leading,  // the calculator's operands: blanks only before the number
};

// The value of the longest leading part of `text` that reads as a decimal number: optional sign,
// digits, optional "." fraction, optional exponent. No number reads as 0. Never depends on the
// locale, never accepts inf, nan or hex; a value beyond the double range becomes the largest
// finite double of its sign, so the result is always finite.
double readNumber(QStringView text, Blanks blanks = Blanks::Anywhere);

// Up to 15 significant digits, "." as decimal point, no grouping, exponent form ("1E+15") for
// very large or small magnitudes; "-" before a negative value and nothing before the others.
QString generalText(double value);

// The game's number text for reports and feedback: generalText with one blank before a value of
// zero or more.
QString strText(double value);

// Digits alone, as the exercise number is shown in the results.
QString plainText(int value);

// Full weekday name in the given locale's language, then day, month, year joined by commas:
// "lunedì,07,12,2026".
QString dateText(QDate date, const QLocale& locale);

} // namespace ortambra
