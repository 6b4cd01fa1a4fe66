#include "calc/option_text.h"

#include <gtest/gtest.h>

#include "calc/session.h"
#include "report/option_lines.h"
#include "tests/support/worked_examples.h"

namespace moltherm {
namespace {

struct StateText {
    const char* text;
    const char* shown;  // as the summary names it, or the message
    bool concentration = false;
};
void PrintTo(const StateText& s, std::ostream* os) {
    *os << '"' << s.text << '"';
}

class StandardStates : public ::testing::TestWithParam<StateText> {};

TEST_P(StandardStates, ReadAndNamed) {
    const StateText& p = GetParam();
    const auto state = p.concentration ? ParseConcentration(p.text) : ParsePressure(p.text);
    EXPECT_EQ(state ? StandardStateText(*state) : state.error(), p.shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Options, StandardStates, ::testing::Values(
    StateText{"1atm", "1 atm"}, StateText{"101325Pa", "101325 Pa"}, StateText{"760torr", "760 torr"},
    StateText{" 50 kPa ", "50 kPa"}, StateText{"1bar", "1 bar"}, StateText{"0.1MPa", "0.1 MPa"},
    StateText{"1e5Pa", "100000 Pa"}, StateText{"1", "pressure needs a unit: bar, atm, Pa, kPa, MPa or torr"},
    StateText{"1psi", "unknown pressure unit \"psi\": use bar, atm, Pa, kPa, MPa or torr"},
    StateText{"0atm", "pressure must be greater than 0"}, StateText{"-1bar", "pressure must be greater than 0"},
    StateText{"x1bar", "pressure \"x1\" is not a number"},
    StateText{"xbar", "unknown pressure unit \"xbar\": use bar, atm, Pa, kPa, MPa or torr"},
    StateText{"1M", "1 mol/L", true}, StateText{"0.5", "0.5 mol/L", true},
    StateText{"1mM", "unknown concentration unit \"mM\": use M (mol/L)", true},
    StateText{"0M", "concentration must be greater than 0", true}));
// clang-format on

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
    using namespace moltherm::testing;
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
