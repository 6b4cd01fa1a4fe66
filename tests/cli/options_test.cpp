// Thermochemistry options and temperature ranges on the command line: what the JSON output says
// was applied, and the report's lines that name them.
#include "tests/cli/cli_test_support.h"
#include "tests/support/data_rows.h"

namespace moltherm::cli::testing {
namespace {

class OptionFlags : public ::testing::TestWithParam<Json> {};

TEST_P(OptionFlags, AreAppliedAndNamed) {
    const auto run = [](std::vector<std::string> args) {
        for (const Json& arg : GetParam()["args"]) args.push_back(arg);
        return RunInProcess(args);
    };
    const RunResult json = run({ExamplePath("h2o.json"), "-T", "500", "--format", "json"});
    ASSERT_EQ(std::pair(json.exitCode, json.err), std::pair(0, std::string()));
    const Json molecule = Json::parse(json.out).at(0);
    EXPECT_EQ(molecule.contains("options") ? molecule["options"] : Json(), GetParam()["options"]);
    const std::string report = run({ExamplePath("h2o.json"), "-T", "500", "--timestamp", "X"}).out;
    const std::size_t from = report.find("\nAll data"), to = report.find("\nMolar Mass");
    ASSERT_LT(from, to) << report;
    EXPECT_EQ(report.substr(from + 1, to - from), GetParam()["lines"]);
}

INSTANTIATE_TEST_SUITE_P(Cli, OptionFlags, ::testing::ValuesIn(DataRows("cli_option_flags")),
                         RowName);

// Ranges expand in place, single values keep their text, range points are exact texts.
TEST(TemperatureRanges, ExpandInOrderAmongSingleValues) {
    const RunResult run =
        RunInProcess({ExamplePath("ar.json"), "--format", "csv", "-T", "298.150", "-T",
                      "300:500:100", "-T", "0.1:0.3:0.1", "-T", "7:7:1", "-T", "1000:1000.5:1"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::string temperatures;
    const std::vector<std::string> rows = Split(run.out, "\n");
    for (std::size_t i = 1; i + 1 < rows.size(); ++i) temperatures += Split(rows[i], ",")[1] + " ";
    EXPECT_EQ(temperatures, "298.15 300 400 500 0.1 0.2 0.3 7 1000 ");
}

}  // namespace
}  // namespace moltherm::cli::testing
