// The general and Str texts of any finite double: at most 15 significant digits, "." as the only
// separator, the Str text's leading blank exactly for values >= 0, and reading the text back
// gives the value to 15 digits, and exactly the same value a second time round.
#include "engine/number_text.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void fail(const char* what, double value, const QString& text) {
    std::fprintf(stderr, "%s: value %.17g, text \"%s\"\n", what, value, text.toUtf8().constData());
    std::abort();
}

int significantDigits(const QString& text) {
    int digits = 0;
    bool started = false;
    for (QChar c : text) {
        if (c == u'E')
            break;
        if (c >= u'1' && c <= u'9')
            started = true;
        if (started && c.isDigit())
            ++digits;
    }
    return digits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double value = 0.0;
    if (size < sizeof value)
        return 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return 0;

    const QString general = ortambra::generalText(value);
    const QString str = ortambra::strText(value);
    if (general.contains(u',') || general.contains(u' ') || (value == 0.0 && general != u"0"))
        fail("separator or minus zero", value, general);
    if (significantDigits(general) > 15)
        fail("more than 15 significant digits", value, general);
    if (str != (value >= 0.0 ? u' ' + general : general))
        fail("str text sign", value, str);

    const double back = ortambra::readNumber(general);
    // Half a unit in the 15th significant digit, with a little room for the binary rounding.
    const double tolerance = std::abs(value) * 5.1e-15;
    if (std::abs(back - value) > tolerance && !(std::abs(value) < 1e-300))
        fail("read back", value, general);
    if (ortambra::generalText(back) != general || ortambra::readNumber(str) != back)
        fail("second round", value, general);
    return 0;
}
