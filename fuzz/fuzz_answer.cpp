// The answer box: Enter on any text, in any state of the game, against a reference written from
// the rule. The text reads as the longest leading decimal number with "." and blanks ignored
// (else 0, which is ignored); the same value as the hidden number is right; any other is a wrong
// attempt, counted once per exercise in Esercizi_Errati, kept rounded half to even in
// Numero_Errato when it fits in 16 bits, and shown rounded with the Str text's sign blank before
// "  Non è esatto!". Numbers are read with strtod and written with printf in the "C" locale.
#include "engine/rules.h"

#include <QString>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <regex>
#include <string>

using namespace ortambra;

namespace {

double referenceRead(const QString& text) {
    std::string ascii;
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r')
            continue; // blanks anywhere: "7 7" is 77
        ascii.push_back(c.unicode() >= 32 && c.unicode() < 128 ? static_cast<char>(c.unicode())
                                                               : '#');
    }
    static const std::regex number(R"(^[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
    std::smatch match;
    if (!std::regex_search(ascii, match, number))
        return 0.0;
    const double value = std::strtod(match.str(0).c_str(), nullptr);
    return std::isinf(value) ? std::copysign(DBL_MAX, value) : value;
}

// Halves to the even neighbour, from the whole part and the exact remainder.
double halfEven(double v) {
    const double whole = std::trunc(v);
    const double rest = std::fabs(v - whole); // exact: same sign, less than one apart
    const double away = whole + (v < 0 ? -1.0 : 1.0);
    if (rest < 0.5)
        return whole;
    if (rest > 0.5)
        return away;
    return std::fmod(whole, 2.0) == 0.0 ? whole : away;
}

std::optional<Int16> sixteenBits(double rounded) {
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<Int16>(rounded);
}

QString caption(double rounded) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", rounded == 0.0 ? 0.0 : rounded);
    const QString text = QString::fromLatin1(buffer);
    return (text.startsWith(u'-') ? text : u' ' + text) + QStringLiteral("  Non è esatto!");
}

void plusOne(Int16& counter) {
    if (counter < 32767)
        ++counter;
}

// The whole state the answer may touch, as text, to compare and to show.
QString fields(const GameState& s) {
    QString t = QStringLiteral("num %1 right %2 errors %3 failed %4 counted %5 wrong %6 helps %7")
                    .arg(s.Num_Esercizio)
                    .arg(s.Indovinati)
                    .arg(s.Errori)
                    .arg(s.Esercizi_Errati)
                    .arg(s.Errore_Contato)
                    .arg(s.Numero_Errato)
                    .arg(s.Aiuti);
    for (std::size_t n = 0; n < s.Risposte.size(); ++n) {
        if (s.Risposte[n] != 0.0 || s.Errori_Esercizio[n] != 0)
            t += QStringLiteral(" | %1: %2 %3")
                     .arg(n)
                     .arg(s.Risposte[n], 0, 'g', 17)
                     .arg(s.Errori_Esercizio[n]);
    }
    return t;
}

[[noreturn]] void fail(const char* what, const QString& typed, const QString& got,
                       const QString& expected) {
    std::fprintf(stderr, "%s, typed \"%s\":\n  got      %s\n  expected %s\n", what,
                 typed.toUtf8().constData(), got.toUtf8().constData(),
                 expected.toUtf8().constData());
    std::abort();
}

// A number as a pupil might type it: blanks anywhere, a sign, digits, a point, an exponent,
// and whatever follows.
QString typedNumber(FuzzedDataProvider& in) {
    static const char pieces[] = "0123456789999900000.+-eE  \t";
    std::string t;
    const int length = in.ConsumeIntegralInRange(0, 40);
    for (int i = 0; i < length; ++i)
        t += pieces[in.ConsumeIntegralInRange<std::size_t>(0, sizeof pieces - 2)];
    return QString::fromLatin1(t) + QString::fromUtf8(in.ConsumeRandomLengthString(6));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::setlocale(LC_ALL, "C");
    FuzzedDataProvider in(data, size);
    GameState state;
    state.Num_Esercizio = in.ConsumeIntegralInRange<Int16>(0, 100);
    state.Errore_Contato = in.ConsumeBool();
    for (Int16* counter : {&state.Indovinati, &state.Errori, &state.Esercizi_Errati,
                           &state.Numero_Errato, &state.Aiuti})
        *counter =
            in.ConsumeBool() ? in.ConsumeIntegral<Int16>() : in.ConsumeIntegralInRange<Int16>(0, 9);
    const auto n = static_cast<std::size_t>(state.Num_Esercizio);
    state.Errori_Esercizio[n] = in.ConsumeIntegralInRange<Int16>(0, 32767);
    const QString hidden =
        in.ConsumeBool() ? QString::number(in.ConsumeIntegralInRange(1, 1000000)) : typedNumber(in);
    const QString typed =
        in.ConsumeBool() ? typedNumber(in) : QString::fromUtf8(in.ConsumeRandomLengthString(64));

    GameState expected = state;
    const double value = referenceRead(typed);
    QString feedback;
    if (state.Num_Esercizio >= 1 && value != 0.0) {
        if (referenceRead(hidden) == value) {
            plusOne(expected.Indovinati);
            expected.Risposte[n] = value;
            expected.Errore_Contato = false;
            feedback = QStringLiteral("Indovinato!");
        } else {
            const double rounded = halfEven(value);
            if (const auto kept = sixteenBits(rounded))
                expected.Numero_Errato = *kept;
            plusOne(expected.Errori);
            if (!expected.Errore_Contato)
                plusOne(expected.Esercizi_Errati);
            plusOne(expected.Errori_Esercizio[n]);
            expected.Errore_Contato = true;
            feedback = caption(rounded);
        }
    }

    const rules::AnswerOutcome outcome = rules::giveAnswer(state, typed, hidden);
    if (outcome.feedback != feedback)
        fail("feedback", typed, outcome.feedback, feedback);
    const auto verdict = feedback.isEmpty()                          ? rules::Verdict::Ignored
                         : feedback == QStringLiteral("Indovinato!") ? rules::Verdict::Right
                                                                     : rules::Verdict::Wrong;
    if (outcome.verdict != verdict)
        fail("verdict", typed, QString::number(static_cast<int>(outcome.verdict)),
             QString::number(static_cast<int>(verdict)));
    if (fields(state) != fields(expected))
        fail("state", typed, fields(state), fields(expected));

    // The two helpers on their own, for any value the box can hold.
    const double rounded = halfEven(value);
    if (rules::wrongAnswerCaption(value) != caption(rounded))
        fail("caption", typed, rules::wrongAnswerCaption(value), caption(rounded));
    if (rules::wrongNumber(value) != sixteenBits(rounded))
        fail("16-bit value", typed, QString::number(rules::wrongNumber(value).value_or(-1)),
             QString::number(sixteenBits(rounded).value_or(-1)));
    return 0;
}
