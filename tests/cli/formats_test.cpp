// The thermochemical-table and NASA-7 formats: what a script picks from them agrees with the
// engine.
#include <sstream>

#include "engine/thermo.h"
#include "tests/cli/cli_test_support.h"
#include "tests/report/nasa7_read_back.h"

namespace moltherm::cli::testing {
namespace {

TEST(JanafFormat, RowsAreTheEnginesTotalsAtThreeDecimals) {
    const RunResult run =
        RunInProcess({ExamplePath("h2o.json"), ExamplePath("cl2.json"), "-T", "298.15", "-T",
                      "300:1000:350", "--format", "janaf", "--pressure", "1atm"});
    ASSERT_EQ(std::pair(run.exitCode, run.err), std::pair(0, std::string()));
    EXPECT_TRUE(run.out.starts_with("H2O (H2O): standard state 1 atm, Tr = 298.15 K\n")) << run.out;
    EXPECT_NE(run.out.find("\n\nCl2 (Cl2): standard state 1 atm"), std::string::npos) << run.out;
    std::vector<std::vector<double>> rows;  // the lines that are exactly five numbers
    for (const std::string& line : Split(run.out, "\n")) {
        std::istringstream in(line);
        std::vector<double> numbers;
        for (double x; in >> x;) numbers.push_back(x);
        if (numbers.size() == 5 && in.eof()) rows.push_back(numbers);
    }
    ASSERT_EQ(rows.size(), 8u) << run.out;
    const double temperatures[] = {298.15, 300, 650, 1000};
    ThermoOptions atm;
    atm.standardState = {{}, 1, PressureUnit::kAtm};
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const Molecule molecule = TypedMolecule(k < 4 ? WaterTexts() : Cl2Texts());
        const double t = temperatures[k % 4];
        const auto r = ComputeThermo({}, molecule, t, atm);
        const auto r298 = ComputeThermo({}, molecule, 298.15, atm);
        ASSERT_TRUE(r && r298);
        const double hMinusHr = r->total.h - r298->total.h;
        const std::vector<double> expected{t, r->total.cp, r->total.s, r->total.s - hMinusHr / t,
                                           hMinusHr / 1000};
        for (std::size_t c = 0; c < 5; ++c)
            EXPECT_NEAR(rows[k][c], expected[c], 0.0005) << "row " << k << ", column " << c;
    }
}

// Water with its enthalpy of formation, HCl without a formula, a formula of five elements.
const std::string kNasa7Input =
    R"([{"name": "H2O", "formula": "H2O", "enthalpy_of_formation": -241.826, "atoms": 3,
    "molar_mass": 18.015, "shape": "nonlinear", "symmetry_number": 2, "rotational_constants":
    [27.877, 14.512, 9.285], "vibrations": [{"wavenumber": 3657}, {"wavenumber": 1595},
    {"wavenumber": 3756}]}, {"name": "HCl", "molar_mass": 36.461, "atoms": 2, "vibrations":
    [{"wavenumber": 2990.95}], "rotational_constants": [10.59]}, {"name": "X", "formula":
    "CHNOS", "atoms": 1, "molar_mass": 77}])";

// The polynomials written are the fit of each molecule read; a molecule either format cannot
// take is refused alone.
TEST(Nasa7Formats, ChemkinFollowsTheEngine) {
    const RunResult run = RunInProcess({"-", "--format", "chemkin"}, kNasa7Input);
    EXPECT_EQ(std::pair(run.exitCode, run.err),
              std::pair(1, std::string("moltherm-cli: HCl: formula: required for --format "
                                       "chemkin\nmoltherm-cli: X: X: a Chemkin entry holds at "
                                       "most four elements\n")));
    const auto read = ReadChemkinEntries(run.out);
    ASSERT_EQ(read.size(), 1u) << run.out;
    const Molecule water = TypedMolecule(WaterTexts());
    const FittedMolecule fitted{water,
                                {"H2O", *ParseFormula("H2O"), *FitNasa7({}, water, {}, -241826.0)}};
    ExpectFollowsTheEngine(fitted, read[0], "H2 O1", 5e-9);
}

TEST(Nasa7Formats, CanteraKeepsTheRangesAndTheOptions) {
    const RunResult run = RunInProcess(
        {"-", "--format", "cantera", "--nasa7", "250:1100:2900", "--scale", "0.97"}, kNasa7Input);
    EXPECT_EQ(std::pair(run.exitCode, run.err),
              std::pair(1, std::string("moltherm-cli: HCl: formula: required for --format "
                                       "cantera\n")));
    const auto read = ReadCanteraSpecies(run.out);
    ASSERT_EQ(read.size(), 2u) << run.out;
    ThermoOptions scaled;
    scaled.frequencyScale = 0.97;
    const auto fit =
        FitNasa7({}, TypedMolecule(WaterTexts()), {250, 1100, 2900}, -241826.0, scaled);
    ASSERT_TRUE(fit);
    const Nasa7Temperatures& t = read[0].temperatures;
    // YAML 1.1 reads N as false.
    EXPECT_EQ(std::tuple(read[0].name, read[0].composition, read[1].composition, t.low, t.mid,
                         t.high, read[0].low, read[0].high),
              std::tuple("H2O", "H2 O1", "C1 H1 \"N\"1 O1 S1", 250.0, 1100.0, 2900.0, fit->low,
                         fit->high));
    EXPECT_NE(run.out.find("# H2O: Frequencies scaled by 0.97.\n"), std::string::npos);
}

}  // namespace
}  // namespace moltherm::cli::testing
