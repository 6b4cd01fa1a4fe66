#include "calc/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace moltherm {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the grammar  [+-] (digits [. digits?] | . digits) [(e|E) [+-] digits]  and tells
// whether the significand has a non-zero digit and the decimal exponent of its leading digit.
struct Shape {
    bool valid = false;
    bool nonZero = false;
    long long leadExponent = 0;
};

Shape ScanNumber(std::string_view s) {
    Shape shape;
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) ++pos;
    std::size_t intDigits = 0, fracDigits = 0;
    long long firstNonZero = 0;  // decimal exponent of the first non-zero digit
    bool seenNonZero = false;
    while (pos < s.size() && IsDigit(s[pos])) {
        if (!seenNonZero && s[pos] != '0') seenNonZero = true, firstNonZero = 0;
        if (seenNonZero) ++firstNonZero;
        ++intDigits, ++pos;
    }
    if (seenNonZero) firstNonZero -= 1;
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        while (pos < s.size() && IsDigit(s[pos])) {
            ++fracDigits;
            if (!seenNonZero && s[pos] != '0') {
                seenNonZero = true;
                firstNonZero = -static_cast<long long>(fracDigits);
            }
            ++pos;
        }
    }
    if (intDigits + fracDigits == 0) return shape;
    long long exponent = 0;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        ++pos;
        bool negative = false;
        if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
        std::size_t expDigits = 0;
        while (pos < s.size() && IsDigit(s[pos])) {
            if (exponent < 100000) exponent = exponent * 10 + (s[pos] - '0');
            ++expDigits, ++pos;
        }
        if (expDigits == 0) return shape;
        if (negative) exponent = -exponent;
    }
    shape.valid = pos == s.size();
    shape.nonZero = seenNonZero;
    shape.leadExponent = firstNonZero + exponent;
    return shape;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    const Shape shape = ScanNumber(text);
    if (!shape.valid) return std::nullopt;

    const bool negative = text.front() == '-';
    if (text.front() == '+' || text.front() == '-') text.remove_prefix(1);
    if (!shape.nonZero) return negative ? -0.0 : 0.0;

    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (shape.leadExponent > 0) return std::nullopt;  // overflow: beyond a double
        value = 0;                                        // underflow reads as zero
    } else if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<std::int16_t> RoundToInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);  // default rounding mode: ties to even
    if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int16_t> ParseWholeNumber(std::string_view text) {
    const auto value = ParseNumber(text);
    if (!value) return std::nullopt;
    return RoundToInt16(*value);
}

std::string WholeNumberText(long long value) {
    return std::to_string(value);
}

}  // namespace moltherm
