// The general and Str texts against printf's "%.15G" in the "C" locale, and the number reader
// against strtod, on numbers typed from their parts: a sign, up to 25 digits, a decimal point
// anywhere among them and an exponent across the whole double range and beyond. The raw bytes
// of a double are tried too, so that every finite value can turn up.
#include "engine/number_text.h"

#include <QString>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

[[noreturn]] void fail(const char* what, double value, const QString& got,
                       const QString& expected) {
    std::fprintf(stderr, "%s: value %.17g, got \"%s\", expected \"%s\"\n", what, value,
                 got.toUtf8().constData(), expected.toUtf8().constData());
    std::abort();
}

QString printfGeneral(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value == 0.0 ? 0.0 : value);
    return QString::fromLatin1(buffer);
}

// Finite as the reader promises: beyond the range the largest double, below it zero.
double strtodClamped(const std::string& text) {
    const double value = std::strtod(text.c_str(), nullptr);
    return std::isinf(value) ? std::copysign(DBL_MAX, value) : value;
}

void checkTexts(double value) {
    const QString expected = printfGeneral(value);
    const QString general = ortambra::generalText(value);
    if (general != expected)
        fail("general text", value, general, expected);
    const QString str = ortambra::strText(value);
    const QString expectedStr = expected.startsWith(u'-') ? expected : u' ' + expected;
    if (str != expectedStr)
        fail("Str text", value, str, expectedStr);
    // What the game writes it reads back as the value at 15 digits, in either text.
    const double shown = strtodClamped(expected.toStdString());
    if (ortambra::readNumber(general) != shown || ortambra::readNumber(str) != shown)
        fail("read back", value, general, expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::setlocale(LC_ALL, "C");
    FuzzedDataProvider in(data, size);
    if (in.ConsumeBool()) {
        double value = 0.0;
        const auto bytes = in.ConsumeBytes<std::uint8_t>(sizeof value);
        if (!bytes.empty())
            std::memcpy(&value, bytes.data(), bytes.size());
        if (std::isfinite(value))
            checkTexts(value);
        return 0;
    }
    std::string typed;
    if (in.ConsumeBool())
        typed += in.ConsumeBool() ? '-' : '+';
    const int digits = in.ConsumeIntegralInRange(1, 25);
    const int point = in.ConsumeIntegralInRange(-1, digits);
    for (int i = 0; i < digits; ++i) {
        if (i == point)
            typed += '.';
        // Mostly nines and zeros, where rounding carries and trailing zeros go.
        const auto d = in.ConsumeIntegralInRange(0, 13);
        typed += static_cast<char>('0' + (d >= 10 ? (d == 10 ? 0 : 9) : d));
    }
    if (point == digits)
        typed += '.';
    if (in.ConsumeBool()) {
        typed += in.ConsumeBool() ? 'E' : 'e';
        const int exponent = in.ConsumeIntegralInRange(-345, 330);
        if (exponent >= 0 && in.ConsumeBool())
            typed += '+';
        typed += std::to_string(exponent);
    }
    const double expected = strtodClamped(typed);
    const QString text = QString::fromLatin1(typed);
    const double read = ortambra::readNumber(text);
    if (read != expected || std::signbit(read) != std::signbit(expected))
        fail("number reader", expected, QString::number(read, 'g', 17), text);
    checkTexts(expected);
    return 0;
}
