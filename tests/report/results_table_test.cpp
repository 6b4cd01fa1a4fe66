#include "report/results_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "tests/support/worked_examples.h"

namespace moltherm {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text must end in CR LF";
    return lines;
}

class ResultsTable : public ::testing::Test {
  protected:
    // The tables of the molecule at each temperature in turn, as "New T" appends them.
    std::string Tables(const CalcInputTexts& texts,
                       std::initializer_list<const char*> temperatures) {
        CalcSession session = testing::CalculatedSession(texts);
        session.ClearTables();
        for (const char* t : temperatures)
            EXPECT_TRUE(session.AddTable(t, texts.vibDegeneracies, texts.elecDegeneracies)) << t;
        return session.record().tableText;
    }
};

TEST_F(ResultsTable, Cl2AtTwoTemperaturesByteForByte) {
    EXPECT_EQ(Tables(testing::Cl2Texts(), {"298.15", "1000"}), testing::kCl2Tables);
}

TEST_F(ResultsTable, ArgonAtomLinesAndLineLengths) {
    const std::vector<std::string> lines = Lines(Tables(testing::ArgonTexts(), {"298.15"}));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[1],
              "  q            : 6.0558E+30     1.000    1.00000000     1.000    6.0558E+30");
    EXPECT_EQ(lines[3],
              "  S/(J/(K mol)):  154.847       0.000       0.000       0.000     154.847");
    EXPECT_EQ(lines[8],
              "  G/(kJ/mol)   :  -39.970       0.000       0.000       0.000     -39.970");
    EXPECT_EQ(lines[0].size(), 73u);
    EXPECT_EQ(lines[1].size(), 75u);
    EXPECT_EQ(lines[2].size(), 75u);
    for (int k = 3; k <= 8; ++k) EXPECT_EQ(lines[k].size(), 73u);
    EXPECT_EQ(lines[9], "");
}

TEST_F(ResultsTable, HeadingKeepsColumnNamesInPlace) {
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

TEST_F(ResultsTable, CellThatDoesNotFitShowsAsterisksAndKeepsTheLayout) {
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

}  // namespace
}  // namespace moltherm
