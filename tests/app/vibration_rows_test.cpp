#include <gtest/gtest.h>

#include <algorithm>

#include "form_fixture.h"

namespace moltherm::app::testing {
namespace {

class VibrationRowsTest : public FormTest {
  protected:
    std::vector<std::string> Degeneracies() const {
        std::vector<std::string> list;
        for (int row = 1; row <= form.nModes(); ++row) list.push_back(text("txtDegen", row));
        EXPECT_FALSE(exists("txtFreq", form.nModes() + 1));
        return list;
    }
    using Rows = std::vector<std::string>;
};

TEST_F(VibrationRowsTest, ADiatomicKeepsItsOneRow) {
    atoms(2);
    EXPECT_EQ(Degeneracies(), Rows{"1"});
    EXPECT_EQ(c("frmVibrational").height, 1095);
    EXPECT_EQ(observer.heightSets, 0);
}

TEST_F(VibrationRowsTest, AThirdAtomAppendsThreeBlankRowsOneLayoutEach) {
    atoms(2);
    type("txtFreq", "2990", 1);
    observer.clear();
    up("spnN");
    EXPECT_EQ(Degeneracies(), (Rows{"1", "1", "1", "1"}));
    for (int row = 2; row <= 4; ++row) {
        SCOPED_TRACE(row);
        for (const char* name : {"txtFreq", "txtDegen", "spnDegen"}) {
            EXPECT_EQ(c(name, row).top, 600 + 300 * (row - 1)) << name;
            EXPECT_TRUE(c(name, row).visible);
            EXPECT_TRUE(c(name, row).enabled);
            EXPECT_TRUE(form.takesInput(ControlId{name, row}));
        }
        EXPECT_EQ(text("txtFreq", row), "");
        EXPECT_EQ(c("txtFreq", row).left, 120);
        EXPECT_EQ(c("txtDegen", row).left, 1800);
        EXPECT_TRUE(c("txtDegen", row).locked);
        EXPECT_EQ(c("spnDegen", row).value, -1);
    }
    EXPECT_EQ(text("txtFreq", 1), "2990");
    EXPECT_EQ(c("frmVibrational").height, 1950);
    EXPECT_EQ(observer.heightSets, 3);
    EXPECT_EQ(observer.heights, (std::vector<int>{6720, 6720, 6720}));
    EXPECT_EQ(form.i(), 5);
    const auto start =
        std::find(observer.events.begin(), observer.events.end(), "create txtFreq(2)");
    ASSERT_EQ(start - observer.events.begin(), 4);  // after focus, Value, Enabled, Text txtN
    const std::vector<std::string> firstRow(start, start + 12);
    EXPECT_EQ(firstRow, (std::vector<std::string>{
                            "create txtFreq(2)", "Text txtFreq(2)", "Visible txtFreq(2)",
                            "Top txtFreq(2)", "create txtDegen(2)", "Visible txtDegen(2)",
                            "Top txtDegen(2)", "create spnDegen(2)", "Visible spnDegen(2)",
                            "Top spnDegen(2)", "Height frmVibrational", "window Height"}));
}

TEST_F(VibrationRowsTest, NonlinearRemovesTheLastRow) {
    atoms(3);
    observer.clear();
    choose("optNonlinear");
    EXPECT_EQ(Degeneracies(), (Rows{"1", "1", "1"}));
    EXPECT_EQ(c("frmVibrational").height, 1650);
    EXPECT_EQ(observer.heightSets, 1);
    EXPECT_EQ(observer.matching("(4)"),
              (std::vector<std::string>{"destroy txtFreq(4)", "destroy txtDegen(4)",
                                        "destroy spnDegen(4)"}));
}

TEST_F(VibrationRowsTest, RaisingAndLoweringAMiddleRow) {
    atoms(3);
    choose("optNonlinear");
    type("txtFreq", "3657", 1);
    type("txtFreq", "1595", 2);
    type("txtFreq", "3756", 3);
    up("spnDegen", 2);
    EXPECT_EQ(Degeneracies(), (Rows{"1", "2"}));
    EXPECT_EQ(text("txtFreq", 2), "1595");
    down("spnDegen", 2);
    EXPECT_EQ(Degeneracies(), (Rows{"1", "1", "1"}));
    EXPECT_EQ(text("txtFreq", 3), "");  // the removed row's wavenumber is lost
}

TEST_F(VibrationRowsTest, RaisingTheLastRowReplacesItByBlankRows) {
    atoms(3);
    choose("optNonlinear");
    type("txtFreq", "3756", 3);
    observer.clear();
    up("spnDegen", 3);
    EXPECT_EQ(Degeneracies(), (Rows{"1", "1", "1"}));
    EXPECT_EQ(form.nModes(), 3);
    EXPECT_EQ(text("txtFreq", 3), "");
    EXPECT_EQ(observer.matching("destroy"),
              (std::vector<std::string>{"destroy txtFreq(3)", "destroy txtDegen(3)",
                                        "destroy spnDegen(3)"}));
    EXPECT_EQ(observer.matching("create").size(), 3u);
    EXPECT_EQ(observer.heightSets, 2);
    // The focus left the unloaded spinner for a control that takes it.
    ASSERT_NE(form.focus(), nullptr);
    EXPECT_TRUE(form.takesInput(form.focus()->id));
}

TEST_F(VibrationRowsTest, ARaiseThatOvershootsIsMadeUpWithBlankRows) {
    atoms(3);  // linear: 4 modes
    up("spnDegen", 1);
    EXPECT_EQ(Degeneracies(), (Rows{"2", "1", "1"}));
    up("spnDegen", 2);
    EXPECT_EQ(Degeneracies(), (Rows{"2", "2"}));
    up("spnDegen", 2);
    EXPECT_EQ(Degeneracies(), (Rows{"2", "1", "1"}));
}

TEST_F(VibrationRowsTest, ADiatomicRowStaysAtOne) {
    atoms(2);
    observer.clear();
    up("spnDegen", 1);
    EXPECT_EQ(observer.matching("Text"),
              (std::vector<std::string>{"Text txtDegen(1)", "Text txtDegen(1)"}));
    EXPECT_EQ(Degeneracies(), Rows{"1"});
    down("spnDegen", 1, 3);
    EXPECT_EQ(Degeneracies(), Rows{"1"});
}

TEST_F(VibrationRowsTest, ASingleRowMayExceedTheModes) {
    atoms(3);
    up("spnDegen", 1, 3);
    EXPECT_EQ(Degeneracies(), Rows{"4"});
    up("spnDegen", 1);
    EXPECT_EQ(Degeneracies(), Rows{"5"});
    EXPECT_EQ(c("frmVibrational").height, 1050);
}

TEST_F(VibrationRowsTest, RowsAddedAfterARaiseCarryItsSpinnerValue) {
    atoms(3);
    up("spnDegen", 1);
    ASSERT_EQ(c("spnDegen", 1).value, -2);
    up("spnN");  // 7 modes
    EXPECT_EQ(Degeneracies(), (Rows{"2", "1", "1", "1", "1", "1"}));
    EXPECT_EQ(c("spnDegen", 4).value, -2);
    EXPECT_EQ(c("spnDegen", 2).value, -1);
    down("spnDegen", 5);
    EXPECT_EQ(Degeneracies(), (Rows{"2", "1", "1", "1", "2"}));
    up("spnDegen", 4);
    EXPECT_EQ(Degeneracies(), (Rows{"2", "1", "1", "2", "1"}));
}

TEST_F(VibrationRowsTest, ARefusedLoweringDoesNotRebuild) {
    atoms(3);
    observer.clear();
    down("spnDegen", 2);
    EXPECT_EQ(observer.events,
              (std::vector<std::string>{"focus spnDegen(2)", "Value spnDegen(2)"}));
}

TEST_F(VibrationRowsTest, TwoAtomsFromANonlinearThreeStripThenRebuildOnce) {
    atoms(3);
    choose("optNonlinear");
    observer.clear();
    down("spnN");
    EXPECT_EQ(Degeneracies(), Rows{"1"});
    EXPECT_EQ(observer.heightSets, 2);
    const auto removals = observer.matching("destroy");
    EXPECT_EQ(removals, (std::vector<std::string>{
                            "destroy txtFreq(3)", "destroy txtDegen(3)", "destroy spnDegen(3)",
                            "destroy txtFreq(2)", "destroy txtDegen(2)", "destroy spnDegen(2)",
                            "destroy txtRotationalConst(2)", "destroy txtRotationalConst(3)"}));
    EXPECT_EQ(c("frmVibrational").height, 1050);
}

TEST_F(VibrationRowsTest, RowsOutliveTheAtomAndTheCalculation) {
    atoms(3);
    type("txtFreq", "667", 2);
    down("spnN", -1, 2);
    EXPECT_EQ(Degeneracies(), Rows{"1"});  // on the way down through two atoms
    up("spnN", -1, 2);
    EXPECT_EQ(Degeneracies(), (Rows{"1", "1", "1", "1"}));
    type("txtName", "CO2");
    type("txtMolarMass", "44.01");
    type("txtRotationalConst", "0.39", 1);
    for (int row = 1; row <= 4; ++row) type("txtFreq", std::to_string(600 + row), row);
    press("cmdCalc");
    press("cmdNewData");
    EXPECT_EQ(Degeneracies(), (Rows{"1", "1", "1", "1"}));
    EXPECT_EQ(text("txtFreq", 4), "604");
}

TEST_F(VibrationRowsTest, TheSumOfDegeneraciesStaysWithin16Bits) {
    atoms(3);
    up("spnDegen", 1, 3);  // a single row standing above the modes
    form.setText(ControlId{"txtDegen", 1}, "32766");
    form.IncreaseDegen(1);
    EXPECT_EQ(text("txtDegen", 1), "32767");
    form.IncreaseDegen(1);
    EXPECT_EQ(text("txtDegen", 1), "32767");
}

TEST_F(VibrationRowsTest, ADegeneracyThatHoldsNoNumberStopsTheRebuild) {
    atoms(3);
    form.setText(ControlId{"txtDegen", 2}, "two");
    up("spnDegen", 2);
    down("spnDegen", 1);
    up("spnN");
    EXPECT_EQ(form.nModes(), 4);
    EXPECT_EQ(text("txtDegen", 2), "two");
}

}  // namespace
}  // namespace moltherm::app::testing
