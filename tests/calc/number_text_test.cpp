#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace moltherm {
namespace {

std::string Zeros(std::size_t n) {
    return std::string(n, '0');
}

struct Reading {
    const char* name;
    std::string text;
    std::optional<double> value;  // nothing: the text is refused
};

class ParseNumberRows : public ::testing::TestWithParam<Reading> {};

TEST_P(ParseNumberRows, ReadsTheValueOrRefuses) {
    const Reading& row = GetParam();
    const auto value = ParseNumber(row.text);
    EXPECT_EQ(value, row.value);
    EXPECT_EQ(value && std::signbit(*value), row.value && std::signbit(*row.value)) << "sign";
}

constexpr std::nullopt_t kRefused = std::nullopt;
constexpr double kMax = std::numeric_limits<double>::max();

const Reading kReadings[] = {
    {"Decimal", "298.15", 298.15},
    {"PlusSign", "+2.5", 2.5},
    {"PointFirst", ".5", 0.5},
    {"PointLast", "7.", 7},
    {"SignedExponent", "-2.0e+2", -200},
    {"BlanksAround", " 36.461 ", 36.461},
    {"TabsAround", "\t10\t", 10},
    {"LeadingZeros", "00012", 12},
    {"NegativeZero", "-0", -0.0},
    {"Underflow", "1e-400", 0},
    {"NegativeUnderflow", "-1e-400", -0.0},
    {"Largest", "1.7976931348623157e308", kMax},
    {"AboveLargest", "1.7976931348623159e308", kRefused},
    // The decimal exponent is the written one plus the mantissa's own, both counted exactly.
    {"ExponentLeadingZeros", "1e" + Zeros(100000) + "308", 1e308},
    {"NineteenDigitExponent", "1e" + std::string(19, '9'), kRefused},
    {"NineteenDigitNegativeExponent", "-1e-" + std::string(19, '9'), -0.0},
    {"TinyMantissaHugeExponent", "0." + Zeros(99999) + "1e10000000", kRefused},
    {"HugeMantissaHugeNegativeExponent", "-1" + Zeros(200000) + "e-1000000", -0.0},
    {"LargestWrittenLong", "0." + Zeros(999999) + "17976931348623157e1000308", kMax},
    {"AboveLargestWrittenLong", "0." + Zeros(999999) + "17976931348623159e1000308", kRefused}};
INSTANTIATE_TEST_SUITE_P(Texts, ParseNumberRows, ::testing::ValuesIn(kReadings),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ParseNumber, RefusesEveryOtherSpelling) {
    for (const char* text : {"", " ", "abc", "1,5", "1 000", "1.2.3", "e5", "1e", "1e+", "--1",
                             "+-1", "1-", ".", "-.", "inf", "nan", "0x10", "12abc", "\n"})
        EXPECT_FALSE(ParseNumber(text).has_value()) << '"' << text << '"';
}

TEST(WholeNumbers, RoundHalfToEvenWithin16Bits) {
    std::vector<std::optional<std::int16_t>> read;
    for (const char* text : {"2.5", "3.5", "-32768", "32767.4", "32767.5", "-32768.6", "x"})
        read.push_back(ParseWholeNumber(text));
    EXPECT_EQ(read, (std::vector<std::optional<std::int16_t>>{2, 4, -32768, 32767, {}, {}, {}}));
}

}  // namespace
}  // namespace moltherm
