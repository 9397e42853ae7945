#pragma once

#include "int16.h"
#include "random_source.h"

#include <QString>
#include <array>

namespace ortambra {

enum Operator : Int16 { Sum = 1, Product = 2 };

// Operation mode, which is also the difficulty.
enum Mode : Int16 { OnlySums = 1, OnlyProducts = 2, SumsAndProducts = 3 };

// One exercise: six numbers built by repeating a rhythm of 2 or 3 steps; one of the first five is
// hidden. A pure value, so the window's captions and the archive are rendered from the same data.
struct Series {
    Int16 Posizione_Mancante = 0; // the hidden position, 0 ... 4
    Int16 Ritmo = 2;              // steps per cycle: 2 (Triplo) or 3 (Doppio)
    std::array<Int16, 3> Passi{};
    std::array<Int16, 3> Operazione{}; // Sum or Product
    std::array<double, 6> Numeri{};

    Int16 stepAt(int k) const { return Passi[static_cast<std::size_t>(k % Ritmo)]; }
    Int16 opAt(int k) const { return Operazione[static_cast<std::size_t>(k % Ritmo)]; }
    // The value before x0: 1 when the first step is a product, else 0.
    int startValue() const { return Operazione[0] == Product ? 1 : 0; }
};

// The individual draws, each from one uniform value 0 <= u < 1, in single precision as the game
// has always computed them.
Int16 drawHidden(float u);            // Int(u * 5)
Int16 drawRhythm(float u);            // Nearest(u + 2), halves to even
Int16 drawStep(float u, int largest); // Int(N * u + 1), N as a float
Int16 drawOperator(float u);          // Nearest(u + 1), halves to even

// Draws in the fixed order h, R, then per step of the first cycle s_j and (mixed mode only) o_j.
Series drawSeries(Mode mode, int largest, RandomSource& random);

QString operatorCaption(Int16 op);

} // namespace ortambra
