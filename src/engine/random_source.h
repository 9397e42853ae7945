#pragma once

#include <random>

namespace ortambra {

// Uniform single-precision draws 0 <= u < 1, the only randomness the game has.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// Seeded once per run: re-seeding before every draw would repeat values within one clock tick.
class MersenneSource final : public RandomSource {
  public:
    MersenneSource();
    explicit MersenneSource(std::mt19937::result_type seed) : generator_(seed) {}
    float next() override;

  private:
    std::mt19937 generator_;
};

} // namespace ortambra
