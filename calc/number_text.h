#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace moltherm {

// The one text-to-number conversion of every numeric field. Accepts a plain decimal number with
// optional sign, decimal point and exponent ("-1.5e3", ".5", "7."), with blanks around it.
// Refuses the empty text, anything else, "inf"/"nan" spellings and magnitudes beyond a double.
// A magnitude too small for a double reads as zero of the same sign.
std::optional<double> ParseNumber(std::string_view text);

// The value of a whole-number box (atom count, symmetry number, degeneracy) as a 16-bit integer,
// rounded half to even; nothing when the text is not a number or lies outside -32768..32767.
std::optional<std::int16_t> ParseWholeNumber(std::string_view text);

// Rounds to the nearest integer, ties to even; nothing when the result does not fit 16 bits.
std::optional<std::int16_t> RoundToInt16(double value);

// A number to six significant digits, for messages that compare values ("18.0106", "5.24559").
std::string SixDigitText(double value);

// A whole number as the program writes it into a box: plain digits, "-" when negative.
std::string WholeNumberText(long long value);

}  // namespace moltherm
