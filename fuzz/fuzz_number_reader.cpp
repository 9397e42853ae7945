// The number reader against a reference built from a regular expression and strtod in the "C"
// locale: both must agree on every input, and the result must always be finite.
#include "engine/number_text.h"

#include <QString>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

using ortambra::Blanks;

namespace {

double reference(const QString& text, Blanks blanks) {
    std::string ascii;
    bool leading = true;
    for (QChar c : text) {
        const bool blank = c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
        if (blank && (leading || blanks == Blanks::Anywhere))
            continue;
        leading = false;
        // Anything outside ASCII ends a number, as does a control character.
        ascii.push_back(c.unicode() < 128 && c.unicode() >= 32 ? static_cast<char>(c.unicode())
                                                               : '#');
    }
    static const std::regex number(R"(^[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
    std::smatch match;
    if (!std::regex_search(ascii, match, number))
        return 0.0;
    const double value = std::strtod(match.str(0).c_str(), nullptr);
    if (std::isinf(value))
        return std::copysign(DBL_MAX, value);
    return value == 0.0 ? 0.0 * value : value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::setlocale(LC_ALL, "C");
    if (size > 4096)
        return 0;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (Blanks blanks : {Blanks::Anywhere, Blanks::Leading}) {
        const double read = ortambra::readNumber(text, blanks);
        const double expected = reference(text, blanks);
        if (!std::isfinite(read) || read != expected) {
            std::fprintf(stderr, "read %.17g, reference %.17g, mode %d, text \"%s\"\n", read,
                         expected, static_cast<int>(blanks), text.toUtf8().constData());
            std::abort();
        }
    }
    return 0;
}
