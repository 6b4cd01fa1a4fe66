// --format json: the document's shape, its keys, and values at full precision.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <set>

#include "cli/number_output.h"
#include "engine/calc_input.h"
#include "engine/thermo.h"
#include "tests/cli/cli_test_support.h"

namespace moltherm::cli::testing {
namespace {

using Json = nlohmann::json;

std::set<std::string> Keys(const Json& object) {
    std::set<std::string> keys;
    for (const auto& [key, value] : object.items()) keys.insert(key);
    return keys;
}

TEST(JsonOutput, OneObjectPerMoleculeAndPerTemperatureWithTheDocumentedKeys) {
    const RunResult run =
        RunInProcess({ExamplePath("molecules.json"), "--format", "json", "-T", "300", "-T", "500"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const Json document = Json::parse(run.out);
    ASSERT_TRUE(document.is_array());
    std::vector<std::string> names;
    for (const Json& molecule : document) {
        names.push_back(molecule.at("name"));
        EXPECT_EQ(Keys(molecule), (std::set<std::string>{"name", "results"}));
        ASSERT_EQ(molecule.at("results").size(), 2u);
        EXPECT_EQ(molecule["results"][0].at("temperature"), 300.0);
        EXPECT_EQ(molecule["results"][1].at("temperature"), 500.0);
        for (const Json& grid : molecule["results"]) {
            EXPECT_EQ(Keys(grid),
                      (std::set<std::string>{"temperature", "translational", "rotational",
                                             "vibrational", "electronic", "total"}));
            for (const char* column :
                 {"translational", "rotational", "vibrational", "electronic", "total"}) {
                EXPECT_EQ(Keys(grid.at(column)),
                          (std::set<std::string>{"q", "U", "H", "A", "G", "S", "Cp"}));
                for (const auto& [key, value] : grid[column].items())
                    EXPECT_TRUE(value.is_number_float()) << column << " " << key;
            }
        }
    }
    EXPECT_EQ(names, (std::vector<std::string>{"HCl", "Cl2", "H2O", "Ar", "O2"}));
}

TEST(JsonOutput, ValuesReadBackAsTheEngineComputedThem) {
    const RunResult run = RunInProcess({ExamplePath("hcl.json"), "--format", "json", "-T", "1000"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Json grid = Json::parse(run.out).at(0).at("results").at(0);

    const PhysicalConstants c;
    CalcInputTexts texts;
    texts.name = "HCl";
    texts.atomCount = "2";
    texts.temperature = "1000";
    texts.molarMass = "36.461";
    texts.energies = {"0"};
    texts.sigma = "1";
    texts.rotConsts = {"10.59", "", ""};
    texts.wavenumbers = {"2990.95"};
    texts.vibDegeneracies = {"1"};
    texts.elecDegeneracies = {"1"};
    MolecularData data;
    ASSERT_FALSE(ReadCalcInput(c, texts, data));
    StoreCoefficients(c, false, data);
    const ThermoOutcome expected =
        ComputeThermo(c, data, "1000", {texts.vibDegeneracies, texts.elecDegeneracies});
    ASSERT_TRUE(expected.ok());

    const std::pair<const char*, const Contribution*> columns[] = {
        {"translational", &expected.results.trans},
        {"rotational", &expected.results.rot},
        {"vibrational", &expected.results.vib},
        {"electronic", &expected.results.elec},
        {"total", &expected.results.total}};
    for (const auto& [column, values] : columns) {
        const Json& got = grid.at(column);
        // Bit for bit: the text is the shortest that reads back as the same double.
        EXPECT_EQ(got.at("q").get<double>(), values->q) << column;
        EXPECT_EQ(got.at("U").get<double>(), values->u) << column;
        EXPECT_EQ(got.at("H").get<double>(), values->h) << column;
        EXPECT_EQ(got.at("A").get<double>(), values->a) << column;
        EXPECT_EQ(got.at("G").get<double>(), values->g) << column;
        EXPECT_EQ(got.at("S").get<double>(), values->s) << column;
        EXPECT_EQ(got.at("Cp").get<double>(), values->cp) << column;
    }
}

TEST(JsonOutput, RefusedMoleculeHasItsErrorInsteadOfResultsAndNothingOnStandardError) {
    const RunResult run = RunInProcess({"-", "--format", "json"}, R"([
        {"name": "water", "atoms": 1, "molar_mass": "heavy"},
        {"atoms": 1, "molar_mass": 4},
        {"name": "Ar", "atoms": 1, "molar_mass": 39.948},
        {"name": "He \"4\" \u00e9", "atoms": 1, "molar_mass": 4, "colour": "none"},
        12])");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "");
    const Json document = Json::parse(run.out);
    ASSERT_EQ(document.size(), 5u);
    EXPECT_EQ(document[0], (Json{{"name", "water"}, {"error", "Invalid molar mass"}}));
    EXPECT_EQ(document[1], (Json{{"name", nullptr}, {"error", "Molecule must be named"}}));
    EXPECT_TRUE(document[2].contains("results"));
    EXPECT_EQ(document[3],
              (Json{{"name", "He \"4\" \u00e9"}, {"error", "unknown key \"colour\""}}));
    EXPECT_EQ(document[4], (Json{{"name", nullptr},
                                 {"error", "expected a molecule (an object), got a number"}}));
}

TEST(JsonOutput, EmptyListGivesAnEmptyArray) {
    const RunResult run = RunInProcess({"-", "--format", "json"}, " [ ] ");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "[]\n");
}

TEST(JsonOutput, NumbersAlwaysReadAsFloatingPoint) {
    const std::pair<double, const char*> cases[] = {
        {0.0, "0.0"},        {-0.0, "-0.0"},
        {3.0, "3.0"},        {-42.0, "-42.0"},
        {0.1, "0.1"},        {1e30, "1e+30"},
        {1.5e-7, "1.5e-07"}, {20.7862780298715, "20.7862780298715"},
        {1e22, "1e+22"},     {123456789012.0, "123456789012.0"}};
    for (const auto& [value, text] : cases) {
        std::string out;
        AppendJsonNumber(out, value);
        EXPECT_EQ(out, text);
        const Json back = Json::parse(out);
        EXPECT_TRUE(back.is_number_float()) << out;
        EXPECT_EQ(std::signbit(back.get<double>()), std::signbit(value)) << out;
    }
}

}  // namespace
}  // namespace moltherm::cli::testing
