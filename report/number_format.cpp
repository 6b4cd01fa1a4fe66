#include "report/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

// A broken caller contract: say where and stop.
#define MOLTHERM_ASSERT(cond)                                                                    \
    ((cond) ? static_cast<void>(0)                                                               \
            : (std::fprintf(stderr, "%s:%d: assertion failed: %s\n", __FILE__, __LINE__, #cond), \
               std::abort()))

namespace moltherm {
namespace {

// A field is built at the end of the caller's string: the digits first, then the field's text
// after them, read from them; then the digits are erased. One string, no other buffer.

// Significant digits at out[first, out.size()); out[first - 1] is free for a carry.
struct Digits {
    std::size_t first;
    int exponent;  // the decimal exponent of out[first]
};

// The digits of `magnitude` (> 0): the shortest form that reads back as the same double (at
// most 17 digits), or with `exact` the double's whole decimal expansion (at most 767).
Digits AppendSignificantDigits(std::string& out, double magnitude, bool exact) {
    constexpr int kExactPrecision = 766;
    const std::size_t at = out.size() + 1;
    out.resize(at + (exact ? kExactPrecision + 16 : 32));
    char* const first = out.data() + at;
    char* const last = out.data() + out.size();
    const auto format = std::chars_format::scientific;
    const char* e = exact ? std::to_chars(first, last, magnitude, format, kExactPrecision).ptr
                          : std::to_chars(first, last, magnitude, format).ptr;
    // "d.ddde-XX": the exponent, then the digits with the first moved onto the point.
    const char* const end = e;
    while (*--e != 'e') {
    }
    int exponent = 0;
    for (const char* p = e + 2; p < end; ++p) exponent = exponent * 10 + (*p - '0');
    Digits digits{at, e[1] == '-' ? -exponent : exponent};
    if (first[1] == '.') {
        first[1] = first[0];
        ++digits.first;
    }
    out.resize(static_cast<std::size_t>(e - out.data()));  // the exact form may end in zeros
    return digits;
}

// The digits of |value| (not 0) rounded to `decimals` places after the point (`fixedPoint`)
// or after the first digit. A fixed-point value below half of the last place leaves none; a
// carry out of the first digit leaves one digit more.
//
// Rounding is half away from zero on the shortest form, as a reader expects (2.675 -> "2.68").
// Where the field shows more digits than that form has, they are the double's own: for a
// normal double and up to 15 shown digits the shortest form followed by zeros, otherwise
// (subnormals, long patterns) the exact expansion's, rounded.
Digits AppendRoundedDigits(std::string& out, double value, int decimals, bool fixedPoint) {
    const double magnitude = std::fabs(value);
    const std::size_t from = out.size();
    Digits d = AppendSignificantDigits(out, magnitude, false);
    auto shown = [&] { return (fixedPoint ? d.exponent + 1 : 1) + decimals; };
    auto count = [&] { return static_cast<int>(out.size() - d.first); };
    if (count() < shown() && (shown() > 15 || !std::isnormal(magnitude))) {
        out.resize(from);
        d = AppendSignificantDigits(out, magnitude, true);
    }
    const int keep = shown();
    const bool roundUp =
        keep >= 0 && keep < count() && out[d.first + static_cast<std::size_t>(keep)] >= '5';
    out.resize(d.first + static_cast<std::size_t>(std::max(keep, 0)), '0');
    if (!roundUp) return d;
    std::size_t k = out.size();
    while (k > d.first && out[k - 1] == '9') out[--k] = '0';
    if (k > d.first) {
        ++out[k - 1];
        return d;
    }
    // A carry out of the first digit: 9.99 -> 10.00, or 0.0006 -> 0.001 at three places.
    out[--d.first] = '1';
    ++d.exponent;
    return d;
}

// The pattern text of `value`, right-aligned in `width`, or `width` asterisks when longer;
// a negative `width` is no field at all.
void AppendFixedPoint(std::string& out, double value, int width, int decimals) {
    MOLTHERM_ASSERT(decimals >= 0 && std::isfinite(value));
    const std::size_t from = out.size();
    // The digits of |value| in units of the last place; none when it rounds to zero.
    const std::size_t first =
        value == 0 ? from : AppendRoundedDigits(out, value, decimals, true).first;
    const std::size_t text = out.size();
    const std::size_t count = text - first;
    const auto places = static_cast<std::size_t>(decimals);
    const std::size_t integers = count > places ? count - places : 0;
    const bool minus = value < 0 && count > 0;
    const std::size_t length = minus + std::max<std::size_t>(integers, 1) + 1 + places;
    const std::size_t field = width < 0 ? length : static_cast<std::size_t>(width);
    if (length > field) {
        out.append(field, '*');
    } else {
        out.append(field - length, ' ');
        if (minus) out += '-';
        if (integers == 0) out += '0';
        out.append(out, first, integers);
        out += '.';
        out.append(places + integers - count, '0');
        out.append(out, first + integers, count - integers);
    }
    out.erase(from, text - from);
}

}  // namespace

void AppendPattern(std::string& out, double value, int decimals) {
    AppendFixedPoint(out, value, -1, decimals);
}

void AppendFixed(std::string& out, double value, int width, int decimals) {
    MOLTHERM_ASSERT(width >= 0);
    if (!std::isfinite(value)) {  // no digits to show: as a value that does not fit
        out.append(static_cast<std::size_t>(width), '*');
        return;
    }
    AppendFixedPoint(out, value, width, decimals);
}

void AppendExp(std::string& out, double value, int width, int decimals) {
    MOLTHERM_ASSERT(width >= 0 && decimals >= 0);
    const auto field = static_cast<std::size_t>(width);
    if (!std::isfinite(value)) {  // no digits to show: as a value that does not fit
        out.append(field, '*');
        return;
    }
    const std::size_t from = out.size();
    const auto places = static_cast<std::size_t>(decimals);
    Digits d{from, 0};
    if (value == 0) {
        out.append(places + 1, '0');
    } else {
        d = AppendRoundedDigits(out, value, decimals, false);
    }
    const std::size_t text = out.size();
    const int magnitude = std::abs(d.exponent);
    const bool minus = value < 0;
    const std::size_t length = minus + 2 + places + 2 + (magnitude >= 100 ? 3 : 2);
    if (length > field) {
        out.append(field, '*');
    } else {
        out.append(field - length, ' ');
        if (minus) out += '-';
        out += out[d.first];
        out += '.';
        out.append(out, d.first + 1, places);
        out += 'E';
        out += d.exponent < 0 ? '-' : '+';
        if (magnitude >= 100) out += static_cast<char>('0' + magnitude / 100);
        out += static_cast<char>('0' + magnitude / 10 % 10);
        out += static_cast<char>('0' + magnitude % 10);
    }
    out.erase(from, text - from);
}

std::string FormatPattern(double value, int decimals) {
    std::string out;
    AppendPattern(out, value, decimals);
    return out;
}

std::string FormatFixed(double value, int width, int decimals) {
    std::string out;
    AppendFixed(out, value, width, decimals);
    return out;
}

std::string FormatExp(double value, int width, int decimals) {
    std::string out;
    AppendExp(out, value, width, decimals);
    return out;
}

}  // namespace moltherm
