#include "report/janaf_table.h"

#include <gtest/gtest.h>

#include <charconv>
#include <sstream>

#include "tests/support/typed_molecules.h"

namespace moltherm {
namespace {

const PhysicalConstants kC;

JanafRow RowOf(const Molecule& m, const std::string& text, double T) {
    const ThermoResults at = *ComputeThermo(kC, m, T);
    const ThermoResults reference = *ComputeThermo(kC, m, kReferenceTemperature);
    return {text, at.total.cp, at.total.s, ReferenceFunctionsOf(T, at, reference)};
}

TEST(JanafTable, TwoMoleculesByteForByte) {
    const JanafMolecule water{"water",
                              "H2O",
                              {{"298.15", 33.4815, 188.7184, {0, 188.7184}},
                               {" 1000 ", 41.0245, 232.4665, {25903.46, 206.5630}}}};
    const JanafMolecule unnamed{"no\r\nformula", "", {{"1e4", 59.5, 300.25, {-0.0004, 1e6}}}};
    EXPECT_EQ(FormatJanafTables({water, unnamed}, "\r\n"),
              "water (H2O): standard state 1 bar, Tr = 298.15 K\r\n"
              "         T            Cp             S  -[G-H(Tr)]/T       H-H(Tr)\r\n"
              "         K     J/(K mol)     J/(K mol)     J/(K mol)        kJ/mol\r\n"
              "    298.15        33.482       188.718       188.718         0.000\r\n"
              "      1000        41.025       232.467       206.563        25.903\r\n"
              "\r\n"
              "no  formula: standard state 1 bar, Tr = 298.15 K\r\n"
              "         T            Cp             S  -[G-H(Tr)]/T       H-H(Tr)\r\n"
              "         K     J/(K mol)     J/(K mol)     J/(K mol)        kJ/mol\r\n"
              "       1e4        59.500       300.250   1000000.000         0.000\r\n");
}

// A script takes the lines of exactly five numbers: they must be the rows, and hold the engine's
// values. Names that read as numbers stay in their heading.
TEST(JanafTable, ExactlyTheRowsAreFiveNumbersAndReadBackAsTheEngine) {
    const Molecule water = testing::Water();
    const double temperatures[] = {100, 298.15, 1234.5, 3000};
    JanafMolecule table{"1 2 3 4 5", "", {}};
    for (const double T : temperatures) {
        char text[32];
        table.rows.push_back(
            RowOf(water, std::string(text, std::to_chars(text, text + sizeof text, T).ptr), T));
    }
    JanafMolecule numeric = table;
    numeric.name = "6 7\n8 9 10";
    numeric.formula = "1 2";
    std::istringstream lines(FormatJanafTables({table, numeric}, "\n"));
    std::size_t row = 0;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::vector<double> numbers;
        std::string field;
        bool allNumbers = true;
        while (fields >> field) {
            double value = 0;
            const auto read = std::from_chars(field.data(), field.data() + field.size(), value);
            allNumbers &= read.ec == std::errc() && read.ptr == field.data() + field.size();
            numbers.push_back(value);
        }
        if (!allNumbers || numbers.size() != 5) continue;
        const double T = temperatures[row++ % 4];
        const ThermoResults at = *ComputeThermo(kC, water, T);
        const ReferenceFunctions f = *ComputeReferenceFunctions(kC, water, T);
        EXPECT_EQ(numbers[0], T) << line;
        EXPECT_NEAR(numbers[1], at.total.cp, 5e-4) << line;
        EXPECT_NEAR(numbers[2], at.total.s, 5e-4) << line;
        EXPECT_NEAR(numbers[3], f.gibbsEnergyFunction, 5e-4) << line;
        EXPECT_NEAR(numbers[4], f.hMinusHr / 1000, 5e-4) << line;
    }
    EXPECT_EQ(row, 8u);
}

}  // namespace
}  // namespace moltherm
