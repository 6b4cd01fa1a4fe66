#include "qcio/text_scan.h"

#include <gtest/gtest.h>

#include <optional>

namespace moltherm::qcio {
namespace {

TEST(TextScan, NumbersAreWholeFiniteWords) {
    const std::pair<const char*, std::optional<double>> doubles[] = {
        {"-1.5", -1.5}, {"+2", 2},   {"1.2E+01", 12}, {".5", 0.5},   {"12.", 12},
        {"-0.00", 0},   {"+-1", {}}, {"--1", {}},     {"12abc", {}}, {"1e400", {}},
        {"nan", {}},    {"inf", {}}, {"", {}},        {"***", {}},   {"2.0D-03", {}}};
    for (const auto& [word, value] : doubles) EXPECT_EQ(ParseDouble(word), value) << word;
    const std::pair<const char*, std::optional<int>> ints[] = {
        {"12", 12},  {"+7", 7},           {"-3", -3}, {"12abc", {}},
        {"1.0", {}}, {"99999999999", {}}, {"", {}}};
    for (const auto& [word, value] : ints) EXPECT_EQ(ParseInt(word), value) << word;
    EXPECT_EQ(NumbersAfter(" Frequencies --  -1327.0114  658.0951  A", "--"),
              (std::vector<double>{-1327.0114, 658.0951}));
    EXPECT_EQ(IntAfter("(symmetry no. = 2)", "no. ="), 2);
    EXPECT_EQ(WholeNumber(12.0), 12);
    EXPECT_EQ(WholeNumber(2.5), std::nullopt);
    EXPECT_EQ(WholeNumber(1e300), std::nullopt);
}

TEST(TextScan, ElementsFromLabelsAndLinesFromAnyLineEnd) {
    EXPECT_EQ(ElementOfLabel("Cl"), 17);
    EXPECT_EQ(ElementOfLabel("CL"), 17);
    EXPECT_EQ(ElementOfLabel("H12"), 1);
    EXPECT_EQ(ElementOfLabel("C_a"), 6);
    EXPECT_EQ(ElementOfLabel("Gh(C)"), std::nullopt);
    EXPECT_EQ(ElementOfLabel("12"), std::nullopt);
    EXPECT_EQ(SplitLines("a\r\nb\rc\n\nd"),
              (std::vector<std::string_view>{"a", "b", "c", "", "d"}));
    EXPECT_EQ(Words(" \tx  y\t"), (std::vector<std::string_view>{"x", "y"}));
    EXPECT_EQ(Trim(" \t x y \r\n"), "x y");
}

}  // namespace
}  // namespace moltherm::qcio
