// The thermochemical-table and NASA-7 formats: what a script picks from them agrees with the
// engine.
#include <sstream>

#include "engine/thermo.h"
#include "tests/cli/cli_test_support.h"

namespace moltherm::cli::testing {
namespace {

// The lines that are exactly five numbers, as numbers.
std::vector<std::vector<double>> FiveNumberRows(const std::string& text) {
    std::vector<std::vector<double>> rows;
    for (const std::string& line : Split(text, "\n")) {
        std::istringstream in(line);
        std::vector<double> numbers;
        for (double x; in >> x;) numbers.push_back(x);
        if (numbers.size() == 5 && in.eof()) rows.push_back(numbers);
    }
    return rows;
}

TEST(JanafFormat, RowsAreTheEnginesTotalsAtThreeDecimals) {
    const RunResult run = RunInProcess({ExamplePath("h2o.json"), ExamplePath("cl2.json"), "-T",
                                        "298.15", "-T", "300:1000:350", "--format", "janaf",
                                        "--pressure", "1atm"});
    ASSERT_EQ(std::pair(run.exitCode, run.err), std::pair(0, std::string()));
    EXPECT_TRUE(run.out.starts_with("H2O: standard state 1 atm, Tr = 298.15 K\n")) << run.out;
    EXPECT_NE(run.out.find("\n\nCl2: standard state 1 atm"), std::string::npos) << run.out;
    const auto rows = FiveNumberRows(run.out);
    ASSERT_EQ(rows.size(), 8u) << run.out;
    const char* temperatures[] = {"298.15", "300", "650", "1000"};
    for (std::size_t k = 0; k < rows.size(); ++k) {
        CalcInputTexts texts = k < 4 ? WaterTexts() : Cl2Texts();
        ThermoOptions atm;
        atm.standardState = {{}, 1, PressureUnit::kAtm};
        const Molecule molecule = TypedMolecule(texts);
        const double t = std::stod(temperatures[k % 4]);
        const auto r = ComputeThermo({}, molecule, t, atm);
        const auto r298 = ComputeThermo({}, molecule, 298.15, atm);
        ASSERT_TRUE(r && r298);
        const double hMinusHr = r->total.h - r298->total.h;
        const std::vector<double> expected{t, r->total.cp, r->total.s,
                                           r->total.s - hMinusHr / t, hMinusHr / 1000};
        for (std::size_t c = 0; c < 5; ++c)
            EXPECT_NEAR(rows[k][c], expected[c], 0.0005) << "row " << k << ", column " << c;
    }
}

}  // namespace
}  // namespace moltherm::cli::testing
