#include <gtest/gtest.h>

#include "form_fixture.h"

namespace moltherm::app::testing {
namespace {

class ElectronicLevelsTest : public FormTest {};

TEST_F(ElectronicLevelsTest, AddStateAppendsAnEditableRowBelowTheLast) {
    press("cmdAddState");
    EXPECT_EQ(form.lastLevel(), 1);
    for (const char* name : {"txtEnergy", "txtEnergyDegen", "spnEnergyDegen"}) {
        EXPECT_EQ(c(name, 1).top, 1430) << name;
        EXPECT_TRUE(c(name, 1).visible) << name;
        EXPECT_EQ(c(name, 1).left, c(name, 0).left) << name;
        EXPECT_EQ(c(name, 1).width, c(name, 0).width) << name;
    }
    EXPECT_EQ(text("txtEnergy", 1), "0");
    EXPECT_FALSE(c("txtEnergy", 1).locked);
    EXPECT_EQ(text("txtEnergyDegen", 1), "1");
    EXPECT_TRUE(c("txtEnergyDegen", 1).locked);
    EXPECT_EQ(c("frmElectronic").height, 1925);
    EXPECT_EQ(observer.heights, std::vector<int>{6720});
    EXPECT_GT(c("spnEnergyDegen", 1).tabIndex, c("txtEnergyDegen", 1).tabIndex);
    EXPECT_GT(c("txtEnergyDegen", 1).tabIndex, c("txtEnergy", 1).tabIndex);
    EXPECT_GT(c("txtEnergy", 1).tabIndex, 36);
    EXPECT_EQ(observer.events,
              (std::vector<std::string>{
                  "focus cmdAddState", "create txtEnergy(1)", "Locked txtEnergy(1)",
                  "Visible txtEnergy(1)", "Top txtEnergy(1)", "create txtEnergyDegen(1)",
                  "Visible txtEnergyDegen(1)", "Top txtEnergyDegen(1)", "create spnEnergyDegen(1)",
                  "Visible spnEnergyDegen(1)", "Top spnEnergyDegen(1)", "Height frmElectronic",
                  "window Height"}));
}

TEST_F(ElectronicLevelsTest, OnlyTheUpperLevelsAcceptTyping) {
    press("cmdAddState");
    type("txtEnergy", "500", 1);
    EXPECT_EQ(text("txtEnergy", 1), "500");
    EXPECT_FALSE(form.typeText(ControlId{"txtEnergy", 0}, "5"));
    EXPECT_EQ(text("txtEnergy", 0), "0");
}

TEST_F(ElectronicLevelsTest, ANewRowCopiesTheGroundDegeneracyAndItsSpinner) {
    up("spnEnergyDegen", 0, 2);
    ASSERT_EQ(text("txtEnergyDegen", 0), "3");
    press("cmdAddState");
    EXPECT_EQ(text("txtEnergyDegen", 1), "3");
    EXPECT_EQ(c("spnEnergyDegen", 1).value, -3);
    down("spnEnergyDegen", 1);
    EXPECT_EQ(text("txtEnergyDegen", 1), "2");
    up("spnEnergyDegen", 1);
    EXPECT_EQ(text("txtEnergyDegen", 1), "3");
}

TEST_F(ElectronicLevelsTest, ResetWithTheGroundLevelAloneUnloadsNothing) {
    observer.clear();
    press("cmdReset");
    EXPECT_TRUE(observer.matching("destroy").empty());
    EXPECT_EQ(c("frmElectronic").height, 1575);
    EXPECT_EQ(observer.heightSets, 1);
    EXPECT_EQ(text("txtEnergy", 0), "0");
    EXPECT_EQ(text("txtEnergyDegen", 0), "1");
    EXPECT_EQ(form.i(), 1);
}

TEST_F(ElectronicLevelsTest, ResetRemovesTheUpperRowsInRisingOrder) {
    press("cmdAddState");
    press("cmdAddState");
    type("txtEnergy", "500", 1);
    up("spnEnergyDegen", 0);
    observer.clear();
    press("cmdReset");
    EXPECT_EQ(observer.events,
              (std::vector<std::string>{"focus cmdReset", "destroy txtEnergy(1)",
                                        "destroy txtEnergyDegen(1)", "destroy spnEnergyDegen(1)",
                                        "destroy txtEnergy(2)", "destroy txtEnergyDegen(2)",
                                        "destroy spnEnergyDegen(2)", "Height frmElectronic",
                                        "window Height", "Text txtEnergyDegen(0)"}));
    EXPECT_EQ(form.lastLevel(), 0);
    EXPECT_EQ(form.i(), 3);
    EXPECT_EQ(c("spnEnergyDegen", 0).value, -2);
    press("cmdAddState");
    EXPECT_EQ(text("txtEnergy", 1), "0");  // what was typed went with the row
}

TEST_F(ElectronicLevelsTest, AfterAResetEitherArrowRaisesTheDegeneracy) {
    for (bool useUp : {true, false}) {
        SCOPED_TRACE(useUp);
        Session s;
        s.up("spnEnergyDegen", 0, 2);
        s.press("cmdReset");
        ASSERT_EQ(s.text("txtEnergyDegen", 0), "1");
        if (useUp)
            s.up("spnEnergyDegen", 0);
        else
            s.down("spnEnergyDegen", 0);
        EXPECT_EQ(s.text("txtEnergyDegen", 0), "2");
    }
}

TEST_F(ElectronicLevelsTest, ARefusedDownClickIsUsedUpByTheNextUpClick) {
    down("spnEnergyDegen", 0);
    EXPECT_EQ(text("txtEnergyDegen", 0), "1");
    EXPECT_EQ(c("spnEnergyDegen", 0).value, 0);
    up("spnEnergyDegen", 0);
    EXPECT_EQ(text("txtEnergyDegen", 0), "2");
}

TEST_F(ElectronicLevelsTest, ThreeRefusedDownClicksCostTwoUpClicks) {
    down("spnEnergyDegen", 0, 3);
    EXPECT_EQ(c("spnEnergyDegen", 0).value, 2);
    up("spnEnergyDegen", 0, 2);
    EXPECT_EQ(text("txtEnergyDegen", 0), "1");
    up("spnEnergyDegen", 0);
    EXPECT_EQ(text("txtEnergyDegen", 0), "2");
}

TEST_F(ElectronicLevelsTest, TheSpinnerStopsAtTheEndOfItsRange) {
    form.setText(ControlId{"txtEnergyDegen", 0}, "40000");
    for (int k = 0; k < 32767 + 2; ++k) ASSERT_TRUE(form.spinDown(ControlId{"spnEnergyDegen", 0}));
    EXPECT_EQ(c("spnEnergyDegen", 0).value, 32767);
    EXPECT_EQ(text("txtEnergyDegen", 0), "7232");  // 32768 steps down, then the range ended
}

TEST_F(ElectronicLevelsTest, TheWindowGrowsWithTheListUpToTheLimitAndKeepsEveryRow) {
    for (int k = 0; k < 82; ++k) press("cmdAddState");
    EXPECT_EQ(form.height(), 32575);
    press("cmdAddState");
    EXPECT_EQ(form.lastLevel(), 83);
    EXPECT_EQ(c("txtEnergy", 83).top, 1080 + 350 * 83);
    EXPECT_EQ(c("frmElectronic").height, 1575 + 350 * 83);
    EXPECT_EQ(form.height(), 32767);
    EXPECT_EQ(form.scaleHeight(), 32767 - 405);
    press("cmdAddState");
    EXPECT_EQ(form.height(), 32767);
    EXPECT_TRUE(exists("spnEnergyDegen", 84));
    press("cmdReset");
    EXPECT_EQ(form.height(), 6720);
}

TEST_F(ElectronicLevelsTest, TheLevelIndexStaysWithin16Bits) {
    for (int k = 0; k < 32767; ++k) form.cmdAddState_Click();
    EXPECT_EQ(form.lastLevel(), 32767);
    EXPECT_EQ(c("txtEnergy", 32767).top, 1080 + 350 * 32767);
    form.cmdAddState_Click();
    EXPECT_EQ(form.lastLevel(), 32767);
    EXPECT_FALSE(exists("txtEnergy", 32768));
    form.cmdReset_Click();
    EXPECT_EQ(form.controls().size(), 37u);
    EXPECT_EQ(form.i(), 32768);
}

TEST_F(ElectronicLevelsTest, TheListCannotChangeInResultsMode) {
    type("txtName", "Ar");
    type("txtMolarMass", "39.948");
    press("cmdCalc");
    EXPECT_FALSE(form.click(ControlId{"cmdAddState"}));
    EXPECT_FALSE(form.spinUp(ControlId{"spnEnergyDegen", 0}));
    EXPECT_EQ(form.lastLevel(), 0);
}

}  // namespace
}  // namespace moltherm::app::testing
