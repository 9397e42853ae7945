#pragma once

#include "int16.h"
#include "random_source.h"

#include <QString>
#include <array>

namespace ortambra {

enum class Operator : Int16 { Sum = 1, Product = 2 };

// Operation mode, which is also the difficulty.
enum class Mode : Int16 { OnlySums = 1, OnlyProducts = 2, SumsAndProducts = 3 };

// Every series has six numbers.
inline constexpr int SeriesLength = 6;
// The largest step the pupil can choose lies in this range.
inline constexpr int LowestLargestStep = 2;
inline constexpr int HighestLargestStep = 10;

// One exercise: six numbers built by repeating a rhythm of 2 or 3 steps; one of the first five is
// hidden. A pure value, so the window's captions and the archive are rendered from the same data.
struct Series {
    Int16 Posizione_Mancante = 0; // the hidden position, 0 ... 4
    Int16 Ritmo = 2;              // steps per cycle: 2 (Triplo) or 3 (Doppio)
    std::array<Int16, 3> Passi{};
    std::array<Operator, 3> Operazione{};
    std::array<double, SeriesLength> Numeri{};

    Int16 stepAt(int k) const { return Passi[at(k % Ritmo)]; }
    Operator opAt(int k) const { return Operazione[at(k % Ritmo)]; }
    // The value before x0: 1 when the first step is a product, else 0.
    int startValue() const { return Operazione[0] == Operator::Product ? 1 : 0; }
};

// The individual draws, each from one uniform value 0 <= u < 1, in single precision as the game
// has always computed them.
Int16 drawHidden(float u);            // Int(u * 5)
Int16 drawRhythm(float u);            // Nearest(u + 2), halves to even
Int16 drawStep(float u, int largest); // Int(N * u + 1), N as a float
Operator drawOperator(float u);       // Nearest(u + 1), halves to even: 1 a sum, 2 a product

// Draws in the fixed order h, R, then per step of the first cycle s_j and (mixed mode only) o_j.
Series drawSeries(Mode mode, int largest, RandomSource& random);

QString operatorCaption(Operator op);

} // namespace ortambra
