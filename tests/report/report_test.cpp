#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "report/cantera_yaml.h"
#include "report/chemkin_thermo.h"
#include "report/formula.h"
#include "report/janaf_table.h"
#include "report/number_format.h"
#include "report/results_table.h"
#include "report/summary.h"
#include "tests/report/nasa7_read_back.h"
#include "tests/support/data_rows.h"
#include "tests/support/worked_examples.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;

class Formulas : public ::testing::TestWithParam<Json> {};

TEST_P(Formulas, ReadOrRefuse) {
    const std::string typed = GetParam()["text"];
    const auto formula = ParseFormula(typed);
    std::string counts = formula ? "" : formula.error();
    for (const ElementCount& e : formula ? formula->elements : std::vector<ElementCount>{})
        counts += (counts.empty() ? "" : " ") + e.symbol + std::to_string(e.count);
    EXPECT_EQ(counts, GetParam()["counts"]);
    EXPECT_EQ(formula ? formula->text : typed, typed);
}

INSTANTIATE_TEST_SUITE_P(Report, Formulas, ::testing::ValuesIn(DataRows("formulas")), RowName);

class NumberFields : public ::testing::TestWithParam<Json> {};

TEST_P(NumberFields, WriteTheExpectedText) {
    const Json& f = GetParam();
    const double value = Number(f["value"]);
    const int width = f["width"], decimals = f["decimals"];
    const std::string text = f["kind"] == "fixed" ? FormatFixed(value, width, decimals)
                             : f["kind"] == "exp" ? FormatExp(value, width, decimals)
                                                  : FormatPattern(value, decimals);
    EXPECT_EQ(text, f["text"]);
}

INSTANTIATE_TEST_SUITE_P(Values, NumberFields, ::testing::ValuesIn(DataRows("number_fields")),
                         RowName);

TEST(NumberFieldsDeathTest, NegativeWidthOrDecimalsAreABrokenContract) {
    EXPECT_DEATH(FormatFixed(1, 8, -1), "decimals >= 0");
    EXPECT_DEATH(FormatExp(1, 10, -1), "decimals >= 0");
    EXPECT_DEATH(FormatFixed(1, -1, 0), "width >= 0");
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text must end in CR LF";
    return lines;
}

// The tables of the molecule at each temperature in turn, as "New T" appends them.
std::string Tables(const CalcInputTexts& texts, std::initializer_list<const char*> temperatures) {
    CalcSession session = testing::CalculatedSession(texts);
    session.ClearTables();
    for (const char* t : temperatures)
        EXPECT_TRUE(session.AddTable(t, texts.vibDegeneracies, texts.elecDegeneracies)) << t;
    return session.record().tableText;
}

TEST(ResultsTable, Cl2AtTwoTemperaturesByteForByte) {
    EXPECT_EQ(Tables(testing::Cl2Texts(), {"298.15", "1000"}), testing::kCl2Tables);
}

TEST(ResultsTable, ArgonHasNothingButTranslationByteForByte) {
    EXPECT_EQ(Tables(testing::ArgonTexts(), {"298.15"}),
              testing::ExpectedReport("argon_tables.txt"));
}

TEST(ResultsTable, HeadingKeepsColumnNamesInPlace) {
    const ThermoResults r;
    const std::string names = "translational rotational vibrational  electronic     total";
    EXPECT_EQ(Lines(FormatResultsTable(5, r, 1))[0], "5.00K" + std::string(10, ' ') + names);
    EXPECT_EQ(Lines(FormatResultsTable(1000, r, 1))[0], "1000.00K" + std::string(7, ' ') + names);
    EXPECT_EQ(Lines(FormatResultsTable(12345678901.0, r, 1))[0], "12345678901.00K" + names);
    // Too long for the heading: the temperature stands on a line of its own.
    const std::vector<std::string> lines = Lines(FormatResultsTable(1e11, r, 1));
    EXPECT_EQ(lines[0], "100000000000.00K");
    EXPECT_EQ(lines[1], std::string(15, ' ') + names);
    EXPECT_EQ(lines[2].substr(0, 17), "  q            : ");
}

TEST(ResultsTable, CellThatDoesNotFitShowsAsterisksAndKeepsTheLayout) {
    ThermoResults r;
    r.trans.q = r.total.q = r.rot.q = r.vib.q = r.elec.q = 1;
    r.rot.s = 123456.0;
    r.total.u = -2e6;  // -2000 kJ/mol
    const std::vector<std::string> lines = Lines(FormatResultsTable(298.15, r, 1));
    EXPECT_EQ(lines[3],
              "  S/(J/(K mol)):    0.000    ********       0.000       0.000       0.000");
    EXPECT_EQ(lines[5],
              "  U/(kJ/mol)   :    0.000       0.000       0.000       0.000    ********");
}

class Summary : public ::testing::Test {
  protected:
    const std::vector<double> ground{0};
    const std::vector<std::string> groundDegen{"1"};
    SummaryInput in = [this] {
        SummaryInput in;
        in.stamp = testing::kReportDate + "  " + testing::kReportTime;
        in.elecEnergy = ground, in.elecDegeneracies = groundDegen;
        return in;
    }();
};

TEST_F(Summary, LinearMoleculeWorkedExample) {
    const std::vector<double> freq{2990.95};
    in.name = "HCl", in.nAtoms = 2, in.molarMass = 36.461, in.sigmaText = "1", in.rotConst1 = 10.59;
    in.vibFreq = freq;
    in.vibDegeneracies = groundDegen;
    EXPECT_EQ(FormatSummary(in), testing::kHclSummary);
}

TEST_F(Summary, AtomHasNoRotationalOrVibrationalLines) {
    in.name = "Ar", in.nAtoms = 1, in.molarMass = 39.948, in.sigmaText = "1";
    EXPECT_EQ(FormatSummary(in), testing::kArgonSummary);
}

// The name, the degeneracy texts as typed; a wavenumber too wide for its field.
TEST_F(Summary, NonlinearRowsLevelsAndTextsAsTheyStand) {
    const std::vector<double> freq{3657, 1595, 1000000};
    const std::vector<std::string> degen{"1", "02", "1"};
    const std::vector<double> levels{0, 500, 1234.567};
    const std::vector<std::string> levelDegen{"2", "1", "3"};
    in.name = "  water", in.nAtoms = 3, in.linear = false, in.molarMass = 1, in.sigmaText = "2";
    in.rotConst1 = 27.877, in.rotConst2 = 14.512, in.rotConst3 = 9.285;
    in.vibFreq = freq, in.vibDegeneracies = degen, in.elecEnergy = levels;
    in.elecDegeneracies = levelDegen;
    EXPECT_EQ(FormatSummary(in), testing::ExpectedReport("water_as_typed_summary.txt"));
}

TEST_F(Summary, AtomNameKeepsLeadingBlanks) {
    in.name = " He";
    in.molarMass = 4.0026;
    EXPECT_NE(FormatSummary(in).find("Gas phase  He atom.\r\n"), std::string::npos);
}

// Both texts read back follow the engine; Chemkin's E15.8 keeps nine digits, Cantera all.
TEST(Nasa7Texts, ReadBackFollowsTheEngine) {
    const std::vector<FittedMolecule> fitted = FittedMolecules();
    std::vector<Nasa7Species> species;
    species.reserve(fitted.size());
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

TEST(CanteraYaml, HandmadeFitByteForByte) {
    EXPECT_EQ(FormatCanteraSpecies({HandmadeSpecies()}, "\r\n"),
              testing::ExpectedReport("hocl_cantera.yaml"));
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
                             R"(composition: {"N": 1, "Y": 1, "No": 1, "On": 1})",
                             "H(298.15 K) the enthalpy of formation given\"\n"})
        EXPECT_NE(text.find(part), std::string::npos) << part << " in\n" << text;
    EXPECT_EQ(
        FormatCanteraSpecies({}, "\n"),
        "# NASA-7 polynomials fitted by moltherm to its ideal-gas Cp, H and S\nspecies: []\n");
}

TEST(ChemkinThermo, HandmadeFitByteForByte) {
    const auto text = FormatChemkinThermo({HandmadeSpecies()}, {}, "\r\n");
    EXPECT_EQ(text ? *text : text.error(), testing::ExpectedReport("hocl_chemkin.dat"));
}

class ChemkinEntries : public ::testing::TestWithParam<Json> {};

TEST_P(ChemkinEntries, AreWrittenOrRefusedAtTheirLimits) {
    const Json& row = GetParam();
    Nasa7Species s = HandmadeSpecies();
    if (row.contains("formula")) s.formula = *ParseFormula(row["formula"].get<std::string>());
    s.name = row.value("species", s.name);
    if (row.contains("mid")) s.fit.temperatures = {200, row["mid"], 20000};
    s.fit.low[5] = row.value("a6", s.fit.low[5]);
    const auto text = FormatChemkinThermo({s}, s.fit.temperatures, "\n");
    ASSERT_EQ(text.has_value(), row["refusal"].is_null());
    EXPECT_EQ(text ? ReadChemkinEntries(*text).at(0).name : text.error(),
              text ? s.name : row["refusal"].get<std::string>());
}

INSTANTIATE_TEST_SUITE_P(Report, ChemkinEntries, ::testing::ValuesIn(DataRows("chemkin_entries")),
                         RowName);

// Temperatures as typed, a name on two lines, a molecule without a formula, a field too wide.
TEST(JanafTable, TwoMoleculesByteForByte) {
    const JanafMolecule water{"water",
                              "H2O",
                              {{"298.15", 33.4815, 188.7184, {0, 188.7184}},
                               {" 1000 ", 41.0245, 232.4665, {25903.46, 206.5630}}}};
    const JanafMolecule unnamed{"no\r\nformula", "", {{"1e4", 59.5, 300.25, {-0.0004, 1e10}}}};
    EXPECT_EQ(FormatJanafTables({water, unnamed}, "\r\n"),
              testing::ExpectedReport("janaf_two.txt"));
}

}  // namespace
}  // namespace moltherm
