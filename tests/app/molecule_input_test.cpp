// The input that follows the molecule: atom count, type and symmetry number; the vibrational
// rows; the electronic levels; where new elements stand in the Tab order.
#include "form_fixture.h"

namespace moltherm::app::testing {
namespace {

Step Height(ControlName frame) {
    return Note([=](Session& s) { return std::to_string(s.c(frame).height); });
}
Step Value(ControlId spinner) {
    return Note([=](Session& s) { return std::to_string(s.c(spinner).value); });
}
Step Form(std::string (*reading)(const frmMoltherm&)) {
    return Note([=](Session& s) { return reading(s.form); });
}
Step AccessKey(char letter) {
    return Note([=](Session& s) { return std::to_string(s.form.accessKey(letter)); });
}
Step Exists(ControlId id) {
    return Note([=](Session& s) { return std::to_string(s.form.find(id) != nullptr); });
}
Step MoveFocus(ControlId id) {
    return Do([=](Session& s) { EXPECT_TRUE(s.form.moveFocus(id)); });
}

const Case kMoleculeType[] = {
    {"a down click on one atom disables only the two spinners enabled at start up",
     {Down(spnN, 2), Text(txtN), Log()},
     "1 | focus spnN, Value spnN, Enabled spnSigma, Enabled spnDegen(1), Value spnN"},
    {"the second atom enables in order then selects linear then writes the count",
     {Up(spnN), Log()},
     "focus spnN, Value spnN, Enabled frmRotational, Enabled lblSigma, Enabled lblRotationalConst, "
     "Enabled txtRotationalConst(1), Enabled txtSigma, Enabled frmVibrational, Enabled lblFreq, "
     "Enabled lblDegen, Enabled txtFreq(1), Enabled txtDegen(1), Enabled optLinear, Text txtN"},
    {"the third atom enables the non linear option and the fourth nothing more",
     {Up(spnN), Forget(), Up(spnN), Log("Enabled"), Forget(), Up(spnN), Log("Enabled"),
      Log("Selected"), Text(txtN)},
     "Enabled optNonlinear |  |  | 4"},
    {"down from four atoms to two disables only the non linear option",
     {Up(spnN, 3), Forget(), Down(spnN, 2), Log("Enabled"), Log("Selected"), Text(txtN)},
     "Enabled optNonlinear |  | 2"},
    {"back at one atom the frames and their spinners are disabled",
     {Up(spnN), Forget(), Down(spnN), Log("Enabled"), Open(txtSigma), Open({spnDegen, 1})},
     "Enabled frmRotational, Enabled spnSigma, Enabled lblSigma, Enabled lblRotationalConst, "
     "Enabled txtRotationalConst(1), Enabled txtSigma, Enabled frmVibrational, Enabled txtFreq(1), "
     "Enabled lblFreq, Enabled lblDegen, Enabled txtDegen(1), Enabled spnDegen(1), "
     "Enabled optLinear | closed | closed"},
    {"two refused down clicks at one atom cost the first up click",
     {Down(spnN, 2), Value(spnN), Up(spnN), Text(txtN), Up(spnN), Text(txtN)},
     "1 | 1 | 2"},
    {"non linear adds two rotational boxes that copy the first and leaves 3N minus 6 modes",
     {Up(spnN, 2), Type({txtRotationalConst, 1}, "27.877"), Forget(), Choose(optNonlinear),
      Form([](const frmMoltherm& f) { return f.molType(); }), Describe({txtRotationalConst, 2}),
      Describe({txtRotationalConst, 3}), Open({txtRotationalConst, 3}), Height(frmRotational),
      Rows(), Log()},
     "nonlinear | 120 1310 1935 285 '27.877' | 120 1660 1935 285 '27.877' | open | 2200 | 1 1 1 | "
     "focus optNonlinear, Selected optLinear, Selected optNonlinear, create txtRotationalConst(2), "
     "Visible txtRotationalConst(2), Top txtRotationalConst(2), create txtRotationalConst(3), "
     "Visible txtRotationalConst(3), Top txtRotationalConst(3), Height frmRotational, "
     "destroy txtFreq(4), destroy txtDegen(4), destroy spnDegen(4), Height frmVibrational, "
     "window Height 6720"},
    {"choosing the option already selected only moves the focus",
     {Up(spnN, 2), Forget(), Choose(optLinear), Log(), Choose(optNonlinear), Forget(),
      Choose(optNonlinear), Log(), Exists({txtRotationalConst, 3})},
     "focus optLinear |  | 1"},
    {"a non linear triatomic stepped down becomes a linear diatomic with one row",
     {Up(spnN, 2), Choose(optNonlinear), Forget(), Down(spnN), Text(txtN), Describe(optLinear),
      Describe(optNonlinear), Height(frmRotational),
      Form([](const frmMoltherm& f) { return f.molType(); }), Rows(), Log("destroy"),
      Log("window")},
     "2 | 3240 550 855 375 '&Linear' selected | 3240 840 1215 375 '&Non-linear' disabled | 1575 | "
     "linear | 1 | destroy txtFreq(3), destroy txtDegen(3), destroy spnDegen(3), destroy "
     "txtFreq(2), destroy txtDegen(2), destroy spnDegen(2), destroy txtRotationalConst(2), "
     "destroy txtRotationalConst(3) | window Height 6720, window Height 6720"},
    {"access keys select the options while they are enabled",
     {AccessKey('l'), Up(spnN, 2), AccessKey('N'), Describe(optNonlinear), Focus(), AccessKey('l'),
      Describe(optLinear), Exists({txtRotationalConst, 2}), AccessKey('x')},
     "0 | 1 | 3240 840 1215 375 '&Non-linear' selected | optNonlinear | 1 | "
     "3240 550 855 375 '&Linear' selected | 0 | 0"},
    {"a linear symmetry number stops at 2 and the refused step costs a down click",
     {Up(spnN), Up(spnSigma, 2), Text(txtSigma), Down(spnSigma), Text(txtSigma), Down(spnSigma),
      Text(txtSigma)},
     "2 | 2 | 1"},
    {"a symmetry number given while non linear is kept when linear and steps on up",
     {Up(spnN, 2), Choose(optNonlinear), Up(spnSigma, 2), Choose(optLinear), Text(txtSigma),
      Up(spnSigma), Text(txtSigma), Down(spnN), Text(txtSigma)},
     "3 | 4 | 4"},
    {"the symmetry number is stored in 16 bits",
     {Up(spnN, 2), Choose(optNonlinear), Write(txtSigma, "32767"),
      Do([](Session& s) { s.form.IncreaseSigma(); }), Text(txtSigma),
      Do([](Session& s) { s.form.DecreaseSigma(); }), Text(txtSigma)},
     "32767 | 32766"},
    {"the atom count stops where the modes fill 16 bits",
     {Up(spnN), Write(txtN, "10923"), Do([](Session& s) { s.form.IncreaseAtomCount(); }),
      Text(txtN), Form([](const frmMoltherm& f) { return Join(f.nModes(), f.height()); }),
      Note([](Session& s) {
          return std::to_string(s.c({txtFreq, 32767}).top);
      }),
      Height(frmVibrational), Forget(),
      // Refused; and no raise of a degeneracy can push the modes past 16 bits either.
      Do([](Session& s) { s.form.IncreaseAtomCount(); }),
      Do([](Session& s) { s.form.IncreaseDegen(1); }), Log(), Text({txtDegen, 1}),
      Do([](Session& s) { s.form.DecreaseAtomCount(); }), Text(txtN),
      Form([](const frmMoltherm& f) { return std::to_string(f.nModes()); })},
     Join(10924, 32767, 32767, 600 + 300 * 32766, 600 + 300 * 32766 + 450, "", 1, 10923, 32764)},
    {"a count that holds no number is left alone",
     {Up(spnN, 2), Write(txtSigma, "x"), Up(spnSigma), Down(spnSigma), Write(txtN, ""), Up(spnN),
      Down(spnN), Text(txtSigma), Text(txtN)},
     "x | "},
};
INSTANTIATE_TEST_SUITE_P(MoleculeType, Scenario, ::testing::ValuesIn(kMoleculeType),
                         CaseName<Case>);

const Case kVibrationRows[] = {
    {"a diatomic keeps one row and the frame its height",
     {Up(spnN), Rows(), Height(frmVibrational), Log("window")},
     "1 | 1095 | "},
    {"a third atom appends three blank rows 300 twips apart with a layout each",
     {Up(spnN), Type({txtFreq, 1}, "2990"), Forget(), Up(spnN), Describe({txtFreq, 2}),
      Describe({txtDegen, 3}), Describe({spnDegen, 4}), Open({txtFreq, 4}), Open({spnDegen, 4}),
      Text({txtFreq, 1}), Height(frmVibrational), Log("window"), Log("(2)")},
     "120 900 1575 285 '' | 1800 1200 375 285 '1' locked | 2160 1500 255 255 '' value -1 | "
     "open | open | 2990 | 1950 | window Height 6720, window Height 6720, window Height 6720 | "
     "create txtFreq(2), Text txtFreq(2), Visible txtFreq(2), Top txtFreq(2), create "
     "txtDegen(2), Visible txtDegen(2), Top txtDegen(2), create spnDegen(2), Visible spnDegen(2), "
     "Top spnDegen(2)"},
    {"a non linear triatomic has three rows",
     {Up(spnN, 2), Choose(optNonlinear), Rows(), Height(frmVibrational)},
     "1 1 1 | 1650"},
    {"raising a row removes rows from the end and lowering it appends a blank one",
     {Enter(WaterTexts), Up({spnDegen, 2}), Rows(), Text({txtFreq, 2}), Down({spnDegen, 2}), Rows(),
      Text({txtFreq, 3})},
     "1 2 | 1595 | 1 1 1 | "},
    {"raising the last row replaces it by a blank one and the focus moves on",
     {Enter(WaterTexts), Forget(), Up({spnDegen, 3}), Rows(), Text({txtFreq, 3}), Log("destroy"),
      Log("create"), Focus()},
     "1 1 1 |  | destroy txtFreq(3), destroy txtDegen(3), destroy spnDegen(3) | create txtFreq(3), "
     "create txtDegen(3), create spnDegen(3) | txtRotationalConst(2)"},
    {"a raise that overshoots the modes is made up with blank rows",
     {Up(spnN, 2), Up({spnDegen, 1}), Rows(), Up({spnDegen, 2}), Rows(), Height(frmVibrational),
      Up({spnDegen, 2}), Rows()},
     "2 1 1 | 2 2 | 1350 | 2 1 1"},
    {"a single row may stand above the modes",
     {Up(spnN, 2), Up({spnDegen, 1}, 3), Rows(), Up({spnDegen, 1}), Rows(), Height(frmVibrational)},
     "4 | 5 | 1050"},
    {"a diatomic's row is written back to 1 after a raise and not lowered below it",
     {Up(spnN), Forget(), Up({spnDegen, 1}), Log("Text"), Down({spnDegen, 1}, 3), Rows()},
     "Text txtDegen(1), Text txtDegen(1) | 1"},
    {"a refused lowering does not rebuild",
     {Up(spnN, 2), Forget(), Down({spnDegen, 2}), Log()},
     "focus spnDegen(2), Value spnDegen(2)"},
    {"added rows copy row 1's spinner so that their first click raises them",
     {Up(spnN, 2), Up({spnDegen, 1}), Up(spnN), Rows(), Value({spnDegen, 2}), Value({spnDegen, 4}),
      Down({spnDegen, 5}), Rows(), Up({spnDegen, 4}), Rows()},
     "2 1 1 1 1 1 | -1 | -2 | 2 1 1 1 2 | 2 1 1 2 1"},
    {"stepping down through two atoms to one and back keeps the rows consistent",
     {Up(spnN, 2), Down(spnN, 2), Rows(), Up(spnN, 2), Rows()},
     "1 | 1 1 1 1"},
    {"a degeneracy that holds no number stops the rebuild",
     {Up(spnN, 2), Write({txtDegen, 2}, "two"), Up({spnDegen, 2}), Down({spnDegen, 1}), Up(spnN),
      Rows()},
     "1 two 1 1"},
    {"the sum of the degeneracies stays within 16 bits",
     {Up(spnN, 2), Up({spnDegen, 1}, 3), Write({txtDegen, 1}, "32766"),
      Do([](Session& s) { s.form.IncreaseDegen(1); }),
      Do([](Session& s) { s.form.IncreaseDegen(1); }), Rows()},
     "32767"},
};
INSTANTIATE_TEST_SUITE_P(VibrationRows, Scenario, ::testing::ValuesIn(kVibrationRows),
                         CaseName<Case>);

const Case kLevels[] = {
    {"Add State appends an editable row below the last and fits the window",
     {Forget(), Press(cmdAddState),
      Form([](const frmMoltherm& f) { return std::to_string(f.lastLevel()); }),
      Describe({txtEnergy, 1}), Describe({txtEnergyDegen, 1}), Describe({spnEnergyDegen, 1}),
      Height(frmElectronic), Log()},
     "1 | 120 1430 1455 285 '0' | 1800 1430 375 285 '1' locked | 2160 1430 255 255 '' value -1 | "
     "1925 | focus cmdAddState, create txtEnergy(1), Locked txtEnergy(1), Visible txtEnergy(1), "
     "Top txtEnergy(1), create txtEnergyDegen(1), Visible txtEnergyDegen(1), "
     "Top txtEnergyDegen(1), create spnEnergyDegen(1), Visible spnEnergyDegen(1), "
     "Top spnEnergyDegen(1), Height frmElectronic, window Height 6720"},
    {"a new row copies the ground level's degeneracy and spinner",
     {Up({spnEnergyDegen, 0}, 2), Press(cmdAddState), Text({txtEnergyDegen, 1}),
      Value({spnEnergyDegen, 1}), Down({spnEnergyDegen, 1}), Text({txtEnergyDegen, 1}),
      Up({spnEnergyDegen, 1}), Text({txtEnergyDegen, 1})},
     "3 | -3 | 2 | 3"},
    {"Reset with the ground level alone unloads nothing",
     {Forget(), Press(cmdReset), Log(), Text({txtEnergy, 0}), Text({txtEnergyDegen, 0})},
     "focus cmdReset, window Height 6720 | 0 | 1"},
    {"Reset removes the upper rows in rising order and the ground spinner keeps its Value",
     {Press(cmdAddState), Press(cmdAddState), Type({txtEnergy, 1}, "500"), Up({spnEnergyDegen, 0}),
      Forget(), Press(cmdReset), Log(),
      Form([](const frmMoltherm& f) { return std::to_string(f.lastLevel()); }),
      Value({spnEnergyDegen, 0}), Height(frmElectronic), Press(cmdAddState), Text({txtEnergy, 1})},
     "focus cmdReset, destroy txtEnergy(1), destroy txtEnergyDegen(1), destroy spnEnergyDegen(1), "
     "destroy txtEnergy(2), destroy txtEnergyDegen(2), destroy spnEnergyDegen(2), "
     "Height frmElectronic, window Height 6720, Text txtEnergyDegen(0) | 0 | -2 | 1575 | 0"},
    {"after a Reset from 3 either arrow raises the degeneracy",
     {Up({spnEnergyDegen, 0}, 2), Press(cmdReset), Up({spnEnergyDegen, 0}),
      Text({txtEnergyDegen, 0}), Press(cmdReset), Down({spnEnergyDegen, 0}),
      Text({txtEnergyDegen, 0})},
     "2 | 2"},
    {"refused down clicks at 1 are used up by up clicks",
     {Down({spnEnergyDegen, 0}), Text({txtEnergyDegen, 0}), Value({spnEnergyDegen, 0}),
      Up({spnEnergyDegen, 0}), Text({txtEnergyDegen, 0}), Down({spnEnergyDegen, 0}, 3),
      Up({spnEnergyDegen, 0}, 2), Text({txtEnergyDegen, 0}), Up({spnEnergyDegen, 0}),
      Text({txtEnergyDegen, 0})},
     "1 | 0 | 2 | 1 | 2"},
    {"the spinner stops at the end of its range",
     {Write({txtEnergyDegen, 0}, "40000"), Down({spnEnergyDegen, 0}, 32767 + 2),
      Value({spnEnergyDegen, 0}), Text({txtEnergyDegen, 0})},
     "32767 | 7232"},  // 32768 steps down, then the range ended
    {"new elements come last in the Tab order after every element loaded before them",
     {Up(spnN, 2), Choose(optNonlinear), Press(cmdAddState), Up({spnDegen, 1}),
      Down({spnDegen, 1}),  // row 3 goes and comes back, loaded anew
      MoveFocus(txtTemp), Forget(), Tab(12), Log()},
     "focus txtFreq(2), focus txtDegen(2), focus spnDegen(2), focus txtRotationalConst(2), "
     "focus txtRotationalConst(3), focus txtEnergy(1), focus txtEnergyDegen(1), "
     "focus spnEnergyDegen(1), focus txtFreq(3), focus txtDegen(3), focus spnDegen(3), "
     "focus txtName"},
    {"unloaded elements leave the Tab order",
     {Up(spnN, 2), Choose(optNonlinear), Press(cmdAddState), Press(cmdReset), Choose(optLinear),
      MoveFocus(txtTemp), Forget(), Tab(10), Log()},
     "focus txtFreq(2), focus txtDegen(2), focus spnDegen(2), focus txtFreq(3), focus txtDegen(3), "
     "focus spnDegen(3), focus txtFreq(4), focus txtDegen(4), focus spnDegen(4), focus txtName"},
};
INSTANTIATE_TEST_SUITE_P(ElectronicLevels, Scenario, ::testing::ValuesIn(kLevels), CaseName<Case>);

// The window grows with the list up to its 16-bit limit and keeps every row; each height the
// program sets resizes the answer box. The level index stays within 16 bits.
TEST(ElectronicLevels, TheListGrowsUpToTheLimitsAndKeepsEveryRow) {
    Session s;
    for (int k = 0; k < 82; ++k) Press(cmdAddState)(s);
    EXPECT_EQ(s.form.height(), 32575);
    Press(cmdAddState)(s);
    EXPECT_EQ(Join(s.form.lastLevel(), s.form.height(), s.c({txtEnergy, 83}).top,
                   s.c(frmElectronic).height, s.c(txtAns).height),
              Join(83, 32767, 30130, 30625, 32767 - 405 - 4440 - 120));
    for (int k = s.form.lastLevel(); k <= 32767; ++k) s.form.cmdAddState_Click();
    EXPECT_EQ(Join(s.form.lastLevel(), s.c({txtEnergy, 32767}).top, s.form.controls().size()),
              Join(32767, 1080 + 350 * 32767, 37 + 3 * 32767));
    Press(cmdReset)(s);
    EXPECT_EQ(Join(s.form.height(), s.c(txtAns).height, s.form.controls().size()),
              "6720 | 1755 | 37");
}

}  // namespace
}  // namespace moltherm::app::testing
