#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace ortambra {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Walks the text while skipping blanks where the mode allows them.
class Scanner {
  public:
    Scanner(QStringView text, Blanks blanks) : text_(text), blanks_(blanks) { skipLeading(); }

    QChar peek() {
        skipInner();
        return pos_ < text_.size() ? text_[pos_] : QChar{};
    }
    void take(std::string& out) {
        out.push_back(static_cast<char>(text_[pos_].unicode()));
        ++pos_;
    }
    qsizetype position() const { return pos_; }
    void rewind(qsizetype pos) { pos_ = pos; }

  private:
    void skipLeading() {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }
    void skipInner() {
        if (blanks_ == Blanks::Anywhere)
            skipLeading();
    }

    QStringView text_;
    Blanks blanks_;
    qsizetype pos_ = 0;
};

} // namespace

double readNumber(QStringView text, Blanks blanks) {
    Scanner in(text, blanks);
    std::string number;
    if (in.peek() == u'+' || in.peek() == u'-')
        in.take(number);
    // Decimal magnitude of the mantissa's first significant digit, kept so that a value beyond
    // the double range can be told from one below it.
    long long magnitude = 0;
    bool significant = false;
    bool hasDigits = false;
    while (isAsciiDigit(in.peek())) {
        significant = significant || in.peek() != u'0';
        if (significant)
            ++magnitude;
        in.take(number);
        hasDigits = true;
    }
    if (in.peek() == u'.') {
        in.take(number);
        while (isAsciiDigit(in.peek())) {
            if (!significant && in.peek() == u'0')
                --magnitude;
            significant = significant || in.peek() != u'0';
            in.take(number);
            hasDigits = true;
        }
    }
    if (!hasDigits)
        return 0.0;
    // An exponent counts only when digits follow it: "3e" reads as 3.
    const auto beforeExponent = in.position();
    const auto mantissaLength = number.size();
    if (in.peek() == u'e' || in.peek() == u'E') {
        in.take(number);
        int exponentSign = 1;
        if (in.peek() == u'+' || in.peek() == u'-') {
            exponentSign = in.peek() == u'-' ? -1 : 1;
            in.take(number);
        }
        long long exponent = 0;
        bool exponentDigits = false;
        while (isAsciiDigit(in.peek())) {
            exponent = std::min(exponent * 10 + (in.peek().unicode() - u'0'), 1'000'000'000LL);
            in.take(number);
            exponentDigits = true;
        }
        if (exponentDigits) {
            magnitude += exponentSign * exponent;
        } else {
            number.resize(mantissaLength);
            in.rewind(beforeExponent);
        }
    }

    const char* first = number.data();
    const char* last = number.data() + number.size();
    const bool negative = *first == '-';
    if (*first == '+' || *first == '-')
        ++first; // from_chars takes no "+", and the sign is applied below
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        value = magnitude > 0 ? std::numeric_limits<double>::max() : 0.0;
    return negative ? -value : value;
}

QString generalText(double value) {
    if (value == 0.0)
        value = 0.0; // no "-0"
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    return text.replace(u'e', u'E');
}

QString strText(double value) {
    const QString text = generalText(value);
    return text.startsWith(u'-') ? text : u' ' + text;
}

QString plainText(int value) { return QString::number(value); }

QString dateText(QDate date, const QLocale& locale) {
    return locale.dayName(date.dayOfWeek(), QLocale::LongFormat) + u',' +
           date.toString(u"dd,MM,yyyy");
}

} // namespace ortambra
