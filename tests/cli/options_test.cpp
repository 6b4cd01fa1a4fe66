// Thermochemistry options and temperature ranges on the command line: what the JSON output says
// was applied, and the report's lines that name them.
#include <nlohmann/json.hpp>

#include "tests/cli/cli_test_support.h"

namespace moltherm::cli::testing {
namespace {

using Json = nlohmann::json;

struct OptionCase {
    const char* name;
    std::vector<std::string> args;
    Json options;       // the JSON output's "options" object; null when absent
    std::string lines;  // the report's lines from "All data" to "Molar Mass", not included
};

class OptionFlags : public ::testing::TestWithParam<OptionCase> {};

TEST_P(OptionFlags, AreAppliedAndNamed) {
    const OptionCase& c = GetParam();
    const auto run = [&](std::vector<std::string> args) {
        args.insert(args.end(), c.args.begin(), c.args.end());
        return RunInProcess(args);
    };
    const RunResult json = run({ExamplePath("h2o.json"), "-T", "500", "--format", "json"});
    ASSERT_EQ(std::pair(json.exitCode, json.err), std::pair(0, std::string()));
    const Json molecule = Json::parse(json.out).at(0);
    EXPECT_EQ(molecule.contains("options") ? molecule["options"] : Json(), c.options);
    const std::string report = run({ExamplePath("h2o.json"), "-T", "500", "--timestamp", "X"}).out;
    const std::size_t from = report.find("\nAll data"), to = report.find("\nMolar Mass");
    ASSERT_LT(from, to) << report;
    EXPECT_EQ(report.substr(from + 1, to - from), c.lines);
}

const std::string kOneBar = "All data for 1 mole at 1 bar.\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cli, OptionFlags, ::testing::Values(
    OptionCase{"Defaults", {}, nullptr, kOneBar},
    OptionCase{"OneBarSpelledOut", {"--pressure", "100kPa"}, nullptr, "All data for 1 mole at 100 kPa.\n"},
    OptionCase{"Atmosphere", {"--pressure", "1atm"}, Json{{"pressure", 101325.0}}, "All data for 1 mole at 1 atm.\n"},
    OptionCase{"Molar", {"--concentration", "1M"}, Json{{"concentration", 1.0}}, "All data for 1 mole at 1 mol/L.\n"},
    OptionCase{"AllTheRest", {"--scale", "0.96", "--zpe", "--zpe-scale", "0.95", "--qrrho-entropy", "100", "--qrrho-enthalpy", "200", "--raise-low-modes", "1600"},
               Json{{"frequency_scale", 0.96}, {"zero_point_energy", true}, {"zpe_scale", 0.95}, {"qrrho_entropy_cutoff", 100.0}, {"qrrho_enthalpy_cutoff", 200.0}, {"raise_low_modes_to", 1600.0}},
               kOneBar + "Frequencies scaled by 0.96.\nZero-point energy 51.186 kJ/mol included (factor 0.95).\n"
               "Quasi-RRHO entropy (Grimme), cutoff 100 1/cm.\nQuasi-RRHO energy (Head-Gordon), cutoff 200 1/cm.\n"
               "Modes below 1600 1/cm raised to 1600 1/cm.\nq is the harmonic partition function.\n"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

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
