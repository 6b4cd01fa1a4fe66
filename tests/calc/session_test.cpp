#include "calc/session.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/data_rows.h"
#include "tests/support/worked_examples.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;

const std::string kStamp = kReportDate + "  " + kReportTime;

// "Calc" starts the tables afresh.
TEST(CalcSession, CalcThenNewTGivesTheWorkedReportAndNewTRereadsItsBoxes) {
    const CalcInputTexts cl2 = Cl2Texts();
    CalcSession session = CalculatedSession(cl2);
    ASSERT_TRUE(session.AddTable("1000", cl2.vibDegeneracies, cl2.elecDegeneracies));
    EXPECT_EQ(session.record().tableText, kCl2Tables);
    EXPECT_EQ(session.reportText(), session.record().summaryText + kCl2Tables);
    EXPECT_EQ(CalculatedSession(HclTexts()).record().summaryText, kHclSummary);
    EXPECT_EQ(CalculatedSession(ArgonTexts()).record().summaryText, kArgonSummary);
    CalcSession water;
    water.SetPrescaled(0.97);
    water.record().nModes = 3;
    ASSERT_TRUE(water.Calc(WaterTexts(), kStamp));
    for (const char* line : {"Rotational Constants: 27.877000/cm,  14.512000/cm,  9.285000/cm.",
                             "Frequencies scaled by 0.97 in the file."})
        EXPECT_NE(water.record().summaryText.find(line), std::string::npos) << line;
    ASSERT_TRUE(session.Calc(cl2, kStamp));
    EXPECT_EQ(session.record().tableText, kCl2Tables.substr(0, kCl2Tables.find("1000.00K")));
    // "New T" stores the temperature it read, even a refused one, and rereads the degeneracies.
    EXPECT_FALSE(session.AddTable("-1", cl2.vibDegeneracies, cl2.elecDegeneracies));
    EXPECT_EQ(session.record().temperature, -1.0);
    const std::vector<std::string> bad = {"x"};
    EXPECT_EQ(session.AddTable("500", bad, cl2.elecDegeneracies).error(), "Invalid degeneracy");
    const std::vector<std::string> two = {"2"};
    ASSERT_TRUE(session.AddTable("500", cl2.vibDegeneracies, two));
    EXPECT_NEAR(session.results().elec.s, 8.3145112119486 * std::log(2.0), 1e-12);
}

class NewTRefusals : public ::testing::TestWithParam<Json> {};

TEST_P(NewTRefusals, KeepTheTables) {
    const CalcInputTexts cl2 = Cl2Texts();
    CalcSession session = CalculatedSession(cl2);
    const std::string before = session.record().tableText;
    const std::string temperature = GetParam()["temperature"];
    const auto added = session.AddTable(temperature, cl2.vibDegeneracies, cl2.elecDegeneracies);
    EXPECT_EQ(added ? "added" : added.error(), GetParam()["message"]);
    EXPECT_EQ(session.record().tableText, before);
}

INSTANTIATE_TEST_SUITE_P(CalcSession, NewTRefusals, ::testing::ValuesIn(DataRows("new_t_refusals")),
                         RowName);

// The summary names the standard state in force, and only it changes.
TEST(CalcSession, SummaryNamesTheStandardState) {
    CalcSession session;
    ThermoOptions options;
    options.standardState = {StandardState::Kind::kPressure, 50, PressureUnit::kKPa};
    session.SetOptions(options);
    session.record().nModes = 1;
    ASSERT_TRUE(session.Calc(HclTexts(), kStamp));
    std::string expected = kHclSummary;
    const std::string plain = "All data for 1 mole at 1 bar.";
    ASSERT_NE(expected.find(plain), std::string::npos);
    expected.replace(expected.find(plain), plain.size(), "All data for 1 mole at 50 kPa.");
    EXPECT_EQ(session.record().summaryText, expected);
}

}  // namespace
}  // namespace moltherm
