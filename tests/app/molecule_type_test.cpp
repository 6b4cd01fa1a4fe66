#include <gtest/gtest.h>

#include "form_fixture.h"

namespace moltherm::app::testing {
namespace {

class MoleculeTypeTest : public FormTest {
  protected:
    // The controls switched with the atom count, and whether each takes input.
    void ExpectMoleculeInput(bool enabled) {
        for (const auto& [name, index] :
             std::vector<std::pair<const char*, int>>{{"frmRotational", -1},
                                                      {"lblSigma", -1},
                                                      {"lblRotationalConst", -1},
                                                      {"txtRotationalConst", 1},
                                                      {"txtSigma", -1},
                                                      {"spnSigma", -1},
                                                      {"frmVibrational", -1},
                                                      {"lblFreq", -1},
                                                      {"lblDegen", -1},
                                                      {"txtFreq", 1},
                                                      {"txtDegen", 1},
                                                      {"spnDegen", 1}}) {
            EXPECT_EQ(c(name, index).enabled, enabled) << name;
            EXPECT_EQ(form.takesInput(ControlId{name, index}), enabled) << name;
        }
    }
};

TEST_F(MoleculeTypeTest, TheEnablingFollowsTheAtomCount) {
    struct Row {
        int n;
        bool molecule, linearEnabled, nonlinearEnabled;
    };
    const Row rows[] = {{2, true, true, false}, {3, true, true, true},  {4, true, true, true},
                        {3, true, true, true},  {2, true, true, false}, {1, false, false, false}};
    int n = 1;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.n);
        if (row.n > n)
            up("spnN");
        else
            down("spnN");
        n = row.n;
        EXPECT_EQ(text("txtN"), std::to_string(row.n));
        ExpectMoleculeInput(row.molecule);
        EXPECT_TRUE(c("optLinear").selected);
        EXPECT_FALSE(c("optNonlinear").selected);
        EXPECT_EQ(c("optLinear").enabled, row.linearEnabled);
        EXPECT_EQ(c("optNonlinear").enabled, row.nonlinearEnabled);
    }
    // Back at one atom the spinners of the frames are disabled too, unlike at start-up.
    EXPECT_FALSE(c("spnSigma").enabled);
}

TEST_F(MoleculeTypeTest, ADownClickOnOneAtomChangesNothing) {
    down("spnN");
    EXPECT_EQ(text("txtN"), "1");
    ExpectMoleculeInput(false);
    // The two spinners enabled at start-up are switched off with the rest of their frames.
    EXPECT_EQ(observer.events,
              (std::vector<std::string>{"focus spnN", "Value spnN", "Enabled spnSigma",
                                        "Enabled spnDegen(1)"}));
    observer.clear();
    down("spnN");
    EXPECT_EQ(observer.events, std::vector<std::string>{"Value spnN"});
}

TEST_F(MoleculeTypeTest, TheFirstAtomUpEnablesInOrderThenWritesTheCount) {
    up("spnN");
    const std::vector<std::string> expected{
        "focus spnN",
        "Value spnN",
        "Enabled frmRotational",
        "Enabled lblSigma",
        "Enabled lblRotationalConst",
        "Enabled txtRotationalConst(1)",
        "Enabled txtSigma",
        "Enabled frmVibrational",
        "Enabled lblFreq",
        "Enabled lblDegen",
        "Enabled txtFreq(1)",
        "Enabled txtDegen(1)",
        "Enabled optLinear",
        "Text txtN",
    };
    EXPECT_EQ(observer.events, expected);
    EXPECT_EQ(form.nModes(), 1);
    EXPECT_EQ(text("txtDegen", 1), "1");
    EXPECT_EQ(c("frmVibrational").height, 1095);
}

TEST_F(MoleculeTypeTest, DriftAtTheFloorUsesUpClicks) {
    down("spnN", -1, 2);
    EXPECT_EQ(c("spnN").value, 1);
    up("spnN");
    EXPECT_EQ(text("txtN"), "1");
    up("spnN");
    EXPECT_EQ(text("txtN"), "2");
}

TEST_F(MoleculeTypeTest, NonlinearAddsTwoRotationalBoxesCopiedFromTheFirst) {
    atoms(3);
    type("txtRotationalConst", "27.877", 1);
    observer.clear();
    choose("optNonlinear");
    EXPECT_EQ(form.molType(), "nonlinear");
    EXPECT_FALSE(c("optLinear").selected);
    for (int k : {2, 3}) {
        const Control& box = c("txtRotationalConst", k);
        EXPECT_EQ(box.top, 960 + 350 * (k - 1));
        EXPECT_EQ(box.left, 120);
        EXPECT_EQ(box.width, 1935);
        EXPECT_EQ(box.height, 285);
        EXPECT_EQ(box.text, "27.877");
        EXPECT_TRUE(box.visible);
        EXPECT_TRUE(form.takesInput(box.id));
    }
    EXPECT_EQ(c("frmRotational").height, 2200);
    const std::vector<std::string> head(observer.events.begin(), observer.events.begin() + 10);
    EXPECT_EQ(head, (std::vector<std::string>{
                        "focus optNonlinear", "Selected optLinear", "Selected optNonlinear",
                        "create txtRotationalConst(2)", "Visible txtRotationalConst(2)",
                        "Top txtRotationalConst(2)", "create txtRotationalConst(3)",
                        "Visible txtRotationalConst(3)", "Top txtRotationalConst(3)",
                        "Height frmRotational"}));
    EXPECT_EQ(form.nModes(), 3);  // 3N - 6
}

TEST_F(MoleculeTypeTest, ChoosingTheSelectedOptionChangesNothing) {
    atoms(3);
    observer.clear();
    choose("optLinear");
    EXPECT_EQ(observer.events, std::vector<std::string>{"focus optLinear"});
    choose("optNonlinear");
    observer.clear();
    choose("optNonlinear");
    EXPECT_EQ(observer.events, std::vector<std::string>{});
    EXPECT_TRUE(exists("txtRotationalConst", 3));
}

TEST_F(MoleculeTypeTest, AccessKeysSelectTheOptionsWhileEnabled) {
    EXPECT_FALSE(form.accessKey('l'));
    atoms(3);
    EXPECT_TRUE(form.accessKey('N'));
    EXPECT_TRUE(c("optNonlinear").selected);
    EXPECT_EQ(focusName(), "optNonlinear");
    EXPECT_TRUE(form.accessKey('l'));
    EXPECT_TRUE(c("optLinear").selected);
    EXPECT_FALSE(exists("txtRotationalConst", 2));
    EXPECT_FALSE(form.accessKey('x'));
}

TEST_F(MoleculeTypeTest, ANonlinearTriatomicSteppedDownBecomesALinearDiatomic) {
    atoms(3);
    choose("optNonlinear");
    type("txtFreq", "1595", 2);
    down("spnN");
    EXPECT_EQ(text("txtN"), "2");
    EXPECT_TRUE(c("optLinear").selected);
    EXPECT_FALSE(c("optNonlinear").selected);
    EXPECT_FALSE(c("optNonlinear").enabled);
    EXPECT_FALSE(exists("txtRotationalConst", 2));
    EXPECT_FALSE(exists("txtRotationalConst", 3));
    EXPECT_EQ(c("frmRotational").height, 1575);
    EXPECT_EQ(form.molType(), "linear");
    EXPECT_EQ(form.nModes(), 1);
    EXPECT_EQ(text("txtDegen", 1), "1");
    EXPECT_FALSE(exists("txtFreq", 2));
}

TEST_F(MoleculeTypeTest, ALinearSymmetryNumberStopsAtTwo) {
    atoms(2);
    up("spnSigma");
    EXPECT_EQ(text("txtSigma"), "2");
    up("spnSigma");
    EXPECT_EQ(text("txtSigma"), "2");
    // The refused step leaves the spinner ahead: one down click is used up.
    down("spnSigma");
    EXPECT_EQ(text("txtSigma"), "2");
    down("spnSigma");
    EXPECT_EQ(text("txtSigma"), "1");
    down("spnSigma");
    EXPECT_EQ(text("txtSigma"), "1");
}

TEST_F(MoleculeTypeTest, ASymmetryNumberGivenWhileNonlinearIsKeptWhenLinear) {
    atoms(3);
    choose("optNonlinear");
    up("spnSigma", -1, 2);
    EXPECT_EQ(text("txtSigma"), "3");
    choose("optLinear");
    EXPECT_EQ(text("txtSigma"), "3");
    up("spnSigma");
    EXPECT_EQ(text("txtSigma"), "4");
    down("spnN");  // neither N nor the type changes the symmetry number
    EXPECT_EQ(text("txtSigma"), "4");
}

TEST_F(MoleculeTypeTest, TheSymmetryNumberStopsAt16Bits) {
    atoms(3);
    choose("optNonlinear");
    form.setText(ControlId{"txtSigma"}, "32767");
    form.IncreaseSigma();
    EXPECT_EQ(text("txtSigma"), "32767");
    form.DecreaseSigma();
    EXPECT_EQ(text("txtSigma"), "32766");
}

TEST_F(MoleculeTypeTest, TheAtomCountStopsWhereTheModesFill16Bits) {
    atoms(2);
    form.setText(ControlId{"txtN"}, "10923");
    form.IncreaseAtomCount();
    EXPECT_EQ(text("txtN"), "10924");
    EXPECT_EQ(form.nModes(), 32767);
    EXPECT_EQ(c("txtFreq", 32767).top, 600 + 300 * 32766);
    EXPECT_EQ(c("frmVibrational").height, 600 + 300 * 32766 + 450);
    EXPECT_EQ(form.height(), 32767);
    EXPECT_EQ(form.i(), 32768);
    observer.clear();
    form.IncreaseAtomCount();
    EXPECT_EQ(text("txtN"), "10924");
    EXPECT_EQ(form.nModes(), 32767);
    EXPECT_TRUE(observer.events.empty());
    // No raise of a degeneracy can push the modes past 16 bits either.
    form.IncreaseDegen(1);
    EXPECT_EQ(text("txtDegen", 1), "1");
    form.DecreaseAtomCount();
    EXPECT_EQ(text("txtN"), "10923");
    EXPECT_EQ(form.nModes(), 32764);
}

TEST_F(MoleculeTypeTest, ABoxThatHoldsNoNumberIsLeftAlone) {
    form.setText(ControlId{"txtN"}, "");
    up("spnN");
    down("spnN");
    EXPECT_EQ(text("txtN"), "");
    atoms(1);
    form.setText(ControlId{"txtN"}, "1");
    up("spnN", -1, 2);
    form.setText(ControlId{"txtSigma"}, "x");
    up("spnSigma");
    down("spnSigma");
    EXPECT_EQ(text("txtSigma"), "x");
}

}  // namespace
}  // namespace moltherm::app::testing
