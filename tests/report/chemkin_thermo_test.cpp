#include "report/chemkin_thermo.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/report/nasa7_read_back.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;

TEST(ChemkinThermo, ReadBackByColumnsFollowsTheEngine) {
    const std::vector<FittedMolecule> fitted = FittedMolecules();
    std::vector<Nasa7Species> species;
    for (const FittedMolecule& f : fitted) species.push_back(f.species);
    const auto text = FormatChemkinThermo(species, {}, "\n");
    ASSERT_TRUE(text.has_value()) << text.error();
    const std::vector<ReadSpecies> read = ReadChemkinEntries(*text);
    ASSERT_EQ(read.size(), 3u);
    const char* compositions[] = {"H2 O1", "C1 O2", "C2 H4 O2"};
    for (std::size_t k = 0; k < 3; ++k)  // E15.8 keeps nine digits
        ExpectFollowsTheEngine(fitted[k], read[k], compositions[k], 5e-9);
}

TEST(ChemkinThermo, HandmadeFitByteForByte) {
    const auto text = FormatChemkinThermo({HandmadeSpecies()}, {}, "\r\n");
    ASSERT_TRUE(text.has_value()) << text.error();
    EXPECT_EQ(*text,
              "! NASA-7 polynomials fitted by moltherm to its ideal-gas Cp, H and S; standard "
              "state 1 bar\r\nTHERMO\r\n   200.000  1000.000  3000.000\r\n"
              "! HOCl: largest deviations 200-1000 K: Cp 0.013 J/(K mol), H 0.003 kJ/mol, S "
              "0.004 J/(K mol)\r\n"
              "! HOCl: largest deviations 1000-3000 K: Cp 0.020 J/(K mol), H 0.005 kJ/mol, S "
              "0.005 J/(K mol)\r\n"
              "! HOCl: H(298.15 K) = 9.905 kJ/mol, moltherm's enthalpy measured from the lowest "
              "level (no enthalpy of formation given)\r\n"
              "HOCl                    H   1O   1Cl  1     G   200.000  3000.0001000.000      1\r\n"
              " 4.25000000E+00 1.50000000E-03-4.50000000E-07 6.25000000E-11-4.00000000E-15    2\r\n"
              "-1.50025000E+03 1.12500000E+00 3.50000000E+00-1.25000000E-03 2.50000000E-06    3\r\n"
              "-1.50000000E-09 3.12500000E-13-1.23450000E+03 6.75000000E+00                   4\r\n"
              "END\r\n");
}

struct EntryCase {
    const char* name;
    std::function<void(Nasa7Species&)> change;
    const char* refusal;  // nullptr when the entry is written
};

class ChemkinEntries : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ChemkinEntries, AreWrittenOrRefusedAtTheirLimits) {
    Nasa7Species s = HandmadeSpecies();
    GetParam().change(s);
    const auto text = FormatChemkinThermo({s}, s.fit.temperatures, "\n");
    ASSERT_EQ(text.has_value(), GetParam().refusal == nullptr);
    if (text) {
        EXPECT_EQ(ReadChemkinEntries(*text).at(0).name, s.name);
    } else {
        EXPECT_EQ(text.error(), GetParam().refusal);
    }
}

const auto kName = [](const char* name) { return [=](Nasa7Species& s) { s.name = name; }; };
const auto kFormula = [](const char* f) {
    return [=](Nasa7Species& s) { s.formula = *ParseFormula(f); };
};
const auto kMid = [](double mid) {
    return [=](Nasa7Species& s) { s.fit.temperatures = {200, mid, 20000}; };
};
const auto kA6 = [](double a6) { return [=](Nasa7Species& s) { s.fit.low[5] = a6; }; };
constexpr const char* kBadName =
    ": a Chemkin species name is 1 to 18 printable characters without blanks";

INSTANTIATE_TEST_SUITE_P(
    Report, ChemkinEntries,
    ::testing::Values(
        EntryCase{"EighteenCharacterName", kName("A23456789012345678"), {}},
        EntryCase{"NineteenCharacterName", kName("A234567890123456789"),
                  "A234567890123456789: a Chemkin species name is 1 to 18 printable characters "
                  "without blanks"},
        EntryCase{"NameWithBlank", kName("H O"),
                  "H O: a Chemkin species name is 1 to 18 "
                  "printable characters without blanks"},
        EntryCase{"EmptyName", kName(""), kBadName},
        EntryCase{"FourElements", kFormula("CHNO"), {}},
        EntryCase{"FiveElements", kFormula("CHNOS"),
                  "HOCl: a Chemkin entry holds at most four elements"},
        EntryCase{"NineHundredNinetyNineAtoms", kFormula("C999H"), {}},
        EntryCase{"ThousandAtoms", kFormula("C1000H"),
                  "HOCl: a Chemkin entry holds at most 999 atoms of one element"},
        EntryCase{"WidestMiddleTemperature", kMid(9999.999), {}},
        EntryCase{"MiddleTemperatureTooWide", kMid(10000),
                  "HOCl: a temperature does not fit its Chemkin field (F10.3, TMID F8.3)"},
        EntryCase{"LargestCoefficient", kA6(-9.99e99), {}},
        EntryCase{"CoefficientTooLarge", kA6(-1e100),
                  "HOCl: a coefficient does not fit Chemkin's E15.8 field"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace moltherm
