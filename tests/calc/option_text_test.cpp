#include "calc/option_text.h"

#include <gtest/gtest.h>

#include "calc/session.h"
#include "report/option_lines.h"
#include "tests/support/data_rows.h"
#include "tests/support/worked_examples.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;

class OptionTexts : public ::testing::TestWithParam<Json> {};

TEST_P(OptionTexts, ReadAndNamed) {
    const std::string kind = GetParam().value("kind", "pressure"), text = GetParam()["text"];
    if (kind == "scale" || kind == "cutoff") {
        const auto read = kind == "scale" ? ParseScaleFactor(kind, text) : ParseCutoff(kind, text);
        EXPECT_EQ(read ? Json(*read) : Json(read.error()), GetParam()["shown"]);
        return;
    }
    const auto state = kind == "concentration" ? ParseConcentration(text) : ParsePressure(text);
    EXPECT_EQ(state ? StandardStateText(*state) : state.error(), GetParam()["shown"]);
}

INSTANTIATE_TEST_SUITE_P(Options, OptionTexts, ::testing::ValuesIn(DataRows("option_texts")),
                         RowName);

// The summary's option lines themselves are compared by the command-line tests; here a session
// leaves every one of them behind once the options are back to their defaults.
TEST(Options, DefaultsAfterOptionsGiveThePlainReport) {
    ThermoOptions o;
    o.standardState = *ParsePressure("1atm");
    o.frequencyScale = 0.96;
    o.zeroPointEnergy = true;
    o.zpeScale = 0.95;
    o.qrrhoEntropyCutoff = o.qrrhoEnthalpyCutoff = o.raiseLowModesTo = 100;
    CalcSession session = CalculatedSession(WaterTexts());
    const std::string plain = session.reportText(), stamp = kReportDate + "  " + kReportTime;
    session.SetOptions(o);
    ASSERT_TRUE(session.Calc(WaterTexts(), stamp));
    ASSERT_NE(session.reportText(), plain);
    session.SetOptions(ThermoOptions{});
    ASSERT_TRUE(session.Calc(WaterTexts(), stamp));
    EXPECT_EQ(session.reportText(), plain);
}

}  // namespace
}  // namespace moltherm
