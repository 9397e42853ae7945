// The calculator's arithmetic and display: the result of every operation on any two operands
// typed as text is either refused or is the correctly rounded double, and what the display
// shows in each locale is that result at the 15 digits shown. The reference computes in
// 113-bit binary128 and rounds once to double: with more than twice the double's 53 bits that
// second rounding never differs from the direct one for these four operations. It refuses what
// is no finite double or what printf's 15 digits would write past the largest one.
#include "engine/calculation.h"
#include "engine/number_text.h"

#include <QLocale>
#include <QString>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

[[noreturn]] void fail(const char* what, int operation, double a, double b, const QString& text) {
    std::fprintf(stderr, "%s: operation %d, a %.17g, b %.17g, text \"%s\"\n", what, operation, a, b,
                 text.toUtf8().constData());
    std::abort();
}

std::optional<double> reference(int operation, double a, double b) {
    const __float128 x = a;
    const __float128 y = b;
    __float128 exact = 0;
    switch (operation) {
    case 0: exact = x * y; break;
    case 1: exact = x + y; break;
    case 2: exact = x - y; break;
    case 3:
        if (b == 0.0)
            return std::nullopt;
        exact = x / y;
        break;
    default: return std::nullopt;
    }
    const double result = static_cast<double>(exact);
    if (!std::isfinite(result))
        return std::nullopt;
    char shown[64];
    std::snprintf(shown, sizeof shown, "%.14e", result);
    if (!std::isfinite(std::strtod(shown, nullptr)))
        return std::nullopt;
    return result == 0.0 ? 0.0 : result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::setlocale(LC_ALL, "C");
    if (size < 2 || size > 256)
        return 0;
    // First byte: the operation (a few indices beyond the list too); the rest: "a|b" as typed.
    const int operation = static_cast<int>(data[0] % 6) - 1;
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                            static_cast<qsizetype>(size - 1));
    const qsizetype bar = typed.indexOf(u'|');
    const double a = ortambra::readNumber(typed.left(bar), ortambra::Blanks::Leading);
    const double b =
        bar < 0 ? 0.0 : ortambra::readNumber(typed.mid(bar + 1), ortambra::Blanks::Leading);

    const auto known = ortambra::calculatorOperation(operation);
    const auto result = known ? ortambra::calculate(*known, a, b) : std::nullopt;
    const auto expected = reference(operation, a, b);
    if (result.has_value() != expected.has_value())
        fail(result ? "computed what should be refused" : "refused a result", operation, a, b, {});
    if (!result)
        return 0;
    if (*result != *expected || (*result == 0.0 && std::signbit(*result)))
        fail("result differs", operation, a, b, QString::number(*expected, 'g', 17));

    // Exact ties at the 15th digit may round either way (10000000000000.25 shows as ...0.2 or
    // ...0.3), and reading each text back rounds once more to the nearest double.
    const double shown = ortambra::readNumber(ortambra::generalText(*result));
    const double tolerance = std::abs(shown) * (1e-14 + 4 * DBL_EPSILON);
    for (const QLocale& locale :
         {QLocale::c(), QLocale(QLocale::Italian, QLocale::Italy), QLocale(QLocale::German),
          QLocale(QLocale::French, QLocale::France), QLocale(QLocale::Arabic, QLocale::Egypt)}) {
        const QString text = ortambra::calculatorText(*result, locale);
        if (text.contains(locale.groupSeparator()) && !locale.groupSeparator().isEmpty())
            fail("group separator", operation, a, b, text);
        // Qt cannot read back the exponent form it writes in some scripts (Arabic): the game
        // keeps the shown value as a number, so only readable displays are compared.
        bool readable = false;
        const double back = locale.toDouble(text, &readable);
        if (readable && std::abs(back - shown) > tolerance)
            fail("display shows another number", operation, a, b, text);
        if (!readable && locale.language() != QLocale::Arabic)
            fail("display does not read back", operation, a, b, text);
    }
    return 0;
}
