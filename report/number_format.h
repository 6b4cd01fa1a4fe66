#pragma once

#include <string>

namespace moltherm {

// Fixed-width, right-aligned number fields of the report. A text longer than `width` becomes
// `width` asterisks, so a field never grows; so does a value that is not finite (FormatPattern,
// which has no field, takes finite values only). Rounding is half away from zero, applied to the
// shortest decimal form of the double (the digits that read back as the same value), so 2.675
// gives "2.68" as a reader expects. Digits past that form are the double's exact ones: 1e23 is
// written 99999999999999991611392, 3.2e-322 (a subnormal double) 3.2114E-322. A value that
// rounds to zero is written without a minus sign. `width` and `decimals` are never negative.

// The number by the pattern "0." + `decimals` zeros: "-1.50", "0.125", "3." (no field width).
std::string FormatPattern(double value, int decimals);

// FormatPattern right-aligned in exactly `width` characters.
std::string FormatFixed(double value, int width, int decimals);

// The number by the pattern "0." + `decimals` zeros + "E+00": "6.0558E+30", "1.0000E+100",
// right-aligned in exactly `width` characters.
std::string FormatExp(double value, int width, int decimals);

// The same fields appended to `out`, for building long texts without temporaries.
void AppendPattern(std::string& out, double value, int decimals);
void AppendFixed(std::string& out, double value, int width, int decimals);
void AppendExp(std::string& out, double value, int width, int decimals);

}  // namespace moltherm
