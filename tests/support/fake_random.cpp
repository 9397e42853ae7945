#include "fake_random.h"

namespace ortambra::testing {

float FakeRandom::next() {
    ++taken_;
    if (queued_.empty())
        return fallback_.next();
    const float u = queued_.front();
    queued_.pop_front();
    return u;
}

} // namespace ortambra::testing
