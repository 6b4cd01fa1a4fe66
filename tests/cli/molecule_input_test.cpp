// Molecule files on the command line: each refused molecule is one line naming it, hostile files
// are refused without harm, and a geometry fills in what a file leaves out.
#include <nlohmann/json.hpp>

#include "tests/cli/cli_test_support.h"
#include "tests/support/data_rows.h"

namespace moltherm::cli::testing {
namespace {

// A row's text: a list joins its pieces, a piece [text, n] standing for n copies of text.
std::string Text(const Json& text) {
    if (text.is_string()) return text;
    std::string joined;
    for (const Json& piece : text)
        for (int i = 0; i < (piece.is_string() ? 1 : piece[1].get<int>()); ++i)
            joined += piece.is_string() ? piece : piece[0];
    return joined;
}

// Each molecule is refused alone: one line on standard error, no output, status 1.
class RefusedMolecule : public ::testing::TestWithParam<Json> {};

TEST_P(RefusedMolecule, IsOneLineOnStandardError) {
    std::string err;
    for (const std::string& line : Split(Text(GetParam()["messages"]), "\n"))
        err += "moltherm-cli: " + line + "\n";
    EXPECT_EQ(RunInProcess({"-"}, Text(GetParam()["input"])), (RunResult{1, "", err}));
}

INSTANTIATE_TEST_SUITE_P(Cli, RefusedMolecule,
                         ::testing::ValuesIn(DataRows("cli_refused_molecules")), RowName);

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
