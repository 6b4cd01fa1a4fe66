#include "report/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace moltherm {
namespace {

enum Kind { kFixed, kExp, kPattern };  // kPattern has no width

struct Field {
    const char* name;
    Kind kind;
    double value;
    int width;
    int decimals;
    const char* text;
};
void PrintTo(const Field& row, std::ostream* os) {
    *os << row.name;
}

class NumberFields : public ::testing::TestWithParam<Field> {};

TEST_P(NumberFields, WriteTheExpectedText) {
    const Field& f = GetParam();
    const std::string text = f.kind == kFixed ? FormatFixed(f.value, f.width, f.decimals)
                             : f.kind == kExp ? FormatExp(f.value, f.width, f.decimals)
                                              : FormatPattern(f.value, f.decimals);
    EXPECT_EQ(text, f.text);
}

constexpr double kInf = std::numeric_limits<double>::infinity();

const Field kFields[] = {
    {"EntropyCell", kFixed, 154.84668849986963, 8, 3, " 154.847"},
    {"NegativeCell", kFixed, -42.449083, 8, 3, " -42.449"},
    {"Zero", kFixed, 0, 8, 3, "   0.000"},
    {"PaddedDecimals", kFixed, 0.5, 8, 3, "   0.500"},
    {"ExactlyFull", kFixed, 9999.9994, 8, 3, "9999.999"},
    {"RoundsPastWidth", kFixed, 9999.9996, 8, 3, "********"},
    {"NegativeExactlyFull", kFixed, -999.999, 8, 3, "-999.999"},
    {"NegativePastWidth", kFixed, -1000, 8, 3, "********"},
    {"RowNumber", kFixed, 1, 3, 0, " 1."},
    {"RowNumberPastWidth", kFixed, 123, 3, 0, "***"},
    {"NegativeHalfAwayFromZero", kFixed, -2.5, 3, 0, "-3."},
    {"HalfOfShortestForm", kFixed, 2.675, 6, 2, "  2.68"},  // exactly 2.67499999...
    {"HalfOfShortestFormBelowOne", kFixed, 0.125, 8, 2, "    0.13"},
    {"HalfOfLastPlace", kFixed, 0.0005, 8, 3, "   0.001"},
    {"BelowHalfOfLastPlace", kFixed, 0.0004, 8, 3, "   0.000"},
    {"CarryIntoNewDigit", kFixed, 999.9995, 8, 3, "1000.000"},
    {"VibrationalQ", kFixed, 1.07186500347, 12, 8, "  1.07186500"},
    {"Huge", kFixed, 1e20, 8, 3, "********"},
    {"NegativeRoundsToZeroUnsigned", kFixed, -0.0004, 8, 3, "   0.000"},
    {"NegativeRoundsAway", kFixed, -0.0005, 8, 3, "  -0.001"},
    {"NotFinite", kFixed, kInf, 8, 3, "********"},
    {"ZeroWidth", kFixed, 1, 0, 0, ""},
    // Past the shortest form's digits a field shows the double's exact digits: 10^23 is
    // 99999999999999991611392 as a double.
    {"ExactDigitsBelowShortestExponent", kFixed, 1e23, 26, 2, "99999999999999991611392.00"},
    {"ManyDecimals", kPattern, 10.59, 0, 6, "10.590000"},
    {"NegativePattern", kPattern, -0.25, 0, 1, "-0.3"},
    {"SixteenDigitsExact", kPattern, 9.7, 0, 15, "9.699999999999999"},
    {"TwentyDecimalsExact", kPattern, 0.1, 0, 20, "0.10000000000000000555"},
    {"SixteenDigitsOfShortestForm", kPattern, 1.0000000000000695, 0, 15, "1.000000000000070"},
    {"MolarMassPast17Digits", kPattern, 123456789012345678901.0, 0, 3, "123456789012345683968.000"},
    {"TotalQ", kExp, 6.055782069162969e30, 10, 4, "6.0558E+30"},
    {"MantissaCarry", kExp, 99999.7, 12, 4, "  1.0000E+05"},
    {"NegativeExponent", kExp, 1.5e-5, 10, 4, "1.5000E-05"},
    {"ThreeDigitExponent", kExp, 1e100, 12, 4, " 1.0000E+100"},
    {"ThreeDigitExponentPastWidth", kExp, 1e100, 10, 4, "**********"},
    {"NegativePastWidthExp", kExp, -1.5e-5, 10, 4, "**********"},
    {"NegativeExp", kExp, -1.5e-5, 12, 4, " -1.5000E-05"},
    {"ZeroExp", kExp, 0, 10, 4, "0.0000E+00"},
    {"OneExp", kExp, 1, 10, 4, "1.0000E+00"},
    {"CarryAtTen", kExp, 9.99995, 10, 4, "1.0000E+01"},
    {"ShortestFormRoundsUp", kExp, 2.675, 8, 2, "2.68E+00"},
    {"NotFiniteExp", kExp, -kInf, 10, 4, "**********"},
    {"ZeroWidthExp", kExp, 1, 0, 0, ""},
    // Subnormal doubles: their shortest forms have few digits, the field shows their own.
    {"Subnormal", kExp, 9.8763722603665184e-321, 12, 4, " 9.8764E-321"},
    {"SubnormalTwoDigitShortestForm", kExp, 3.2e-322, 12, 4, " 3.2114E-322"},
    {"SubnormalBelowShortestExponent", kExp, 1e-320, 12, 4, " 9.9999E-321"},
    {"SmallestSubnormal", kExp, -5e-324, 12, 4, "-4.9407E-324"}};
INSTANTIATE_TEST_SUITE_P(Values, NumberFields, ::testing::ValuesIn(kFields),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NumberFieldsDeathTest, NegativeWidthOrDecimalsAreABrokenContract) {
    EXPECT_DEATH(FormatFixed(1, 8, -1), "decimals >= 0");
    EXPECT_DEATH(FormatExp(1, 10, -1), "decimals >= 0");
    EXPECT_DEATH(FormatFixed(1, -1, 0), "width >= 0");
}

}  // namespace
}  // namespace moltherm
