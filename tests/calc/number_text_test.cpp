#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "tests/support/data_rows.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;

// A row's text: a list joins its pieces, a number n standing for n zeros.
std::string Text(const Json& text) {
    if (text.is_string()) return text;
    std::string joined;
    for (const Json& piece : text)
        joined += piece.is_string() ? piece.get<std::string>()
                                    : std::string(piece.get<std::size_t>(), '0');
    return joined;
}

class ParseNumberRows : public ::testing::TestWithParam<Json> {};

TEST_P(ParseNumberRows, ReadsTheValueOrRefuses) {
    const Json& expected = GetParam()["value"];
    const auto value = ParseNumber(Text(GetParam()["text"]));
    EXPECT_EQ(value, expected.is_null() ? std::nullopt : std::optional(expected.get<double>()));
    EXPECT_EQ(value && std::signbit(*value), !expected.is_null() && std::signbit(Number(expected)))
        << "sign";
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseNumberRows, ::testing::ValuesIn(DataRows("number_texts")),
                         RowName);

TEST(WholeNumbers, RoundHalfToEvenWithin16Bits) {
    std::vector<std::optional<std::int16_t>> read;
    for (const char* text : {"2.5", "3.5", "-32768", "32767.4", "32767.5", "-32768.6", "x"})
        read.push_back(ParseWholeNumber(text));
    EXPECT_EQ(read, (std::vector<std::optional<std::int16_t>>{2, 4, -32768, 32767, {}, {}, {}}));
}

}  // namespace
}  // namespace moltherm
