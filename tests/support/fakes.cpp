#include "fakes.h"

#include <cmath>

namespace ortambra::testing {

MessageBoxes::Answer FakeMessageBoxes::show(QWidget*, const QString& title, const QString& text,
                                            Buttons buttons) {
    shown.push_back({title, text, buttons});
    return answer;
}

TestPlatform::TestPlatform(std::mt19937::result_type seed, QLocale locale)
    : random(seed), platform{random,
                             messages,
                             [] { return QDate(2026, 12, 7); },
                             std::move(locale),
                             [this] { ++quits; },
                             printing,
                             screen} {}

} // namespace ortambra::testing
