#include "report/number_format.h"

#include <gtest/gtest.h>

namespace moltherm {
namespace {

struct Field {
    double value;
    int width;
    int decimals;
    const char* text;
};

TEST(FormatFixed, RightAlignsRoundsAndOverflowsToAsterisks) {
    const Field cases[] = {
        {154.84668849986963, 8, 3, " 154.847"},
        {-42.449083, 8, 3, " -42.449"},
        {0, 8, 3, "   0.000"},
        {0.5, 8, 3, "   0.500"},
        {9999.9994, 8, 3, "9999.999"},
        {9999.9996, 8, 3, "********"},
        {-999.999, 8, 3, "-999.999"},
        {-1000, 8, 3, "********"},
        {1, 3, 0, " 1."},
        {12, 3, 0, "12."},
        {123, 3, 0, "***"},
        {0.125, 8, 2, "    0.13"},
        {2.5, 3, 0, " 3."},
        {-2.5, 3, 0, "-3."},
        {2.675, 6, 2, "  2.68"},
        {1.005, 6, 2, "  1.01"},
        {2990.95, 9, 2, "  2990.95"},
        {1000000, 9, 2, "*********"},
        {500, 12, 2, "      500.00"},
        {0.0004, 8, 3, "   0.000"},
        {0.0005, 8, 3, "   0.001"},
        {1.07186500347, 12, 8, "  1.07186500"},
        {999.9995, 8, 3, "1000.000"},
        {1e-300, 8, 3, "   0.000"},
        {1e20, 8, 3, "********"},
        {0.99999, 6, 2, "  1.00"},
    };
    for (const Field& f : cases)
        EXPECT_EQ(FormatFixed(f.value, f.width, f.decimals), f.text) << f.value;
}

TEST(FormatFixed, NegativeValueRoundingToZeroHasNoSign) {
    EXPECT_EQ(FormatFixed(-0.0004, 8, 3), "   0.000");
    EXPECT_EQ(FormatFixed(-0.0, 8, 3), "   0.000");
    EXPECT_EQ(FormatFixed(-0.0005, 8, 3), "  -0.001");
}

TEST(FormatPattern, HasNoFieldWidth) {
    EXPECT_EQ(FormatPattern(298.15, 2), "298.15");
    EXPECT_EQ(FormatPattern(5, 2), "5.00");
    EXPECT_EQ(FormatPattern(36.461, 3), "36.461");
    EXPECT_EQ(FormatPattern(10.59, 6), "10.590000");
    EXPECT_EQ(FormatPattern(1, 0), "1.");
    EXPECT_EQ(FormatPattern(1e11, 2), "100000000000.00");
    EXPECT_EQ(FormatPattern(-0.25, 1), "-0.3");
}

TEST(FormatExp, MantissaExponentAndWidth) {
    const Field cases[] = {
        {6.055782069162969e30, 10, 4, "6.0558E+30"},
        {6.055782069162969e30, 12, 4, "  6.0558E+30"},
        {99999.7, 12, 4, "  1.0000E+05"},
        {1.5e-5, 10, 4, "1.5000E-05"},
        {1e100, 12, 4, " 1.0000E+100"},
        {1e100, 10, 4, "**********"},
        {-1.5e-5, 10, 4, "**********"},
        {-1.5e-5, 12, 4, " -1.5000E-05"},
        {0, 10, 4, "0.0000E+00"},
        {1, 10, 4, "1.0000E+00"},
        {9.99995, 10, 4, "1.0000E+01"},
        {9.99994, 10, 4, "9.9999E+00"},
        {2.37785e7, 10, 4, "2.3779E+07"},
        {1e-100, 12, 4, " 1.0000E-100"},
    };
    for (const Field& f : cases)
        EXPECT_EQ(FormatExp(f.value, f.width, f.decimals), f.text) << f.value;
}

}  // namespace
}  // namespace moltherm
