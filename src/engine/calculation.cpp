#include "calculation.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace ortambra {

namespace {

constexpr int ShownDigits = 15;

// The largest finite results round up past the largest double once cut to 15 digits, and the
// display could then show a number the program cannot hold.
bool showable(double value) {
    if (std::abs(value) < 1.0)
        return true; // rounding a small magnitude never leaves the range
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::general, ShownDigits);
    double back = 0.0;
    const auto read = std::from_chars(buffer.data(), written.ptr, back);
    return read.ec == std::errc{} && std::isfinite(back);
}

} // namespace

std::optional<CalculatorOperation> calculatorOperation(int listIndex) {
    if (listIndex < 0 || listIndex > static_cast<int>(CalculatorOperation::Diviso))
        return std::nullopt;
    return static_cast<CalculatorOperation>(listIndex);
}

std::optional<double> calculate(CalculatorOperation operation, double a, double b) {
    double result = 0.0;
    switch (operation) {
    case CalculatorOperation::Per: result = a * b; break;
    case CalculatorOperation::Piu: result = a + b; break;
    case CalculatorOperation::Meno: result = a - b; break;
    case CalculatorOperation::Diviso:
        if (b == 0.0)
            return std::nullopt; // a ÷ 0 and 0 ÷ 0 alike
        result = a / b;
        break;
    }
    if (!std::isfinite(result) || !showable(result))
        return std::nullopt;
    return result == 0.0 ? 0.0 : result; // no "-0" on the display
}

QString calculatorText(double value, const QLocale& locale) {
    QLocale display = locale;
    display.setNumberOptions(display.numberOptions() | QLocale::OmitGroupSeparator);
    return display.toString(value == 0.0 ? 0.0 : value, 'g', ShownDigits);
}

} // namespace ortambra
