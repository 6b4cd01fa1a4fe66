#include "report/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace moltherm {
namespace {

// |value| as significant digits and the decimal exponent of the first: value = d0.d1d2... x 10^exp.
struct Decimal {
    char digits[24];  // a double's shortest form has at most 17 significant digits
    int count = 0;
    int exponent = 0;
};

Decimal ShortestDecimal(double value) {
    char text[32];
    const auto result =
        std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific);
    Decimal d;
    const char* p = text;
    for (; p < result.ptr && *p != 'e'; ++p)
        if (*p != '.') d.digits[d.count++] = *p;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), result.ptr, d.exponent);
    return d;
}

// Rounds `d` to its first `keep` digits, half away from zero on the next one. Returns the kept
// digits' count (0 when nothing is kept and nothing rounds up); a carry out of the first digit
// adds a leading "1". Kept positions past the significant digits are zeros.
int RoundDigits(Decimal& d, int keep, char* out) {
    const bool roundUp = keep >= 0 && keep < d.count && d.digits[keep] >= '5';
    if (keep <= 0) {
        if (!roundUp) return 0;
        out[0] = '1';
        return 1;
    }
    for (int k = 0; k < keep; ++k) out[k + 1] = k < d.count ? d.digits[k] : '0';
    out[0] = '0';
    if (roundUp) {
        int k = keep;
        while (out[k] == '9') out[k--] = '0';
        ++out[k];
    }
    if (out[0] == '0') {
        for (int k = 0; k < keep; ++k) out[k] = out[k + 1];
        return keep;
    }
    return keep + 1;
}

// Appends `text` right-aligned in `width`, or `width` asterisks when it is longer.
void AppendField(std::string& out, const char* text, int length, int width) {
    if (length > width) {
        out.append(static_cast<std::size_t>(width), '*');
        return;
    }
    out.append(static_cast<std::size_t>(width - length), ' ');
    out.append(text, static_cast<std::size_t>(length));
}

// Writes the pattern text into `out` (which must hold 330 + decimals characters).
int WritePattern(char* out, double value, int decimals) {
    // Units of the last decimal place, as digits: at most 309 integer digits plus the decimals.
    std::string big;
    char small[360];
    const bool fitsSmall = decimals < 20;
    char* units = small;
    if (!fitsSmall) {
        big.resize(static_cast<std::size_t>(decimals) + 340);
        units = big.data();
    }
    int count = 0;
    if (value != 0) {
        Decimal d = ShortestDecimal(value);
        count = RoundDigits(d, d.exponent + decimals + 1, units);
    }
    bool nonZero = false;
    for (int k = 0; k < count; ++k) nonZero |= units[k] != '0';
    int n = 0;
    if (value < 0 && nonZero) out[n++] = '-';
    const int integerDigits = count - decimals;
    if (integerDigits <= 0) {
        out[n++] = '0';
    } else {
        for (int k = 0; k < integerDigits; ++k) out[n++] = units[k];
    }
    out[n++] = '.';
    for (int k = 0; k < decimals; ++k) {
        const int from = count - decimals + k;
        out[n++] = from >= 0 ? units[from] : '0';
    }
    return n;
}

}  // namespace

void AppendPattern(std::string& out, double value, int decimals) {
    std::string buffer(static_cast<std::size_t>(decimals) + 330, '\0');
    buffer.resize(static_cast<std::size_t>(WritePattern(buffer.data(), value, decimals)));
    out += buffer;
}

void AppendFixed(std::string& out, double value, int width, int decimals) {
    if (decimals < 20) {
        char text[360];
        AppendField(out, text, WritePattern(text, value, decimals), width);
        return;
    }
    std::string text;
    AppendPattern(text, value, decimals);
    AppendField(out, text.data(), static_cast<int>(text.size()), width);
}

void AppendExp(std::string& out, double value, int width, int decimals) {
    std::string big;
    char small[48] = {};
    char* text = small;
    if (decimals > 30) {
        big.resize(static_cast<std::size_t>(decimals) + 16);
        text = big.data();
    }
    int n = 0;
    if (value < 0) text[n++] = '-';
    int exponent = 0;
    char* mantissa = text + n + 1;  // room for the decimal point after the first digit
    if (value == 0) {
        for (int k = 0; k <= decimals; ++k) mantissa[k] = '0';
    } else {
        Decimal d = ShortestDecimal(value);
        exponent = d.exponent;
        // A carry (9.99995 -> 10.0000) becomes 1.0000 with the exponent raised.
        if (RoundDigits(d, decimals + 1, mantissa) > decimals + 1) ++exponent;
    }
    text[n] = mantissa[0];
    mantissa[0] = '.';
    n += decimals + 2;
    text[n++] = 'E';
    text[n++] = exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) text[n++] = '0';
    n = static_cast<int>(std::to_chars(text + n, text + n + 8, magnitude).ptr - text);
    AppendField(out, text, n, width);
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
