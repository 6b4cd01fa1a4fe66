#include "report/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace moltherm {
namespace {

// |value| as significant digits and the decimal exponent of the first: value = d0.d1d2... x 10^exp.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal ShortestDecimal(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t ePos = text.find('e');
    Decimal d;
    for (char ch : text.substr(0, ePos))
        if (ch != '.') d.digits.push_back(ch);
    d.exponent = std::atoi(std::string(text.substr(ePos + 1)).c_str());
    return d;
}

// Keeps the first `keep` digits (padding with zeros), rounding half away from zero on the next.
// Returns true when the rounding carried into a new leading digit.
bool RoundDigits(std::string& digits, int keep) {
    const bool roundUp = keep >= 0 && keep < static_cast<int>(digits.size()) && digits[keep] >= '5';
    if (keep <= 0) {
        digits = roundUp ? "1" : "";
        return roundUp;
    }
    digits.resize(static_cast<std::size_t>(keep), '0');
    if (!roundUp) return false;
    for (int k = keep - 1; k >= 0; --k) {
        if (digits[k] != '9') {
            ++digits[k];
            return false;
        }
        digits[k] = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

bool AllZero(const std::string& digits) {
    return digits.find_first_not_of('0') == std::string::npos;
}

std::string FitWidth(const std::string& text, int width) {
    if (static_cast<int>(text.size()) > width)
        return std::string(static_cast<std::size_t>(width), '*');
    return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

}  // namespace

std::string FormatPattern(double value, int decimals) {
    std::string units;  // |value| x 10^decimals as an integer digit string
    if (value != 0) {
        Decimal d = ShortestDecimal(value);
        RoundDigits(d.digits, d.exponent + decimals + 1);  // digits down to the last decimal
        units = d.digits;
    }
    if (units.empty()) units = "0";
    if (static_cast<int>(units.size()) <= decimals)
        units.insert(0, static_cast<std::size_t>(decimals) + 1 - units.size(), '0');
    const bool negative = value < 0 && !AllZero(units);
    std::string text = negative ? "-" : "";
    text.append(units, 0, units.size() - static_cast<std::size_t>(decimals));
    text.push_back('.');
    text.append(units, units.size() - static_cast<std::size_t>(decimals));
    return text;
}

std::string FormatFixed(double value, int width, int decimals) {
    return FitWidth(FormatPattern(value, decimals), width);
}

std::string FormatExp(double value, int width, int decimals) {
    std::string mantissa;
    int exponent = 0;
    if (value == 0) {
        mantissa.assign(static_cast<std::size_t>(decimals) + 1, '0');
    } else {
        Decimal d = ShortestDecimal(value);
        exponent = d.exponent;
        if (RoundDigits(d.digits, decimals + 1)) {
            d.digits.pop_back();  // 9.99995 -> 10.0000 -> 1.0000 with the exponent raised
            ++exponent;
        }
        mantissa = d.digits;
    }
    std::string text = value < 0 ? "-" : "";
    text.push_back(mantissa[0]);
    text.push_back('.');
    text.append(mantissa, 1);
    text.push_back('E');
    text.push_back(exponent < 0 ? '-' : '+');
    const std::string expDigits = std::to_string(std::abs(exponent));
    if (expDigits.size() < 2) text.push_back('0');
    text += expDigits;
    return FitWidth(text, width);
}

}  // namespace moltherm
