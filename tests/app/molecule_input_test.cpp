// The input that follows the molecule: atom count, type and symmetry number; the vibrational
// rows; the electronic levels.
#include "form_fixture.h"

namespace moltherm::app::testing {
namespace {

const Scenario kMoleculeType[] = {
    // A down click on one atom switches off only the two spinners enabled at start-up.
    {"-spnN", "txtN log", "1 | focus spnN, Value spnN, Enabled spnSigma, Enabled spnDegen(1)"},
    {"-spnN | -spnN", "log", "Value spnN"},
    // The first atom up enables in order, then writes the count.
    {"+spnN", "log",
     "focus spnN, Value spnN, Enabled frmRotational, Enabled lblSigma, Enabled lblRotationalConst, "
     "Enabled txtRotationalConst(1), Enabled txtSigma, Enabled frmVibrational, Enabled lblFreq, "
     "Enabled lblDegen, Enabled txtFreq(1), Enabled txtDegen(1), Enabled optLinear, Text txtN"},
    // The enabling follows the atom count; the linear option stays selected throughout.
    {"+spnN | +spnN", "log:Enabled log:Selected", "Enabled optNonlinear | "},
    {"++spnN | +spnN", "log:Enabled log:Selected ?txtSigma ?spnDegen(1)", " |  | open | open"},
    {"+++spnN | -spnN", "log:Enabled log:Selected", " | "},
    {"++spnN | -spnN", "log:Enabled log:Selected", "Enabled optNonlinear | "},
    // Back at one atom the spinners of the frames are disabled too, unlike at start-up.
    {"+spnN | -spnN", "log:Enabled log:Selected ?txtSigma ?spnDegen(1)",
     "Enabled frmRotational, Enabled spnSigma, Enabled lblSigma, Enabled lblRotationalConst, "
     "Enabled txtRotationalConst(1), Enabled txtSigma, Enabled frmVibrational, Enabled txtFreq(1), "
     "Enabled lblFreq, Enabled lblDegen, Enabled txtDegen(1), Enabled spnDegen(1), "
     "Enabled optLinear |  | closed | closed"},
    // Drift at the floor: two refused down clicks cost the first up click.
    {"--spnN", "txtN #spnN", "1 | 1920 960 255 255 '' value 1"},
    {"--spnN +spnN", "txtN", "1"},
    {"--spnN ++spnN", "txtN", "2"},
    // Non-linear: two more rotational boxes, copies of the first, and 3N - 6 modes.
    {"++spnN txtRotationalConst(1)=27.877 @optNonlinear",
     "molType #optLinear #txtRotationalConst(2) #txtRotationalConst(3) ?txtRotationalConst(2) "
     "?txtRotationalConst(3) #frmRotational rows",
     "nonlinear | 3240 550 855 375 '&Linear' | 120 1310 1935 285 '27.877' | "
     "120 1660 1935 285 '27.877' | open | open | 120 1800 2175 2200 'Rotational' | 1 1 1"},
    {"++spnN | @optNonlinear", "log",
     "focus optNonlinear, Selected optLinear, Selected optNonlinear, create txtRotationalConst(2), "
     "Visible txtRotationalConst(2), Top txtRotationalConst(2), create txtRotationalConst(3), "
     "Visible txtRotationalConst(3), Top txtRotationalConst(3), Height frmRotational, "
     "destroy txtFreq(4), destroy txtDegen(4), destroy spnDegen(4), Height frmVibrational, "
     "window Height 6720"},
    // A box that holds no number is left alone.
    {"txtN:= +spnN -spnN", "txtN", ""},
    {"++spnN txtSigma:=x +spnSigma -spnSigma", "txtSigma", "x"},
    // Choosing the option already selected changes nothing.
    {"++spnN | @optLinear", "log", "focus optLinear"},
    {"++spnN @optNonlinear | @optNonlinear", "log *txtRotationalConst", " | 3"},
    // A non-linear triatomic stepped down becomes a linear diatomic with one row.
    {"++spnN @optNonlinear txtFreq(2)=1595 -spnN",
     "txtN #optLinear #optNonlinear *txtRotationalConst #frmRotational molType rows",
     "2 | 3240 550 855 375 '&Linear' selected | 3240 840 1215 375 '&Non-linear' disabled | 1 | "
     "120 1800 2175 1575 'Rotational' | linear | 1"},
};

TEST(MoleculeTypeTest, AccessKeysSelectTheOptionsWhileEnabled) {
    Session s;
    EXPECT_FALSE(s.form.accessKey('l'));
    s.act("++spnN");
    EXPECT_TRUE(s.form.accessKey('N'));
    EXPECT_EQ(s.probe("#optNonlinear focus"),
              "3240 840 1215 375 '&Non-linear' selected | optNonlinear");
    EXPECT_TRUE(s.form.accessKey('l'));
    EXPECT_EQ(s.probe("#optLinear *txtRotationalConst"), "3240 550 855 375 '&Linear' selected | 1");
    EXPECT_FALSE(s.form.accessKey('x'));
}

TEST(MoleculeTypeTest, TheSymmetryNumberStepsBetweenItsLimits) {
    Session s;
    s.act("+spnN");
    // Linear, it stops at 2; the refused step leaves the spinner ahead, so one down click is used
    // up. Given while non-linear it is kept when linear and steps on up; N leaves it alone.
    EXPECT_EQ(s.spin("spnSigma", "++---"), "2 2 2 1 1");
    s.act("+spnN @optNonlinear");
    EXPECT_EQ(s.spin("spnSigma", "+++"), "2 3 4");
    s.act("@optLinear");
    EXPECT_EQ(s.spin("spnSigma", "+"), "5");
    s.act("-spnN");
    EXPECT_EQ(s.c("txtSigma").text, "5");
    // The stored number is 16 bits.
    s.act("+spnN @optNonlinear txtSigma:=32767 &IncreaseSigma");
    EXPECT_EQ(s.c("txtSigma").text, "32767");
    s.act("&DecreaseSigma");
    EXPECT_EQ(s.c("txtSigma").text, "32766");
}

TEST(MoleculeTypeTest, TheAtomCountStopsWhereTheModesFill16Bits) {
    Session s;
    s.act("+spnN txtN:=10923 &IncreaseAtomCount");
    EXPECT_EQ(s.probe("txtN nModes height i"), "10924 | 32767 | 32767 | 32768");
    EXPECT_EQ(s.c("txtFreq", 32767).top, 600 + 300 * 32766);
    EXPECT_EQ(s.c("frmVibrational").height, 600 + 300 * 32766 + 450);
    // Refused; and no raise of a degeneracy can push the modes past 16 bits either.
    s.act("| &IncreaseAtomCount &IncreaseDegen(1)");
    EXPECT_EQ(s.probe("txtN nModes log txtDegen(1)"), "10924 | 32767 |  | 1");
    s.act("&DecreaseAtomCount");
    EXPECT_EQ(s.probe("txtN nModes"), "10923 | 32764");
}

// The rows and the vibrational frame's Describe line, after the script.
const Scenario kRows[] = {
    {"+spnN", "rows #frmVibrational log:window", "1 | 2760 1800 2535 1095 'Vibrational' | "},
    {"++spnN", "rows #frmVibrational", "1 1 1 1 | 2760 1800 2535 1950 'Vibrational'"},
    {"++spnN @optNonlinear", "rows #frmVibrational", "1 1 1 | 2760 1800 2535 1650 'Vibrational'"},
    {"$H2O +spnDegen(2)", "rows txtFreq(2)", "1 2 | 1595"},
    // The removed row's wavenumber is lost.
    {"$H2O +spnDegen(2) -spnDegen(2)", "rows txtFreq(3)", "1 1 1 | "},
    // A raise that overshoots the modes is made up with blank rows.
    {"++spnN +spnDegen(1)", "rows", "2 1 1"},
    {"++spnN +spnDegen(1) +spnDegen(2)", "rows #frmVibrational",
     "2 2 | 2760 1800 2535 1350 'Vibrational'"},
    {"++spnN +spnDegen(1) ++spnDegen(2)", "rows", "2 1 1"},
    // A single row may stand above the modes.
    {"++spnN +++spnDegen(1)", "rows", "4"},
    {"++spnN ++++spnDegen(1)", "rows #frmVibrational", "5 | 2760 1800 2535 1050 'Vibrational'"},
    // A diatomic's one row: a raise writes 2 and the rebuild 1; a lowering below 1 is refused.
    {"+spnN | +spnDegen(1)", "log:Text", "Text txtDegen(1), Text txtDegen(1)"},
    {"+spnN +spnDegen(1) ---spnDegen(1)", "rows", "1"},
    // A refused lowering does not rebuild.
    {"++spnN | -spnDegen(2)", "log", "focus spnDegen(2), Value spnDegen(2)"},
    // Rows added after a raise copy row 1's spinner (Value -2), so their first click raises them;
    // the rows there before keep their own.
    {"++spnN +spnDegen(1) +spnN", "rows #spnDegen(2) #spnDegen(4)",
     "2 1 1 1 1 1 | 2160 900 255 255 '' value -1 | 2160 1500 255 255 '' value -2"},
    {"++spnN +spnDegen(1) +spnN -spnDegen(5)", "rows", "2 1 1 1 2"},
    {"++spnN +spnDegen(1) +spnN -spnDegen(5) +spnDegen(4)", "rows", "2 1 1 2 1"},
    // Stepping down: through two atoms on the way to one, or from non-linear, where the first
    // rebuild, for no modes, strips the rows to row 1 and the switch to linear rebuilds again.
    {"++spnN --spnN", "rows", "1"},
    {"++spnN --spnN ++spnN", "rows", "1 1 1 1"},
    {"++spnN @optNonlinear | -spnN", "rows #frmVibrational log:destroy log:window",
     "1 | 2760 1800 2535 1050 'Vibrational' | destroy txtFreq(3), destroy txtDegen(3), "
     "destroy spnDegen(3), destroy txtFreq(2), destroy txtDegen(2), destroy spnDegen(2), "
     "destroy txtRotationalConst(2), destroy txtRotationalConst(3) | "
     "window Height 6720, window Height 6720"},
    {"++spnN | @optNonlinear", "log:(4) log:window",
     "destroy txtFreq(4), destroy txtDegen(4), destroy spnDegen(4) | window Height 6720"},
    // A degeneracy that holds no number stops the rebuild.
    {"++spnN txtDegen(2):=two +spnDegen(2) -spnDegen(1) +spnN", "rows", "1 two 1 1"},
    // The sum of the degeneracies stays within 16 bits: a single row standing above the modes.
    {"++spnN +++spnDegen(1) txtDegen(1):=32766 &IncreaseDegen(1) &IncreaseDegen(1)", "txtDegen(1)",
     "32767"},
    // Rows outlive the atom and the calculation.
    {"++spnN txtFreq(2)=667 --spnN ++spnN txtName=CO2 txtMolarMass=44.01 "
     "txtRotationalConst(1)=0.39 txtFreq(1)=601 txtFreq(2)=602 txtFreq(3)=603 txtFreq(4)=604 "
     "!cmdCalc !cmdNewData",
     "rows txtFreq(4)", "1 1 1 1 | 604"},
};

TEST(VibrationRowsTest, AThirdAtomAppendsThreeBlankRowsOneLayoutEach) {
    Session s;
    s.act("+spnN txtFreq(1)=2990 | +spnN");
    for (int row = 2; row <= 4; ++row) {
        const std::string top = std::to_string(600 + 300 * (row - 1)), k = Words(row) + ") ";
        EXPECT_EQ(s.probe("#txtFreq(" + k + "#txtDegen(" + k + "#spnDegen(" + k + "?txtFreq(" + k +
                          "?txtDegen(" + k + "?spnDegen(" + k),
                  "120 " + top + " 1575 285 '' | 1800 " + top + " 375 285 '1' locked | 2160 " +
                      top + " 255 255 '' value -1 | open | open | open");
    }
    EXPECT_EQ(s.probe("txtFreq(1) i log:window"),
              "2990 | 5 | window Height 6720, window Height 6720, window Height 6720");
    const std::string firstRow =
        "focus spnN, Value spnN, Enabled optNonlinear, Text txtN, create txtFreq(2), "
        "Text txtFreq(2), Visible txtFreq(2), Top txtFreq(2), create txtDegen(2), "
        "Visible txtDegen(2), Top txtDegen(2), create spnDegen(2), Visible spnDegen(2), "
        "Top spnDegen(2), Height frmVibrational, window Height 6720, ";
    EXPECT_EQ(s.probe("log").substr(0, firstRow.size()), firstRow);
}

TEST(VibrationRowsTest, RaisingTheLastRowReplacesItByABlankOne) {
    Session s;
    s.act("$H2O | +spnDegen(3)");
    EXPECT_EQ(s.probe("rows txtFreq(3) log:destroy log:create log:window"),
              "1 1 1 |  | destroy txtFreq(3), destroy txtDegen(3), destroy spnDegen(3) | "
              "create txtFreq(3), create txtDegen(3), create spnDegen(3) | "
              "window Height 6720, window Height 6720");
    // The focus left the unloaded spinner for a control that takes it.
    EXPECT_EQ(s.probe("?" + s.probe("focus")), "open");
}

const Scenario kLevels[] = {
    // "Add State": an editable row below the last, the frame 350 higher, the window fitted.
    {"!cmdAddState", "lastLevel #txtEnergy(1) #txtEnergyDegen(1) #spnEnergyDegen(1) #frmElectronic",
     "1 | 120 1430 1455 285 '0' | 1800 1430 375 285 '1' locked | 2160 1430 255 255 '' value -1 | "
     "5760 1800 2655 1925 'Electronic'"},
    {"!cmdAddState", "log",
     "focus cmdAddState, create txtEnergy(1), Locked txtEnergy(1), Visible txtEnergy(1), Top "
     "txtEnergy(1), create txtEnergyDegen(1), Visible txtEnergyDegen(1), Top txtEnergyDegen(1), "
     "create spnEnergyDegen(1), Visible spnEnergyDegen(1), Top spnEnergyDegen(1), "
     "Height frmElectronic, window Height 6720"},
    // A new row copies the ground level's degeneracy and spinner.
    {"++spnEnergyDegen(0) !cmdAddState", "#txtEnergyDegen(1) #spnEnergyDegen(1)",
     "1800 1430 375 285 '3' locked | 2160 1430 255 255 '' value -3"},
    {"++spnEnergyDegen(0) !cmdAddState -spnEnergyDegen(1)", "txtEnergyDegen(1)", "2"},
    {"++spnEnergyDegen(0) !cmdAddState -spnEnergyDegen(1) +spnEnergyDegen(1)", "txtEnergyDegen(1)",
     "3"},
    // "Reset" with the ground level alone unloads nothing and writes nothing new.
    {"!cmdReset", "log txtEnergy(0) txtEnergyDegen(0) i",
     "focus cmdReset, window Height 6720 | 0 | 1 | 1"},
    // Otherwise it removes the upper rows in rising order; the ground spinner keeps its Value.
    {"!cmdAddState !cmdAddState txtEnergy(1)=500 +spnEnergyDegen(0) | !cmdReset",
     "log lastLevel i #spnEnergyDegen(0) #frmElectronic",
     "focus cmdReset, destroy txtEnergy(1), destroy txtEnergyDegen(1), destroy spnEnergyDegen(1), "
     "destroy txtEnergy(2), destroy txtEnergyDegen(2), destroy spnEnergyDegen(2), "
     "Height frmElectronic, window Height 6720, Text txtEnergyDegen(0) | 0 | 3 | "
     "2160 1080 255 255 '' value -2 | 5760 1800 2655 1575 'Electronic'"},
    {"!cmdAddState txtEnergy(1)=500 !cmdReset !cmdAddState", "txtEnergy(1)", "0"},
    // The step rule: down while the box stands above -Value, up otherwise. After a reset from 3
    // (Value -3) either arrow raises the box; refused down clicks are used up by up clicks.
    {"++spnEnergyDegen(0) !cmdReset +spnEnergyDegen(0)", "txtEnergyDegen(0)", "2"},
    {"++spnEnergyDegen(0) !cmdReset -spnEnergyDegen(0)", "txtEnergyDegen(0)", "2"},
    {"-spnEnergyDegen(0)", "#txtEnergyDegen(0) #spnEnergyDegen(0)",
     "1800 1080 375 285 '1' locked | 2160 1080 255 255 '' value 0"},
    {"-spnEnergyDegen(0) +spnEnergyDegen(0)", "txtEnergyDegen(0)", "2"},
    {"---spnEnergyDegen(0) ++spnEnergyDegen(0)", "txtEnergyDegen(0) #spnEnergyDegen(0)",
     "1 | 2160 1080 255 255 '' value 0"},
    {"---spnEnergyDegen(0) +++spnEnergyDegen(0)", "txtEnergyDegen(0)", "2"},
};

TEST(MoleculeInputTest, StepsClicksAndChoicesKeepTheInputConsistent) {
    ExpectScenarios(kMoleculeType);
    ExpectScenarios(kRows);
    ExpectScenarios(kLevels);
}

TEST(ElectronicLevelsTest, NewRowsComeLastInTheTabOrderAndNoneInResultsMode) {
    Session s;
    // From the button, Tab passes the controls placed after it, then the new row's, then wraps.
    s.act("!cmdAddState | >>>>>>>>>");
    EXPECT_EQ(
        s.probe("log:focus"),
        "focus cmdCalc, focus txtN, focus txtEnergyDegen(0), focus cmdReset, focus txtTemp, "
        "focus txtEnergy(1), focus txtEnergyDegen(1), focus spnEnergyDegen(1), focus txtName");
    // Unloaded rows leave the Tab order.
    s.act("!cmdReset | >>>");
    EXPECT_EQ(s.probe("log:focus"), "focus txtTemp, focus txtName, focus txtMolarMass");
    s.act("$Ar !cmdCalc");
    EXPECT_FALSE(s.form.click(ControlId{ControlName::cmdAddState}));
    EXPECT_FALSE(s.form.spinUp(ControlId{ControlName::spnEnergyDegen, 0}));
    EXPECT_EQ(s.form.lastLevel(), 0);
}

TEST(ElectronicLevelsTest, TheSpinnerStopsAtTheEndOfItsRange) {
    Session s;
    s.act("txtEnergyDegen(0):=40000");
    for (int k = 0; k < 32767 + 2; ++k)
        ASSERT_TRUE(s.form.spinDown(ControlId{ControlName::spnEnergyDegen, 0}));
    // 32768 steps down, then the range ended.
    EXPECT_EQ(s.probe("#spnEnergyDegen(0) txtEnergyDegen(0)"),
              "2160 1080 255 255 '' value 32767 | 7232");
}

// The window grows with the list up to its 16-bit limit and keeps every row; the level index
// stays within 16 bits.
TEST(ElectronicLevelsTest, TheListGrowsUpToTheLimitsAndKeepsEveryRow) {
    Session s;
    for (int k = 0; k < 82; ++k) s.press("cmdAddState");
    EXPECT_EQ(s.form.height(), 32575);
    s.press("cmdAddState");
    EXPECT_EQ(s.probe("lastLevel size #txtEnergy(83) #frmElectronic"),
              "83 | 8715 32767 8595 32362 | 120 30130 1455 285 '0' | "
              "5760 1800 2655 30625 'Electronic'");
    s.press("cmdAddState");
    EXPECT_EQ(s.probe("height *spnEnergyDegen"), "32767 | 85");
    EXPECT_EQ(s.c("txtAns").height, 32767 - 405 - 4440 - 120);  // each layout resizes the box
    for (int k = s.form.lastLevel(); k < 32767; ++k) s.form.cmdAddState_Click();
    EXPECT_EQ(s.c("txtEnergy", 32767).top, 1080 + 350 * 32767);
    s.form.cmdAddState_Click();
    EXPECT_EQ(s.probe("lastLevel *txtEnergy"), "32767 | 32768");
    s.press("cmdReset");
    EXPECT_EQ(s.probe("height i"), "6720 | 32768");
    EXPECT_EQ(s.form.controls().size(), 37u);
}

}  // namespace
}  // namespace moltherm::app::testing
