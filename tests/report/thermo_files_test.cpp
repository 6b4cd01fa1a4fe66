#include <gtest/gtest.h>

#include <charconv>
#include <functional>
#include <sstream>

#include "report/cantera_yaml.h"
#include "report/chemkin_thermo.h"
#include "report/janaf_table.h"
#include "tests/report/nasa7_read_back.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;

// Both texts read back follow the engine; Chemkin's E15.8 keeps nine digits, Cantera all.
TEST(Nasa7Texts, ReadBackFollowsTheEngine) {
    const std::vector<FittedMolecule> fitted = FittedMolecules();
    std::vector<Nasa7Species> species;
    for (const FittedMolecule& f : fitted) species.push_back(f.species);
    const auto chemkin = FormatChemkinThermo(species, {}, "\n");
    ASSERT_TRUE(chemkin.has_value()) << chemkin.error();
    for (const bool isChemkin : {true, false}) {
        const std::vector<ReadSpecies> read =
            isChemkin ? ReadChemkinEntries(*chemkin)
                      : ReadCanteraSpecies(FormatCanteraSpecies(species, "\n"));
        ASSERT_EQ(read.size(), 3u);
        const char* compositions[] = {"H2 O1", "C1 O2", "C2 H4 O2"};
        for (std::size_t k = 0; k < 3; ++k)
            ExpectFollowsTheEngine(fitted[k], read[k], compositions[k], isChemkin ? 5e-9 : 0);
    }
}

constexpr const char* kDeviations =
    " HOCl: largest deviations 200-1000 K: Cp 0.013 J/(K mol), H 0.003 kJ/mol, S 0.004 J/(K mol)"
    "\r\n%s HOCl: largest deviations 1000-3000 K: Cp 0.020 J/(K mol), H 0.005 kJ/mol, S 0.005 "
    "J/(K mol)\r\n%s HOCl: H(298.15 K) = 9.905 kJ/mol, moltherm's enthalpy measured from the "
    "lowest level (no enthalpy of formation given)\r\n";

std::string Deviations(const char* mark) {
    std::string text = mark + std::string(kDeviations);
    for (std::size_t at; (at = text.find("%s")) != std::string::npos;) text.replace(at, 2, mark);
    return text;
}

TEST(CanteraYaml, HandmadeFitByteForByte) {
    EXPECT_EQ(FormatCanteraSpecies({HandmadeSpecies()}, "\r\n"),
              "# NASA-7 polynomials fitted by moltherm to its ideal-gas Cp, H and S\r\n"
              "species:\r\n" +
                  Deviations("#") +
                  "- name: \"HOCl\"\r\n"
                  "  composition: {H: 1, O: 1, Cl: 1}\r\n"
                  "  thermo:\r\n"
                  "    model: NASA7\r\n"
                  "    temperature-ranges: [200.0, 1000.0, 3000.0]\r\n"
                  "    reference-pressure: 1 bar\r\n"
                  "    data:\r\n"
                  "    - [3.5, -0.00125, 2.5e-06, -1.5e-09, 3.125e-13, -1234.5, 6.75]\r\n"
                  "    - [4.25, 0.0015, -4.5e-07, 6.25e-11, -4.0e-15, -1500.25, 1.125]\r\n"
                  "    note: \"moltherm ideal-gas fit, formula HOCl, H(298.15 K) measured from "
                  "the lowest level\"\r\n");
}

// Quotes and escapes in names, symbols a YAML 1.1 reader takes for booleans, an empty list.
TEST(CanteraYaml, QuotesWhatAReaderCouldMisread) {
    Nasa7Species s = HandmadeSpecies();
    s.name = "say \"hi\"\\\n";
    s.formula = *ParseFormula("NYNoOn");
    s.fit.fromEnthalpyOfFormation = true;
    const std::string text = FormatCanteraSpecies({s}, "\n");
    for (const char* part : {"\n- name: \"say \\\"hi\\\"\\\\\\x0a\"\n",
                             "\n# say \"hi\"\\ : H(298.15 K) = 9.905 kJ/mol, the enthalpy of "
                             "formation given\n",
                             "composition: {\"N\": 1, \"Y\": 1, \"No\": 1, \"On\": 1}",
                             "H(298.15 K) the enthalpy of formation given\"\n"})
        EXPECT_NE(text.find(part), std::string::npos) << part << " in\n" << text;
    EXPECT_EQ(
        FormatCanteraSpecies({}, "\n"),
        "# NASA-7 polynomials fitted by moltherm to its ideal-gas Cp, H and S\nspecies: []\n");
}

TEST(ChemkinThermo, HandmadeFitByteForByte) {
    const auto text = FormatChemkinThermo({HandmadeSpecies()}, {}, "\r\n");
    ASSERT_TRUE(text.has_value()) << text.error();
    EXPECT_EQ(*text,
              "! NASA-7 polynomials fitted by moltherm to its ideal-gas Cp, H and S; standard "
              "state 1 bar\r\nTHERMO\r\n   200.000  1000.000  3000.000\r\n" +
                  Deviations("!") +
                  "HOCl                    H   1O   1Cl  1     G   200.000  3000.0001000.000      "
                  "1\r\n"
                  " 4.25000000E+00 1.50000000E-03-4.50000000E-07 6.25000000E-11-4.00000000E-15    "
                  "2\r\n"
                  "-1.50025000E+03 1.12500000E+00 3.50000000E+00-1.25000000E-03 2.50000000E-06    "
                  "3\r\n"
                  "-1.50000000E-09 3.12500000E-13-1.23450000E+03 6.75000000E+00                   "
                  "4\r\nEND\r\n");
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
    EXPECT_EQ(text ? ReadChemkinEntries(*text).at(0).name : text.error(),
              text ? s.name : GetParam().refusal);
}

auto Name(const char* name) {
    return [=](Nasa7Species& s) { s.name = name; };
}
auto Formula(const char* f) {
    return [=](Nasa7Species& s) { s.formula = *ParseFormula(f); };
}
auto Mid(double mid) {
    return [=](Nasa7Species& s) { s.fit.temperatures = {200, mid, 20000}; };
}
auto A6(double a6) {
    return [=](Nasa7Species& s) { s.fit.low[5] = a6; };
}
constexpr const char* kBadName =
    ": a Chemkin species name is 1 to 18 printable characters without blanks";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Report, ChemkinEntries, ::testing::Values(
    EntryCase{"EighteenCharacterName", Name("A23456789012345678"), {}},
    EntryCase{"NineteenCharacterName", Name("A234567890123456789"),
              "A234567890123456789: a Chemkin species name is 1 to 18 printable characters without blanks"},
    EntryCase{"NameWithBlank", Name("H O"),
              "H O: a Chemkin species name is 1 to 18 printable characters without blanks"},
    EntryCase{"EmptyName", Name(""), kBadName},
    EntryCase{"FourElements", Formula("CHNO"), {}},
    EntryCase{"FiveElements", Formula("CHNOS"), "HOCl: a Chemkin entry holds at most four elements"},
    EntryCase{"NineHundredNinetyNineAtoms", Formula("C999H"), {}},
    EntryCase{"ThousandAtoms", Formula("C1000H"),
              "HOCl: a Chemkin entry holds at most 999 atoms of one element"},
    EntryCase{"WidestMiddleTemperature", Mid(9999.999), {}},
    EntryCase{"MiddleTemperatureTooWide", Mid(10000),
              "HOCl: a temperature does not fit its Chemkin field (F10.3, TMID F8.3)"},
    EntryCase{"LargestCoefficient", A6(-9.99e99), {}},
    EntryCase{"CoefficientTooLarge", A6(-1e100), "HOCl: a coefficient does not fit Chemkin's E15.8 field"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

const JanafMolecule kWater{"water",
                           "H2O",
                           {{"298.15", 33.4815, 188.7184, {0, 188.7184}},
                            {" 1000 ", 41.0245, 232.4665, {25903.46, 206.5630}}}};

TEST(JanafTable, TwoMoleculesByteForByte) {
    const JanafMolecule unnamed{"no\r\nformula", "", {{"1e4", 59.5, 300.25, {-0.0004, 1e10}}}};
    const std::string heading =
        ": standard state 1 bar, Tr = 298.15 K\r\n"
        "         T            Cp             S  -[G-H(Tr)]/T       H-H(Tr)\r\n"
        "         K     J/(K mol)     J/(K mol)     J/(K mol)        kJ/mol\r\n";
    EXPECT_EQ(FormatJanafTables({kWater, unnamed}, "\r\n"),
              "water (H2O)" + heading +
                  "    298.15        33.482       188.718       188.718         0.000\r\n"
                  "      1000        41.025       232.467       206.563        25.903\r\n\r\n"
                  "no  formula" +
                  heading +
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
