// --format csv: header, one row per molecule and temperature, quoting, error rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/cli_test_support.h"

namespace moltherm::cli::testing {
namespace {

constexpr const char* kHeader =
    "name,temperature,"
    "translational_q,translational_U,translational_H,translational_A,translational_G,"
    "translational_S,translational_Cp,"
    "rotational_q,rotational_U,rotational_H,rotational_A,rotational_G,rotational_S,rotational_Cp,"
    "vibrational_q,vibrational_U,vibrational_H,vibrational_A,vibrational_G,vibrational_S,"
    "vibrational_Cp,"
    "electronic_q,electronic_U,electronic_H,electronic_A,electronic_G,electronic_S,electronic_Cp,"
    "total_q,total_U,total_H,total_A,total_G,total_S,total_Cp,error";

std::vector<std::string> Rows(const std::string& text, const std::string& eol = "\n") {
    std::vector<std::string> rows;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(eol, start)) != std::string::npos;
         start = end + eol.size())
        rows.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last line end";
    return rows;
}

// Splits one row whose fields hold no line breaks, undoing RFC 4180 quoting.
std::vector<std::string> Fields(const std::string& row) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const char c = row[i];
        if (quoted && c == '"' && i + 1 < row.size() && row[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

TEST(CsvOutput, HeaderThenOneRowPerTemperature) {
    const RunResult run =
        RunInProcess({ExamplePath("cl2.json"), "--format", "csv", "-T", "298.15", "-T", "1000"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> rows = Rows(run.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], kHeader);
    const std::vector<std::string> first = Fields(rows[1]);
    ASSERT_EQ(first.size(), 38u);
    EXPECT_EQ(first[0], "Cl2");
    EXPECT_EQ(first[1], "298.15");
    EXPECT_EQ(first.back(), "");
    EXPECT_EQ(Fields(rows[2])[1], "1000");
    // S total of the 1000 K table, 266.179 when rounded.
    EXPECT_NEAR(std::stod(Fields(rows[2])[35]), 266.179, 0.0005);
    // Shortest round-trip texts: the electronic q of a single level at 0 is exactly 1.
    EXPECT_EQ(first[23], "1");
}

TEST(CsvOutput, NamesAreQuotedAndRefusedMoleculesGetAnErrorRow) {
    const RunResult run = RunInProcess({"-", "--format", "csv", "--crlf"}, R"([
        {"name": "argon, \"the lazy one\"", "atoms": 1, "molar_mass": 39.948},
        {"name": "water", "atoms": 1, "molar_mass": "heavy"}])");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "moltherm-cli: water: Invalid molar mass\n");
    const std::vector<std::string> rows = Rows(run.out, "\r\n");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].substr(0, 26), R"("argon, ""the lazy one""",)");
    EXPECT_EQ(Fields(rows[1])[0], "argon, \"the lazy one\"");
    EXPECT_EQ(rows[2], "water" + std::string(37, ',') + "Invalid molar mass");
    EXPECT_EQ(Fields(rows[2]).size(), 38u);
}

TEST(CsvOutput, ErrorTextsWithQuotesAreQuoted) {
    const RunResult run =
        RunInProcess({"-", "--format", "csv"}, R"({"name": "x", "atoms": 1, "colour": 1})");
    const std::vector<std::string> rows = Rows(run.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(Fields(rows[1]).back(), "unknown key \"colour\"");
    EXPECT_EQ(rows[1].substr(rows[1].size() - 25), R"(,"unknown key ""colour""")");
}

}  // namespace
}  // namespace moltherm::cli::testing
