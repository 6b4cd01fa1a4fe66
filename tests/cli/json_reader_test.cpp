// Reading molecule files: what is JSON, what each molecule's value holds, absurd files.
#include <gtest/gtest.h>

#include "cli/json_overflow.h"
#include "cli/json_reader.h"
#include "tests/cli/cli_test_support.h"

namespace moltherm::cli::testing {
namespace {

using Kind = JsonNode::Kind;

std::vector<JsonNode> Molecules(const std::string& text) {
    const JsonMoleculeStream stream(text);
    EXPECT_FALSE(stream.syntaxError()) << stream.syntaxError()->reason;
    std::vector<JsonNode> molecules;
    stream.forEachMolecule([&](JsonNode&& node, std::size_t position) {
        EXPECT_EQ(position, molecules.size() + 1);
        molecules.push_back(std::move(node));
    });
    return molecules;
}

TEST(JsonReader, NumbersKeepTheTextTheyWereWrittenWith) {
    const auto molecules =
        Molecules(R"({"a": 1.50, "b": 1E+2, "c": 1e400, "d": -2e-999, "e": 123456789012345678901234,
                      "f": -7, "g": "1e400"})");
    ASSERT_EQ(molecules.size(), 1u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"a", "1.50"},
        {"b", "1E+2"},
        {"c", "1e400"},
        {"d", "-2e-999"},
        {"e", "123456789012345678901234"},
        {"f", "-7"},
        {"g", "1e400"}};
    ASSERT_EQ(molecules[0].members.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(molecules[0].members[i].key, expected[i].first);
        EXPECT_EQ(molecules[0].members[i].value.text, expected[i].second);
    }
    EXPECT_EQ(molecules[0].members[6].value.kind, Kind::kString);
    EXPECT_EQ(molecules[0].members[2].value.kind, Kind::kNumber);
}

TEST(JsonReader, ARootArrayIsTheListOfMoleculesAnythingElseIsOneMolecule) {
    EXPECT_EQ(Molecules(R"([{"name": "a"}, {"name": "b"}, 3])").size(), 3u);
    EXPECT_EQ(Molecules(R"({"name": "a"})").size(), 1u);
    EXPECT_EQ(Molecules("null").front().kind, Kind::kNull);
    EXPECT_EQ(Molecules("[[1, 2]]").front().kind, Kind::kArray);
    EXPECT_TRUE(Molecules("[]").empty());
}

TEST(JsonReader, LongListsKeepOnlyWhatAnyMoleculeCanUseButCountAll) {
    std::string list = "[0";
    for (int i = 1; i < 100000; ++i) list += ",0";
    list += "]";
    const auto molecules = Molecules(R"({"vibrations": )" + list + R"(, "name": "x"})");
    const JsonNode& vibrations = molecules.at(0).members.at(0).value;
    EXPECT_EQ(vibrations.size, 100000u);
    EXPECT_EQ(vibrations.members.size(), 32768u);
    EXPECT_EQ(molecules[0].members.at(1).value.text, "x");
}

TEST(JsonReader, DeepNestingIsReadWithoutRecursion) {
    const std::size_t depth = 1000000;
    const auto molecules = Molecules(std::string(depth, '[') + std::string(depth, ']'));
    ASSERT_EQ(molecules.size(), 1u);
    EXPECT_EQ(molecules[0].kind, Kind::kArray);
    EXPECT_EQ(molecules[0].size, 1u);
}

TEST(JsonReader, OverflowingNumbersArePatchedOutsideStringsOnly) {
    const std::string text = R"([1e400, "1e400", "a\"1e400", -1e999, 5, 1e308, 01e400])";
    const auto patch = PatchOverflowingNumbers(text);
    ASSERT_TRUE(patch);
    EXPECT_EQ(patch->text.size(), text.size());
    EXPECT_EQ(patch->text, R"([0    , "1e400", "a\"1e400", -0    , 5, 1e308, 01e400])");
    EXPECT_EQ(patch->numbers,
              (std::vector<std::pair<std::size_t, std::string>>{{0, "1e400"}, {1, "-1e999"}}));
    EXPECT_FALSE(PatchOverflowingNumbers(R"({"a": 1e308, "b": "1e999"})"));
}

struct SyntaxCase {
    const char* what;
    std::string text;
    std::size_t line;
    std::size_t column;
};

void PrintTo(const SyntaxCase& c, std::ostream* os) {
    *os << c.what;
}

class NotJson : public ::testing::TestWithParam<SyntaxCase> {};

TEST_P(NotJson, IsAUsageErrorWithItsPlace) {
    const JsonMoleculeStream stream(GetParam().text);
    ASSERT_TRUE(stream.syntaxError());
    EXPECT_EQ(stream.syntaxError()->line, GetParam().line);
    EXPECT_EQ(stream.syntaxError()->column, GetParam().column);
    EXPECT_EQ(stream.syntaxError()->reason.find("last read"), std::string::npos);

    const RunResult run = RunInProcess({"-"}, GetParam().text);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("moltherm-cli: standard input: not valid JSON: ", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NotJson,
    ::testing::Values(SyntaxCase{"empty", "", 1, 1}, SyntaxCase{"blank", " \n\t", 1, 1},
                      SyntaxCase{"words", "hello", 1, 1},
                      SyntaxCase{"third line", "[\n1,\n,2]", 3, 1},
                      SyntaxCase{"truncated", "[{\"atoms\": 1},\n {\"atoms\"", 2, 10},
                      SyntaxCase{"NUL byte", std::string("{\"name\": \"a\"}\0", 14), 1, 14},
                      SyntaxCase{"NUL in a string", std::string("[\"a\0b\"]", 7), 1, 4},
                      SyntaxCase{"bad UTF-8", "[\"\xff\"]", 1, 3},
                      SyntaxCase{"trailing comma", "[1,]", 1, 4},
                      SyntaxCase{"two documents", "{} {}", 1, 4},
                      SyntaxCase{"comment", "// molecules\n[]", 1, 1}),
    [](const auto& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace moltherm::cli::testing
