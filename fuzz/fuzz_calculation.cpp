// The calculator's arithmetic and display: the result of every operation on any two operands
// typed as text is either refused or is the plain double arithmetic, and what the display
// shows in each locale is that result at the 15 digits shown.
#include "engine/calculation.h"
#include "engine/number_text.h"

#include <QLocale>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what, int operation, double a, double b, const QString& text) {
    std::fprintf(stderr, "%s: operation %d, a %.17g, b %.17g, text \"%s\"\n", what, operation, a,
                 b, text.toUtf8().constData());
    std::abort();
}

double plain(int operation, double a, double b) {
    switch (operation) {
    case 0: return a * b;
    case 1: return a + b;
    case 2: return a - b;
    default: return a / b;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2 || size > 256)
        return 0;
    // First byte: the operation (a few indices beyond the list too); the rest: "a|b" as typed.
    const int operation = static_cast<int>(data[0] % 6) - 1;
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                            static_cast<qsizetype>(size - 1));
    const qsizetype bar = typed.indexOf(u'|');
    const double a = ortambra::readNumber(typed.left(bar), ortambra::Blanks::Leading);
    const double b = bar < 0 ? 0.0 : ortambra::readNumber(typed.mid(bar + 1), ortambra::Blanks::Leading);

    const auto result = ortambra::calculate(operation, a, b);
    if (operation < 0 || operation > 3) {
        if (result)
            fail("an index outside the list computed", operation, a, b, {});
        return 0;
    }
    const double expected = plain(operation, a, b);
    if (!result) {
        if (std::isfinite(expected) && !(operation == 3 && b == 0.0) && std::abs(expected) < 1e308)
            fail("a finite result refused", operation, a, b, {});
        return 0;
    }
    if (!std::isfinite(*result) || *result != (expected == 0.0 ? 0.0 : expected))
        fail("result differs", operation, a, b, {});

    // Exact ties at the 15th digit may round either way.
    const double shown = ortambra::readNumber(ortambra::generalText(*result));
    const double tolerance = std::abs(shown) * 1e-14;
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
