#include "random_source.h"

#include <chrono>

namespace ortambra {

MersenneSource::MersenneSource() {
    std::random_device device;
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seeds{device(), device(), static_cast<unsigned>(ticks),
                        static_cast<unsigned>(static_cast<unsigned long long>(ticks) >> 32)};
    generator_.seed(seeds);
}

float MersenneSource::next() {
    // 24 random bits scaled by 2^-24: exact in a float and always below 1.
    // (std::generate_canonical<float> can return 1.0 in libstdc++.)
    return static_cast<float>(generator_() >> 8) * 0x1p-24f;
}

} // namespace ortambra
