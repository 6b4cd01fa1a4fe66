#include "calc/option_text.h"

#include <gtest/gtest.h>

#include "calc/session.h"
#include "report/option_lines.h"
#include "tests/support/data_rows.h"
#include "tests/support/worked_examples.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;

class StandardStates : public ::testing::TestWithParam<Json> {};

TEST_P(StandardStates, ReadAndNamed) {
    const std::string text = GetParam()["text"];
    const auto state =
        GetParam().value("concentration", false) ? ParseConcentration(text) : ParsePressure(text);
    EXPECT_EQ(state ? StandardStateText(*state) : state.error(), GetParam()["shown"]);
}

INSTANTIATE_TEST_SUITE_P(Options, StandardStates, ::testing::ValuesIn(DataRows("standard_states")),
                         RowName);

TEST(Options, ScaleFactorsAndCutoffs) {
    EXPECT_EQ(std::tuple(*ParseScaleFactor("scale", "0.96"), *ParseScaleFactor("scale", "2"),
                         *ParseCutoff("cutoff", "100")),
              std::tuple(0.96, 2.0, 100.0));
    EXPECT_EQ(ParseScaleFactor("scale", "0").error(), "scale must be greater than 0");
    EXPECT_EQ(ParseScaleFactor("scale", "2.01").error(), "scale must be at most 2");
    EXPECT_EQ(ParseScaleFactor("scale", "nan").error(), "scale \"nan\" is not a number");
    EXPECT_EQ(ParseCutoff("cutoff", "-5").error(), "cutoff must be greater than 0");
}

// The summary's option lines themselves are compared by the command-line tests; here a session
// leaves every one of them behind once the options are back to their defaults.
TEST(Options, DefaultsAfterOptionsGiveThePlainReport) {
    ThermoOptions o;
    o.standardState = *ParsePressure("1atm");
    o.frequencyScale = 0.96;
    o.zeroPointEnergy = true;
    o.zpeScale = 0.95;
    o.qrrhoEntropyCutoff = o.qrrhoEnthalpyCutoff = o.raiseLowModesTo = 100;
    CalcSession session;
    session.SetOptions(o);
    session.record().nModes = 3;
    const std::string stamp = kReportDate + "  " + kReportTime;
    ASSERT_TRUE(session.Calc(WaterTexts(), stamp));
    ASSERT_NE(session.reportText(), CalculatedSession(WaterTexts()).reportText());
    session.SetOptions(ThermoOptions{});
    ASSERT_TRUE(session.Calc(WaterTexts(), stamp));
    EXPECT_EQ(session.reportText(), CalculatedSession(WaterTexts()).reportText());
}

}  // namespace
}  // namespace moltherm
