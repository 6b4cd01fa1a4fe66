#include "report/chemkin_thermo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>

#include "tests/report/nasa7_read_back.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

struct ChemkinEntry {
    std::string name;
    std::string elements;  // "H2 O1"
    Nasa7Temperatures temperatures;
    Nasa7Coefficients low{}, high{};
};

// Reads the entries back by their columns, checking the fixed characters on the way.
std::vector<ChemkinEntry> ReadEntries(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (line.rfind('!', 0) != 0) lines.push_back(line);
    EXPECT_EQ(lines.front(), "THERMO");
    EXPECT_EQ(lines.back(), "END");
    std::vector<ChemkinEntry> entries;
    for (std::size_t at = 2; at + 4 < lines.size(); at += 4) {
        double values[14];
        for (std::size_t k = 0; k < 4; ++k) {
            const std::string& line = lines[at + k];
            EXPECT_EQ(line.size(), 80u) << line;
            EXPECT_EQ(line.substr(79), std::to_string(k + 1)) << line;
            for (std::size_t f = 0; k > 0 && f < 5 && 5 * (k - 1) + f < 14; ++f)
                values[5 * (k - 1) + f] = std::stod(line.substr(15 * f, 15));
        }
        const std::string& first = lines[at];
        ChemkinEntry e{Trim(first.substr(0, 18)), "", {}};
        EXPECT_EQ(first.substr(18, 6), "      ");
        for (std::size_t pair = 0; pair < 4; ++pair) {
            const std::string symbol = Trim(first.substr(24 + 5 * pair, 2));
            if (symbol.empty()) continue;
            e.elements += (e.elements.empty() ? "" : " ") + symbol +
                          std::to_string(std::stoi(first.substr(26 + 5 * pair, 3)));
        }
        EXPECT_EQ(first[44], 'G');
        e.temperatures = {std::stod(first.substr(45, 10)), std::stod(first.substr(65, 8)),
                          std::stod(first.substr(55, 10))};
        std::copy(values, values + 7, e.high.begin());
        std::copy(values + 7, values + 14, e.low.begin());
        entries.push_back(e);
    }
    return entries;
}

TEST(ChemkinThermo, ReadBackByColumnsFollowsTheEngine) {
    const std::vector<FittedMolecule> fitted = FittedMolecules();
    std::vector<Nasa7Species> species;
    for (const FittedMolecule& f : fitted) species.push_back(f.species);
    const auto text = FormatChemkinThermo(species, {}, "\n");
    ASSERT_TRUE(text.has_value()) << text.error();
    const std::vector<ChemkinEntry> entries = ReadEntries(*text);
    ASSERT_EQ(entries.size(), fitted.size());
    const char* elements[] = {"H2 O1", "C1 O2", "C2 H4 O2"};
    for (std::size_t k = 0; k < entries.size(); ++k) {
        EXPECT_EQ(entries[k].name, fitted[k].species.name);
        EXPECT_EQ(entries[k].elements, elements[k]);
        for (std::size_t a = 0; a < 7; ++a) {  // E15.8 keeps nine digits
            EXPECT_NEAR(entries[k].low[a], fitted[k].species.fit.low[a],
                        5e-9 * std::fabs(fitted[k].species.fit.low[a]));
            EXPECT_NEAR(entries[k].high[a], fitted[k].species.fit.high[a],
                        5e-9 * std::fabs(fitted[k].species.fit.high[a]));
        }
        ExpectFollowsTheEngine(fitted[k], entries[k].temperatures, entries[k].low, entries[k].high);
    }
}

TEST(ChemkinThermo, HandmadeFitsByteForByte) {
    Nasa7Species given = HandmadeSpecies();
    given.name = "HOCl(given)";
    given.fit.fromEnthalpyOfFormation = true;
    given.fit.h298 = -74500.25;
    const auto text = FormatChemkinThermo({HandmadeSpecies(), given}, {}, "\r\n");
    ASSERT_TRUE(text.has_value()) << text.error();
    const std::string coefficients =
        " 4.25000000E+00 1.50000000E-03-4.50000000E-07 6.25000000E-11-4.00000000E-15    2\r\n"
        "-1.50025000E+03 1.12500000E+00 3.50000000E+00-1.25000000E-03 2.50000000E-06    3\r\n"
        "-1.50000000E-09 3.12500000E-13-1.23450000E+03 6.75000000E+00                   4\r\n";
    const std::string elementsToEnd =
        "H   1O   1Cl  1     G   200.000  3000.0001000.000      1\r\n";
    EXPECT_EQ(*text,
              "! NASA-7 polynomials fitted by moltherm to its ideal-gas Cp, H and S; standard "
              "state 1 bar\r\n"
              "THERMO\r\n"
              "   200.000  1000.000  3000.000\r\n"
              "! HOCl: largest deviations 200-1000 K: Cp 0.013 J/(K mol), H 0.003 kJ/mol, S "
              "0.004 J/(K mol)\r\n"
              "! HOCl: largest deviations 1000-3000 K: Cp 0.020 J/(K mol), H 0.005 kJ/mol, S "
              "0.005 J/(K mol)\r\n"
              "! HOCl: H(298.15 K) = 9.905 kJ/mol, moltherm's enthalpy measured from the lowest "
              "level (no enthalpy of formation given)\r\n"
              "HOCl                    " +
                  elementsToEnd + coefficients +
                  "! HOCl(given): largest deviations 200-1000 K: Cp 0.013 J/(K mol), H 0.003 "
                  "kJ/mol, S 0.004 J/(K mol)\r\n"
                  "! HOCl(given): largest deviations 1000-3000 K: Cp 0.020 J/(K mol), H 0.005 "
                  "kJ/mol, S 0.005 J/(K mol)\r\n"
                  "! HOCl(given): H(298.15 K) = -74.500 kJ/mol, the enthalpy of formation "
                  "given\r\n"
                  "HOCl(given)             " +
                  elementsToEnd + coefficients + "END\r\n");
}

struct EntryCase {
    const char* name;
    std::function<void(Nasa7Species&)> change;
    const char* refusal;  // nullptr when the entry is written
};

void PrintTo(const EntryCase& c, std::ostream* os) {
    *os << c.name;
}

class ChemkinEntries : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ChemkinEntries, AreWrittenOrRefusedAtTheirLimits) {
    Nasa7Species s = HandmadeSpecies();
    GetParam().change(s);
    const auto text = FormatChemkinThermo({s}, s.fit.temperatures, "\n");
    if (GetParam().refusal) {
        ASSERT_FALSE(text.has_value());
        EXPECT_EQ(text.error(), GetParam().refusal);
    } else {
        ASSERT_TRUE(text.has_value()) << text.error();
        EXPECT_EQ(ReadEntries(*text).at(0).name, s.name);
    }
}

void Name(Nasa7Species& s, const char* name) {
    s.name = name;
}
void Formula(Nasa7Species& s, const char* formula) {
    s.formula = *ParseFormula(formula);
}

INSTANTIATE_TEST_SUITE_P(
    Report, ChemkinEntries,
    ::testing::Values(
        EntryCase{"EighteenCharacterName", [](auto& s) { Name(s, "A23456789012345678"); }, {}},
        EntryCase{"NineteenCharacterName", [](auto& s) { Name(s, "A234567890123456789"); },
                  "A234567890123456789: a Chemkin species name is 1 to 18 printable characters "
                  "without blanks"},
        EntryCase{"NameWithBlank", [](auto& s) { Name(s, "H O"); },
                  "H O: a Chemkin species name is 1 to 18 printable characters without blanks"},
        EntryCase{"EmptyName", [](auto& s) { Name(s, ""); },
                  ": a Chemkin species name is 1 to 18 printable characters without blanks"},
        EntryCase{"FourElements", [](auto& s) { Formula(s, "CHNO"); }, {}},
        EntryCase{"FiveElements", [](auto& s) { Formula(s, "CHNOS"); },
                  "HOCl: a Chemkin entry holds at most four elements"},
        EntryCase{"NineHundredNinetyNineAtoms", [](auto& s) { Formula(s, "C999H"); }, {}},
        EntryCase{"ThousandAtoms", [](auto& s) { Formula(s, "C1000H"); },
                  "HOCl: a Chemkin entry holds at most 999 atoms of one element"},
        EntryCase{"WidestMiddleTemperature",
                  [](auto& s) {
                      s.fit.temperatures = {200, 9999.999, 20000};
                  },
                  {}},
        EntryCase{"MiddleTemperatureTooWide",
                  [](auto& s) {
                      s.fit.temperatures = {200, 10000, 20000};
                  },
                  "HOCl: a temperature does not fit its Chemkin field (F10.3, TMID F8.3)"},
        EntryCase{"LargestCoefficient", [](auto& s) { s.fit.low[5] = -9.99e99; }, {}},
        EntryCase{"CoefficientTooLarge", [](auto& s) { s.fit.low[5] = -1e100; },
                  "HOCl: a coefficient does not fit Chemkin's E15.8 field"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace moltherm
