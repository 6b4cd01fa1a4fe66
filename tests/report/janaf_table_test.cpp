#include "report/janaf_table.h"

#include <gtest/gtest.h>

#include <charconv>
#include <sstream>

namespace moltherm {
namespace {

const JanafMolecule kWater{"water",
                           "H2O",
                           {{"298.15", 33.4815, 188.7184, {0, 188.7184}},
                            {" 1000 ", 41.0245, 232.4665, {25903.46, 206.5630}}}};

TEST(JanafTable, TwoMoleculesByteForByte) {
    const JanafMolecule unnamed{"no\r\nformula", "", {{"1e4", 59.5, 300.25, {-0.0004, 1e10}}}};
    EXPECT_EQ(FormatJanafTables({kWater, unnamed}, "\r\n"),
              "water (H2O): standard state 1 bar, Tr = 298.15 K\r\n"
              "         T            Cp             S  -[G-H(Tr)]/T       H-H(Tr)\r\n"
              "         K     J/(K mol)     J/(K mol)     J/(K mol)        kJ/mol\r\n"
              "    298.15        33.482       188.718       188.718         0.000\r\n"
              "      1000        41.025       232.467       206.563        25.903\r\n"
              "\r\n"
              "no  formula: standard state 1 bar, Tr = 298.15 K\r\n"
              "         T            Cp             S  -[G-H(Tr)]/T       H-H(Tr)\r\n"
              "         K     J/(K mol)     J/(K mol)     J/(K mol)        kJ/mol\r\n"
              "       1e4        59.500       300.250 10000000000.000         0.000\r\n");
}

// A script takes the lines of exactly five numbers: they must be the rows and nothing else, also
// when names and formulas read as numbers.
TEST(JanafTable, OnlyTheRowsAreFiveNumbers) {
    JanafMolecule numeric = kWater, numericNoFormula = kWater;
    numeric.name = "6 7\n8 9 10";
    numeric.formula = "1 2";
    numericNoFormula.name = "1 2 3 4 5";
    numericNoFormula.formula = "";
    std::istringstream lines(FormatJanafTables({numeric, numericNoFormula}, "\n"));
    std::vector<double> temperatures;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::vector<double> numbers;
        bool onlyNumbers = true;
        for (std::string field; onlyNumbers && fields >> field;) {
            double value = 0;
            const auto read = std::from_chars(field.data(), field.data() + field.size(), value);
            onlyNumbers = read.ec == std::errc() && read.ptr == field.data() + field.size();
            numbers.push_back(value);
        }
        if (onlyNumbers && numbers.size() == 5) temperatures.push_back(numbers[0]);
    }
    EXPECT_EQ(temperatures, (std::vector<double>{298.15, 1000, 298.15, 1000}));
}

}  // namespace
}  // namespace moltherm
