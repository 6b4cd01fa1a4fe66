#include "calc/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace moltherm {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The parts of a number text that the grammar
//   [+-] (digits [. digits?] | . digits) [(e|E) [+-] digits]
// allows; `valid` is false for any other text.
struct NumberParts {
    bool valid = false;
    bool negative = false;
    std::string_view mantissa;  // digits with at most one point
    std::string_view exponentDigits;
    bool exponentNegative = false;
};

// Removes the leading digits of `s` and returns them.
std::string_view TakeDigits(std::string_view& s) {
    const std::string_view digits = s.substr(0, s.find_first_not_of("0123456789"));
    s.remove_prefix(digits.size());
    return digits;
}

// Removes the first character of `s` when it is one of `chars`; returns it, or 0.
char TakeOneOf(std::string_view& s, std::string_view chars) {
    if (s.empty() || chars.find(s.front()) == std::string_view::npos) return 0;
    const char c = s.front();
    s.remove_prefix(1);
    return c;
}

NumberParts SplitNumber(std::string_view s) {
    NumberParts parts;
    parts.negative = TakeOneOf(s, "+-") == '-';
    const std::string_view mantissa = s;
    std::size_t digits = TakeDigits(s).size();
    if (TakeOneOf(s, ".")) digits += TakeDigits(s).size();
    if (digits == 0) return parts;
    parts.mantissa = mantissa.substr(0, mantissa.size() - s.size());
    if (TakeOneOf(s, "eE")) {
        parts.exponentNegative = TakeOneOf(s, "+-") == '-';
        parts.exponentDigits = TakeDigits(s);
        if (parts.exponentDigits.empty()) return parts;
    }
    parts.valid = s.empty();
    return parts;
}

// The written exponent, or nothing when it has more than 18 significant digits: it is then at
// least 10^18 in size, more than any text is long, so no mantissa can make up for it.
std::optional<long long> WrittenExponent(const NumberParts& parts) {
    std::string_view digits = parts.exponentDigits;
    while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
    if (digits.size() > 18) return std::nullopt;
    long long value = 0;
    for (const char c : digits) value = value * 10 + (c - '0');
    return parts.exponentNegative ? -value : value;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    const NumberParts parts = SplitNumber(text);
    if (!parts.valid) return std::nullopt;
    const double zero = parts.negative ? -0.0 : 0.0;

    // The significant digits, from the first non-zero one to the last, and the decimal
    // exponent of the first, counted exactly in one pass over the text.
    const std::string_view m = parts.mantissa;
    const std::size_t first = m.find_first_not_of("0.");
    if (first == std::string_view::npos) return zero;
    const std::size_t last = m.find_last_not_of("0.");
    const std::size_t point = std::min(m.find('.'), m.size());
    const long long firstPlace = first < point ? static_cast<long long>(point - first - 1)
                                               : -static_cast<long long>(first - point);
    const auto written = WrittenExponent(parts);
    if (!written) return parts.exponentNegative ? std::optional(zero) : std::nullopt;
    const long long exponent = firstPlace + *written;

    // Below 10^-324 a value rounds to zero, from 10^309 on it is beyond a double; in between
    // the conversion decides, given the same value as 0.ddd...e<exponent + 1>, whose written
    // exponent is small however long the text was.
    if (exponent < -324) return zero;
    if (exponent > 308) return std::nullopt;
    std::string normal = "0.";
    for (std::size_t k = first; k <= last; ++k)
        if (m[k] != '.') normal += m[k];
    normal += 'e';
    normal += std::to_string(exponent + 1);

    double value = 0;
    const auto ec = std::from_chars(normal.data(), normal.data() + normal.size(), value).ec;
    if (ec == std::errc::result_out_of_range && exponent < 0) return zero;  // underflow
    if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;    // overflow
    return parts.negative ? -value : value;
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

std::string SixDigitText(double value) {
    std::array<char, 32> text{};
    return {text.data(), std::to_chars(text.data(), text.data() + text.size(), value,
                                       std::chars_format::general, 6)
                             .ptr};
}

}  // namespace moltherm
