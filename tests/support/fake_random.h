#pragma once

#include "engine/random_source.h"

#include <cmath>
#include <deque>
#include <initializer_list>
#include <random>

namespace ortambra::testing {

// Hands out the given draws in order, then falls back to a seeded generator, so a test can pin
// the draws it cares about and still play on.
class FakeRandom final : public RandomSource {
  public:
    explicit FakeRandom(std::mt19937::result_type seed = 1) : fallback_(seed) {}
    void push(std::initializer_list<float> draws) { queued_.insert(queued_.end(), draws); }
    float next() override;
    int drawsTaken() const { return taken_; }

  private:
    std::deque<float> queued_;
    MersenneSource fallback_;
    int taken_ = 0;
};

// The largest float below 1, the top of every draw.
inline const float almostOne = std::nextafter(1.0f, 0.0f);

} // namespace ortambra::testing
