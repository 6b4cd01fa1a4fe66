// Molecule files on the command line: each refused molecule is one line naming it, hostile files
// are refused without harm, and a geometry fills in what a file leaves out.
#include <nlohmann/json.hpp>

#include "tests/cli/cli_test_support.h"

namespace moltherm::cli::testing {
namespace {

std::string Repeat(const std::string& text, int count) {
    std::string repeated;
    for (int i = 0; i < count; ++i) repeated += text;
    return repeated;
}

struct Broken {
    const char* name;
    std::string input;
    std::string messages;  // each after "moltherm-cli: "
};

// Each molecule is refused alone: one line on standard error, no output, status 1.
class RefusedMolecule : public ::testing::TestWithParam<Broken> {};

TEST_P(RefusedMolecule, IsOneLineOnStandardError) {
    std::string err;
    for (const std::string& line : Split(GetParam().messages, "\n"))
        err += "moltherm-cli: " + line + "\n";
    EXPECT_EQ(RunInProcess({"-"}, GetParam().input), (RunResult{1, "", err}));
}

const std::string kHcl = R"({"name": "HCl", "molar_mass": 36.461, "atoms": 2, )";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cli, RefusedMolecule, ::testing::Values(
    // Far deeper than any stack would allow for recursion.
    Broken{"DeepArray", Repeat("[", 100000) + Repeat("]", 100000), "molecule 1: expected a molecule (an object), got an array"},
    Broken{"TooManyRows", kHcl + "\"rotational_constants\": [10.59], \"vibrations\": [" + Repeat("{}, ", 32767) + "{}]}", "HCl: vibrations: more than 32767 rows"},
    Broken{"LongKeyCut", kHcl + "\"\\u0001" + Repeat("k", 60) + "\": 1}", "HCl: unknown key \"\\u0001" + Repeat("k", 39) + "\u2026\""},
    // Beyond a double is a number like any other; below one it is 0.
    Broken{"BeyondADouble", R"([1e400, {"name": "Ar", "atoms": 1, "molar_mass": 1e-400}])", "molecule 1: expected a molecule (an object), got a number\nAr: Invalid molar mass"},
    // The window's message wins when the window refuses a box before the file's problem.
    Broken{"EmptyNameBeforeMissingLists", R"({"name": "", "atoms": 2, "molar_mass": 28})", "molecule 1: Molecule must be named"},
    Broken{"ShapeBeforeMolarMass", R"({"name": "HCl", "atoms": 2, "shape": "bent", "molar_mass": "abc"})", R"(HCl: shape: expected "linear" or "nonlinear")"},
    Broken{"SigmaBeforeWavenumber", kHcl + R"("symmetry_number": 0, "rotational_constants": [10.59], "vibrations": [{"wavenumber": -1}]})", "HCl: symmetry_number: expected a whole number from 1 to 32767"},
    // A long name is cut short.
    Broken{"LongUnicodeName", R"({"atoms": 1, "name": ")" + Repeat("\u00e9", 41) + "\"}", Repeat("\u00e9", 40) + "\u2026: No molar mass entered"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Water as a geometry only.
const std::string kWaterGeometry =
    R"("geometry": [{"element": "O", "x": 0, "y": 0, "z": 0.1173},
    {"element": "H", "x": 0, "y": 0.7572, "z": -0.4692},
    {"element": "h", "x": "0", "y": -0.7572, "z": -0.4692, "mass": 1.00782503223}])";
const std::string kWater = R"({"name": "W", "vibrations": [{"wavenumber": 3657},
    {"wavenumber": 1595}, {"wavenumber": 3756}], )";

// Given values win over the geometry's, with a warning where they differ.
TEST(MoleculeFile, GivenValuesWinOverTheGeometry) {
    const std::vector<std::string> args{"-", "--format", "molecule"};
    const RunResult given =
        RunInProcess(args, kWater + R"("molar_mass": 18.3, "symmetry_number": 1, "formula": "OH2",
            "rotational_constants": [27.38, 14.59, 9.3], )" +
                               kWaterGeometry + "}");
    EXPECT_EQ(given.err,
              "moltherm-cli: W: warning: the given molar mass 18.3 differs from the geometry's "
              "18.0106 by more than 1 %; using 18.3\n"
              "moltherm-cli: W: warning: the given symmetry number 1 differs from the geometry's 2 "
              "(point group C2v); using 1\n"
              "moltherm-cli: W: warning: the given rotational constant 3 9.3 differs from "
              "the geometry's 9.5164 by more than 1 %; using 9.3\n");
    const nlohmann::json g = nlohmann::json::parse(given.out).at(0);
    EXPECT_EQ(std::tuple(g.at("molar_mass"), g.at("symmetry_number"), g.at("formula")),
              std::tuple(18.3, 1, "OH2"));
}

}  // namespace
}  // namespace moltherm::cli::testing
