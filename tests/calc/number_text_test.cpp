#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace moltherm {
namespace {

TEST(ParseNumber, AcceptsPlainDecimalSpellings) {
    const std::pair<const char*, double> cases[] = {
        {"298.15", 298.15},
        {"-1", -1},
        {"+2.5", 2.5},
        {".5", 0.5},
        {"7.", 7},
        {"1e3", 1000},
        {"1.5E-5", 1.5e-5},
        {"-2.0e+2", -200},
        {" 36.461 ", 36.461},
        {"\t10\t", 10},
        {"0", 0},
        {"00012", 12},
        {"1e-400", 0},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
    };
    for (const auto& [text, expected] : cases) {
        const auto value = ParseNumber(text);
        ASSERT_TRUE(value.has_value()) << text;
        EXPECT_EQ(*value, expected) << text;
    }
    EXPECT_TRUE(std::signbit(*ParseNumber("-0")));
}

TEST(ParseNumber, RefusesEverythingElse) {
    for (const char* text :
         {"",    " ",    "abc",   "1,5",    "1 000", "1.2.3", "e5",    "1e",       "1e+",
          "--1", "+-1",  "1-",    ".",      "-.",    "inf",   "-inf",  "Infinity", "nan",
          "NaN", "0x10", "1e309", "-1e309", "12abc", "1.5 K", "1_000", "\n"}) {
        EXPECT_FALSE(ParseNumber(text).has_value()) << '"' << text << '"';
    }
}

TEST(WholeNumbers, RoundHalfToEvenWithin16Bits) {
    EXPECT_EQ(ParseWholeNumber("3"), 3);
    EXPECT_EQ(ParseWholeNumber("2.5"), 2);
    EXPECT_EQ(ParseWholeNumber("3.5"), 4);
    EXPECT_EQ(ParseWholeNumber("-32768"), -32768);
    EXPECT_EQ(ParseWholeNumber("32767"), 32767);
    EXPECT_EQ(ParseWholeNumber("32767.4"), 32767);
    EXPECT_FALSE(ParseWholeNumber("32767.5").has_value());
    EXPECT_FALSE(ParseWholeNumber("40000").has_value());
    EXPECT_FALSE(ParseWholeNumber("x").has_value());
    EXPECT_EQ(WholeNumberText(10), "10");
}

}  // namespace
}  // namespace moltherm
