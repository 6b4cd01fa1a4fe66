// The input that follows the molecule: atom count, type and symmetry number; the vibrational
// rows; the electronic levels; where new elements stand in the Tab order.
#include "form_fixture.h"

namespace moltherm::app::testing {
namespace {

Step Height(ControlName frame) {
    return Read(frame, &Control::height);
}
Step Value(ControlId spinner) {
    return Read(spinner, &Control::value);
}
Step Exists(ControlId id) {
    return Note([=](Session& s) { return std::to_string(s.form.find(id) != nullptr); });
}
Step MolType() {
    return Note([](Session& s) { return s.form.molType(); });
}
Step AccessKey(char letter) {
    return Note([=](Session& s) { return std::to_string(s.form.accessKey(letter)); });
}

const Case kMoleculeType[] = {
    {"a down click on one atom disables only the two spinners enabled at start up",
     {Down(spnN, 2), Text(txtN), Log()},
     "1 | focus spnN, Value spnN, Enabled spnSigma, Enabled spnDegen(1), Value spnN"},
    {"the second atom enables in order then writes the count, the third the non linear option, "
     "and back at one atom the frames and their spinners are disabled",
     {Up(spnN), Log("Enabled "), Log("Text "), Forget(), Up(spnN), Log("Enabled "), Forget(),
      Up(spnN), Down(spnN, 2), Log("Enabled "), Log("Selected "), Text(txtN), Forget(), Down(spnN),
      Log("Enabled "), Open(txtSigma), Open({spnDegen, 1})},
     "frmRotational lblSigma lblRotationalConst txtRotationalConst(1) txtSigma frmVibrational "
     "lblFreq lblDegen txtFreq(1) txtDegen(1) optLinear | txtN | optNonlinear | optNonlinear |  | "
     "2 | frmRotational spnSigma lblSigma lblRotationalConst txtRotationalConst(1) txtSigma "
     "frmVibrational txtFreq(1) lblFreq lblDegen txtDegen(1) spnDegen(1) optLinear | closed | "
     "closed"},
    {"non linear adds two rotational boxes that copy the first and leaves 3N minus 6 modes",
     {Up(spnN, 2), Type({txtRotationalConst, 1}, "27.877"), Forget(), Choose(optNonlinear),
      MolType(), Describe({txtRotationalConst, 2}), Describe({txtRotationalConst, 3}),
      Open({txtRotationalConst, 3}), Height(frmRotational), Rows(), Log("Selected "),
      Log("window Height ")},
     "nonlinear | 120 1310 1935 285 '27.877' | 120 1660 1935 285 '27.877' | open | 2200 | 1 1 1 | "
     "optLinear optNonlinear | 6720"},
    {"a non linear triatomic stepped down becomes a linear diatomic with one row",
     {Up(spnN, 2), Choose(optNonlinear), Forget(), Down(spnN), Text(txtN), Describe(optLinear),
      Describe(optNonlinear), Height(frmRotational), MolType(), Rows(), Log("destroy "),
      Log("window Height ")},
     "2 | 3240 550 855 375 '&Linear' selected | 3240 840 1215 375 '&Non-linear' disabled | 1575 | "
     "linear | 1 | txtFreq(3) txtDegen(3) spnDegen(3) txtFreq(2) txtDegen(2) spnDegen(2) "
     "txtRotationalConst(2) txtRotationalConst(3) | 6720 6720"},
    {"access keys select the options while enabled and the option already selected only focuses",
     {AccessKey('l'), Up(spnN, 2), Forget(), Choose(optLinear), Log(), AccessKey('N'),
      Describe(optNonlinear), Focus(), Forget(), Choose(optNonlinear), Log(),
      Exists({txtRotationalConst, 3}), AccessKey('l'), Describe(optLinear),
      Exists({txtRotationalConst, 2}), AccessKey('x')},
     "0 | focus optLinear | 1 | 3240 840 1215 375 '&Non-linear' selected | optNonlinear |  | 1 | "
     "1 | 3240 550 855 375 '&Linear' selected | 0 | 0"},
    {"a linear symmetry number stops at 2, one given while non linear is kept and steps on up",
     {Up(spnN), Up(spnSigma, 2), Text(txtSigma), Down(spnSigma), Text(txtSigma), Down(spnSigma),
      Text(txtSigma), Up(spnN), Choose(optNonlinear), Up(spnSigma, 2), Choose(optLinear),
      Text(txtSigma), Up(spnSigma), Text(txtSigma), Down(spnN), Text(txtSigma),
      Write(txtSigma, "32767"), [](Session& s) { s.form.IncreaseSigma(); }, Text(txtSigma)},
     "2 | 2 | 1 | 3 | 4 | 4 | 32767"},  // the stored number is 16 bits
    {"the atom count stops where the modes fill 16 bits",
     {Up(spnN), Write(txtN, "10923"), [](Session& s) { s.form.IncreaseAtomCount(); }, Text(txtN),
      Note([](Session& s) { return Join(s.form.nModes(), s.form.height()); }), Note([](Session& s) {
          return std::to_string(s.c({txtFreq, 32767}).top);
      }),
      Height(frmVibrational), Forget(),
      // Refused; and no raise of a degeneracy can push the modes past 16 bits either.
      [](Session& s) { s.form.IncreaseAtomCount(); }, [](Session& s) { s.form.IncreaseDegen(1); },
      Log(), Text({txtDegen, 1}), [](Session& s) { s.form.DecreaseAtomCount(); }, Text(txtN),
      Note([](Session& s) { return std::to_string(s.form.nModes()); })},
     Join(10924, 32767, 32767, 600 + 300 * 32766, 600 + 300 * 32766 + 450, "", 1, 10923, 32764)},
};
INSTANTIATE_TEST_SUITE_P(MoleculeType, Scenario, ::testing::ValuesIn(kMoleculeType), CaseName);

const Case kVibrationRows[] = {
    {"rows follow 3N minus 5 modes for a linear molecule and 3N minus 6 for a non linear one",
     {Up(spnN), Rows(), Height(frmVibrational), Log("window"), Type({txtFreq, 1}, "2990"), Forget(),
      Up(spnN), Rows(), Describe({txtFreq, 2}), Describe({txtDegen, 3}), Describe({spnDegen, 4}),
      Open({spnDegen, 4}), Text({txtFreq, 1}), Height(frmVibrational), Log("window Height "),
      Choose(optNonlinear), Rows(), Height(frmVibrational)},
     "1 | 1095 |  | 1 1 1 1 | 120 900 1575 285 '' | 1800 1200 375 285 '1' locked | "
     "2160 1500 255 255 '' value -1 | open | 2990 | 1950 | 6720 6720 6720 | 1 1 1 | 1650"},
    {"raising a row removes rows from the end and lowering it appends a blank one",
     {Enter(WaterTexts), Up({spnDegen, 2}), Rows(), Text({txtFreq, 2}), Down({spnDegen, 2}), Rows(),
      Text({txtFreq, 3})},
     "1 2 | 1595 | 1 1 1 | "},
    {"raising the last row replaces it by a blank one and the focus moves on",
     {Enter(WaterTexts), Forget(), Up({spnDegen, 3}), Rows(), Text({txtFreq, 3}), Log("destroy "),
      Log("create "), Focus()},
     "1 1 1 |  | txtFreq(3) txtDegen(3) spnDegen(3) | txtFreq(3) txtDegen(3) spnDegen(3) | "
     "txtRotationalConst(2)"},
    {"a raise that overshoots the modes is made up with blank rows and one row may stand above",
     {Up(spnN, 2), Up({spnDegen, 1}), Rows(), Up({spnDegen, 2}), Rows(), Height(frmVibrational),
      Up({spnDegen, 2}), Rows(), Up({spnDegen, 1}, 2), Rows(), Up({spnDegen, 1}), Rows(),
      Height(frmVibrational)},
     "2 1 1 | 2 2 | 1350 | 2 1 1 | 4 | 5 | 1050"},
    {"a diatomic's row is written back to 1 after a raise and a refused lowering does not rebuild",
     {Up(spnN), Forget(), Up({spnDegen, 1}), Log("Text "), Forget(), Down({spnDegen, 1}, 3), Rows(),
      Log()},
     "txtDegen(1) txtDegen(1) | 1 | Value spnDegen(1), Text txtDegen(1), Text txtDegen(1), "
     "Value spnDegen(1), Value spnDegen(1)"},
    {"added rows copy row 1's spinner so that their first click raises them",
     {Up(spnN, 2), Up({spnDegen, 1}), Up(spnN), Rows(), Value({spnDegen, 2}), Value({spnDegen, 4}),
      Down({spnDegen, 5}), Rows(), Up({spnDegen, 4}), Rows()},
     "2 1 1 1 1 1 | -1 | -2 | 2 1 1 1 2 | 2 1 1 2 1"},
    {"a degeneracy that holds no number stops the rebuild",
     {Up(spnN, 2), Write({txtDegen, 2}, "two"), Up({spnDegen, 2}), Down({spnDegen, 1}), Up(spnN),
      Rows()},
     "1 two 1 1"},
    {"the sum of the degeneracies stays within 16 bits",
     {Up(spnN, 2), Up({spnDegen, 1}, 3), Write({txtDegen, 1}, "32766"),
      [](Session& s) { s.form.IncreaseDegen(1); }, [](Session& s) { s.form.IncreaseDegen(1); },
      Rows()},
     "32767"},
};
INSTANTIATE_TEST_SUITE_P(VibrationRows, Scenario, ::testing::ValuesIn(kVibrationRows), CaseName);

const Case kLevels[] = {
    {"Add State appends an editable row below the last and fits the window",
     {Forget(), Press(cmdAddState), Describe({txtEnergy, 1}), Describe({txtEnergyDegen, 1}),
      Describe({spnEnergyDegen, 1}), Height(frmElectronic), Log()},
     "120 1430 1455 285 '0' | 1800 1430 375 285 '1' locked | 2160 1430 255 255 '' value -1 | "
     "1925 | focus cmdAddState, create txtEnergy(1), Locked txtEnergy(1), Visible txtEnergy(1), "
     "Top txtEnergy(1), create txtEnergyDegen(1), Visible txtEnergyDegen(1), "
     "Top txtEnergyDegen(1), create spnEnergyDegen(1), Visible spnEnergyDegen(1), "
     "Top spnEnergyDegen(1), Height frmElectronic, window Height 6720"},
    {"a new row copies the ground level's degeneracy and spinner",
     {Up({spnEnergyDegen, 0}, 2), Press(cmdAddState), Text({txtEnergyDegen, 1}),
      Value({spnEnergyDegen, 1}), Down({spnEnergyDegen, 1}), Text({txtEnergyDegen, 1}),
      Up({spnEnergyDegen, 1}), Text({txtEnergyDegen, 1})},
     "3 | -3 | 2 | 3"},
    {"Reset removes the upper rows in rising order and the ground spinner keeps its Value",
     {Write({txtEnergy, 0}, "5"), Forget(), Press(cmdReset), Log(), Press(cmdAddState),
      Press(cmdAddState), Type({txtEnergy, 1}, "500"), Up({spnEnergyDegen, 0}), Forget(),
      Press(cmdReset), Log(), Value({spnEnergyDegen, 0}), Height(frmElectronic), Press(cmdAddState),
      Text({txtEnergy, 1}), Note([](Session& s) { return std::to_string(s.form.lastLevel()); })},
     "focus cmdReset, window Height 6720, Text txtEnergy(0) | focus cmdReset, "
     "destroy txtEnergy(1), destroy txtEnergyDegen(1), destroy spnEnergyDegen(1), "
     "destroy txtEnergy(2), destroy txtEnergyDegen(2), destroy spnEnergyDegen(2), "
     "Height frmElectronic, window Height 6720, Text txtEnergyDegen(0) | -2 | 1575 | 0 | 1"},
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
    {"new elements come last in the Tab order after every element loaded before them and "
     "unloaded ones leave it",
     {Up(spnN, 2), Choose(optNonlinear), Press(cmdAddState), Up({spnDegen, 1}),
      Down({spnDegen, 1}),  // row 3 goes and comes back, loaded anew
      [](Session& s) { s.form.moveFocus(txtTemp); }, Forget(), Tab(12), Log("focus "),
      Press(cmdReset), Choose(optLinear), [](Session& s) { s.form.moveFocus(txtTemp); }, Forget(),
      Tab(10), Log("focus ")},
     "txtFreq(2) txtDegen(2) spnDegen(2) txtRotationalConst(2) txtRotationalConst(3) "
     "txtEnergy(1) txtEnergyDegen(1) spnEnergyDegen(1) txtFreq(3) txtDegen(3) spnDegen(3) "
     "txtName | txtFreq(2) txtDegen(2) spnDegen(2) txtFreq(3) txtDegen(3) spnDegen(3) txtFreq(4) "
     "txtDegen(4) spnDegen(4) txtName"},
};
INSTANTIATE_TEST_SUITE_P(ElectronicLevels, Scenario, ::testing::ValuesIn(kLevels), CaseName);

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
