#include "series.h"

#include <QString>
#include <algorithm>
#include <cfloat>
#include <cmath>

// The draws round to single precision at every step, as the game always has; a target that
// computes floats wider (x87) would draw other values. Contraction into fused multiply-adds is
// off for the whole build.
static_assert(FLT_EVAL_METHOD == 0, "the draws need float arithmetic evaluated as float");

namespace ortambra {

namespace {

Int16 toInt16(float value) { return static_cast<Int16>(value); }

} // namespace

Int16 drawHidden(float u) {
    const float scaled = u * 5.0f;
    return toInt16(std::floor(scaled));
}

Int16 drawRhythm(float u) {
    const float shifted = u + 2.0f;
    return toInt16(std::nearbyint(shifted));
}

Int16 drawStep(float u, int largest) {
    const float scaled = static_cast<float>(largest) * u;
    const float shifted = scaled + 1.0f;
    // For N = 2, 4 and 8 the single-precision sum rounds the very top draw up to N + 1; that one
    // value is held at N so a step never leaves 1 ... N.
    return toInt16(std::min(std::floor(shifted), static_cast<float>(largest)));
}

Operator drawOperator(float u) {
    const float shifted = u + 1.0f;
    return std::nearbyint(shifted) == 1.0f ? Operator::Sum : Operator::Product;
}

Series drawSeries(Mode mode, int largest, RandomSource& random) {
    Series s;
    s.Posizione_Mancante = drawHidden(random.next());
    s.Ritmo = drawRhythm(random.next());
    // The first cycle is computed in 16-bit arithmetic; at most 10^3, far inside the range.
    int current = 0;
    for (std::size_t j = 0; j < at(s.Ritmo); ++j) {
        s.Passi[j] = drawStep(random.next(), largest);
        s.Operazione[j] = mode == Mode::OnlySums       ? Operator::Sum
                          : mode == Mode::OnlyProducts ? Operator::Product
                                                       : drawOperator(random.next());
        if (s.Operazione[j] == Operator::Sum) {
            current += s.Passi[j];
        } else {
            if (current == 0)
                current = 1;
            current *= s.Passi[j];
        }
        s.Numeri[j] = current;
    }
    for (int k = s.Ritmo; k < SeriesLength; ++k) {
        const auto previous = s.Numeri[at(k - 1)];
        s.Numeri[at(k)] =
            s.opAt(k) == Operator::Sum ? previous + s.stepAt(k) : previous * s.stepAt(k);
    }
    return s;
}

QString operatorCaption(Operator op) {
    return op == Operator::Sum ? QStringLiteral("+") : QStringLiteral("x");
}

} // namespace ortambra
