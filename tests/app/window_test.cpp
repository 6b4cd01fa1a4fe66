#include "form_fixture.h"

namespace moltherm::app::testing {
namespace {

// Every control as the window opens, in creation order, before its first display resizes the
// answer box: name and index, container, Tab place and Describe's line.
const std::tuple<const char*, int, const char*, int, const char*> kDesign[] = {
    {"lblTemp", -1, "", 28, "120 120 1215 255 'Temperature (K):'"},
    {"txtTemp", -1, "", 31, "1320 120 855 285 '298.15'"},
    {"cmdCalc", -1, "", 13, "2280 120 855 255 'Calc'"},
    {"cmdNewData", -1, "", 29, "3240 120 855 255 'New Data' hidden"},
    {"cmdPrint", -1, "", 36, "4200 120 855 255 'Print' hidden"},
    {"txtError", -1, "", 34, "5160 120 2295 285 'Error Box' hidden"},
    {"frmMolType", -1, "", 0, "120 375 4575 1335 ''"},
    {"lblName", -1, "frmMolType", 30, "120 240 1335 255 'Name of Molecule:'"},
    {"txtName", -1, "frmMolType", 1, "1560 240 2895 285 ''"},
    {"lblMolarMass", -1, "frmMolType", 32, "120 600 1455 255 'Molar mass (g/mol):'"},
    {"txtMolarMass", -1, "frmMolType", 2, "1560 600 1455 285 ''"},
    {"lblN", -1, "frmMolType", 33, "120 960 1335 255 'Number of atoms:'"},
    {"txtN", -1, "frmMolType", 14, "1560 960 375 285 '1' locked"},
    {"spnN", -1, "frmMolType", 3, "1920 960 255 255 '' value -1"},
    {"optLinear", -1, "frmMolType", 5, "3240 550 855 375 '&Linear' disabled selected"},
    {"optNonlinear", -1, "frmMolType", 4, "3240 840 1215 375 '&Non-linear' disabled"},
    {"frmRotational", -1, "", 15, "120 1800 2175 1455 'Rotational' disabled"},
    {"lblSigma", -1, "frmRotational", 16, "120 360 1335 255 'Symmetry Number:' disabled"},
    {"txtSigma", -1, "frmRotational", 17, "1440 360 375 285 '1' disabled locked"},
    {"spnSigma", -1, "frmRotational", 6, "1800 360 255 255 '' value -1"},
    {"lblRotationalConst", -1, "frmRotational", 18,
     "120 720 1935 255 'Rotational Constant (1/cm)' disabled"},
    {"txtRotationalConst", 1, "frmRotational", 7, "120 960 1935 285 '' disabled"},
    {"frmVibrational", -1, "", 19, "2760 1800 2535 1095 'Vibrational' disabled"},
    {"lblFreq", -1, "frmVibrational", 20, "120 360 1575 255 'Wavenumber (1/cm)' disabled"},
    {"lblDegen", -1, "frmVibrational", 21, "1800 360 495 255 'Degen' disabled"},
    {"txtFreq", 1, "frmVibrational", 8, "120 600 1575 285 '' disabled"},
    {"txtDegen", 1, "frmVibrational", 22, "1800 600 375 285 '1' disabled locked"},
    {"spnDegen", 1, "frmVibrational", 9, "2160 600 255 255 '' value -1"},
    {"frmElectronic", -1, "", 23, "5760 1800 2655 1575 'Electronic'"},
    {"cmdAddState", -1, "frmElectronic", 12, "360 360 1095 375 'Add State'"},
    {"cmdReset", -1, "frmElectronic", 27, "1800 360 615 375 'Reset'"},
    {"lblEnergy", -1, "frmElectronic", 24, "360 840 1095 255 'Energy (1/cm)'"},
    {"lblEnergyDegen", -1, "frmElectronic", 25, "1800 840 495 255 'Degen'"},
    {"txtEnergy", 0, "frmElectronic", 10, "120 1080 1455 285 '0' locked"},
    {"txtEnergyDegen", 0, "frmElectronic", 26, "1800 1080 375 285 '1' locked"},
    {"spnEnergyDegen", 0, "frmElectronic", 11, "2160 1080 255 255 '' value -1"},
    {"txtAns", -1, "", 35, "120 4440 8295 615 'Answer Box\r\n' hidden locked"},
};

TEST(StartupTest, EveryControlOpensInItsDesignState) {
    const Session s({}, false);
    const auto all = s.form.controls();
    ASSERT_EQ(all.size(), std::size(kDesign));
    for (std::size_t k = 0; k < all.size(); ++k) {
        const auto& [name, index, container, tab, state] = kDesign[k];
        const Control& c = *all[k];
        EXPECT_EQ(std::tuple(c.id, c.container ? IdText(*c.container) : "", c.tabIndex, Describe(c),
                             c.font.has_value()),
                  std::tuple(Id(name, index), container, tab, state, c.id.name == ControlName::txtAns));
        // A control's kind is told by the prefix of its name, in the order of ControlKind.
        EXPECT_EQ(std::string("frmlbltxtcmdoptspn").substr(3 * static_cast<int>(c.kind), 3),
                  Name(c.id).substr(0, 3));
    }
}

TEST(StartupTest, FormLoadSetsTheWindowTheBoxesLooksAndTheFormLevelState) {
    const Session s({}, false), other(WindowFrame{16, 600}, false);
    const Control &error = s.c("txtError"), &answer = s.c("txtAns");
    EXPECT_EQ(std::tuple(error.backColor, error.foreColor, error.alignment, error.multiLine),
              std::tuple(Color{255, 255, 255}, Color{255, 0, 0}, TextAlignment::Center, false));
    EXPECT_EQ(std::tuple(answer.font, answer.multiLine, answer.verticalScrollBar,
                         answer.backColor.has_value()),
              std::tuple(Font{"Courier New", 8.25, false}, true, true, false));
    EXPECT_EQ(s.form.caption(), "Moltherm  v1.03");
    // The client area at its design place (2820, 1860), inside the border and title bar.
    EXPECT_EQ(s.probe("size start place molType nModes lastLevel focus"),
              "8715 6720 8595 6315 | 6720 6315 | 2760 1515 | linear | 1 | 0 | none");
    EXPECT_EQ(std::tuple(s.form.lastMouseX(), s.form.lastMouseY()), std::tuple(0.0f, 0.0f));
    // Another border and title bar: the same client area in another outer size.
    EXPECT_EQ(other.probe("size start"), "8611 6915 8595 6315 | 6915 6315");
}

const Scenario kShownWindow[] = {
    // Shown, the window fits the answer box and focuses the name.
    {"", "#txtAns focus", "120 4440 8355 1755 'Answer Box\r\n' hidden locked | txtName"},
    // The controls of disabled frames take no input, whatever their own state.
    {"",
     "?spnSigma ?spnDegen(1) ?optLinear ?txtAns ?noSuchControl ?spnEnergyDegen(0) ?txtEnergy(0)",
     "closed | closed | closed | closed | closed | open | open"},
    // Enter moves the focus from the name to the molar mass to the atom count and leaves no
    // key; other keys pass. A key gives its box the focus first; a closed box swallows it.
    {"txtName=HCl ^txtName=13", "key focus txtName", "0 | txtMolarMass | HCl"},
    {"^txtMolarMass=13", "key focus", "0 | txtN"},
    {"^txtN=13", "key focus", "13 | txtN"},
    {"^txtTemp=13", "key focus", "13 | txtTemp"},
    {"^txtName=97", "key focus", "97 | txtName"},
    {"^txtMolarMass=57", "key focus", "57 | txtMolarMass"},
    {"^txtMolarMass=57 ^txtFreq(1)=97", "key focus", "0 | txtMolarMass"},
    // Tab goes round the controls that take the focus, in order; Shift+Tab goes back.
    {">>>>>>>>>>><", "log:focus",
     "focus txtMolarMass, focus spnN, focus txtEnergy(0), focus spnEnergyDegen(0), "
     "focus cmdAddState, focus cmdCalc, focus txtN, focus txtEnergyDegen(0), focus cmdReset, "
     "focus txtTemp, focus txtName, focus txtTemp"},
};

TEST(StartupTest, TheShownWindowTakesInputWhereItShould) {
    ExpectScenarios(kShownWindow);
    Session s;
    EXPECT_FALSE(s.form.spinUp(ControlId{ControlName::spnSigma}) || s.form.accessKey('N') ||
                 s.form.chooseOption(ControlId{ControlName::optNonlinear}));
    EXPECT_FALSE(s.form.typeText(ControlId{ControlName::txtN}, "5") ||
                 s.form.typeText(ControlId{ControlName::txtEnergy, 0}, "5") ||
                 s.form.typeText(ControlId{ControlName::txtEnergyDegen, 0}, "5"));
    EXPECT_EQ(s.probe("log #spnSigma txtN txtEnergy(0) txtEnergyDegen(0)"),
              " | 1800 360 255 255 '' value -1 | 1 | 0 | 1");
}

class WindowTest : public FormTest {};

TEST_F(WindowTest, ShowErrorShowsFocusesThenWritesTheMessageUntilTheFocusLeaves) {
    form.ShowError("Something wrong");
    EXPECT_EQ(probe("log #txtError focus"),
              "Visible txtError, focus txtError, Text txtError | "
              "5160 120 2295 285 'Something wrong' | txtError");
    form.ShowError("");
    EXPECT_EQ(probe("#txtError"), "5160 120 2295 285 ''");
    // Labels, frames and the bare window take no focus; the user may type into the box.
    EXPECT_FALSE(form.moveFocus(ControlId{ControlName::lblName}) ||
                 form.moveFocus(ControlId{ControlName::frmElectronic}));
    form.mouseMove(1, 0, 200, 200);
    act("txtError=scribble");
    EXPECT_TRUE(c("txtError").visible);
    EXPECT_TRUE(form.moveFocus(ControlId{ControlName::txtName}));
    EXPECT_EQ(probe("focus shown"), "txtName | " + kInputMode);
    // Tab, a button's click and a spinner's click move the focus on as well.
    for (const char* leave : {">", "!cmdAddState", "+spnEnergyDegen(0)"}) {
        form.ShowError("again");
        act(leave);
        EXPECT_FALSE(c("txtError").visible) << leave;
    }
}

// Outer and client sizes as the user leaves them, then the window's and the answer box's.
const std::tuple<int, int, int, int, const char*> kSizes[] = {
    {8715, 4965, 8595, 4560, "8715 4965 8595 4560 | 120 4440 8355 1755"},  // the height would be 0
    {360, 8405, 240, 8000, "360 8405 240 8000 | 120 4440 8355 3440"},      // the width would be 0
    {10120, 8405, 10000, 8000, "10120 8405 10000 8000 | 120 4440 9760 3440"}};

TEST_F(WindowTest, TheAnswerBoxFollowsTheClientSizeAboveItsMargins) {
    for (const auto& [outerWidth, outerHeight, scaleWidth, scaleHeight, expected] : kSizes) {
        form.userResized(outerWidth, outerHeight, scaleWidth, scaleHeight);
        EXPECT_EQ(probe("size #txtAns"), expected + std::string(" 'Answer Box\r\n' hidden locked"));
    }
    // A new border and title bar keep the outer size; the client area changes.
    Session framed;
    framed.form.setWindowFrame(WindowFrame{16, 500});
    EXPECT_EQ(framed.probe("size #txtAns"),
              "8715 6720 8699 6220 | 120 4440 8459 1660 'Answer Box\r\n' hidden locked");
}

TEST_F(WindowTest, DraggingMovesOnlyBySteps50TwipsOrMoreAlongBothAxes) {
    form.mouseMove(0, 0, 500, 500);
    for (int x = 510; x <= 1500; x += 10) form.mouseMove(1, 0, x, x % 20 ? 550 : 450);
    form.mouseMove(0, 0, 1000, 1000);
    form.mouseMove(1, 0, 1100, 1050);  // 50 down is not enough, nor 50 to the right
    form.mouseMove(1, 0, 1050, 1100);
    EXPECT_EQ(probe("place log:window"), "2760 1515 | ");
    form.mouseMove(1, 0, 1100, 1100);
    EXPECT_EQ(probe("place log:window"), "2860 1615 | window Position");
    // The reference point stays: the window follows the pointer while the button is held.
    EXPECT_EQ(std::tuple(form.lastMouseX(), form.lastMouseY()), std::tuple(1000.0f, 1000.0f));
    // The user's own move is kept without notice.
    form.userMoved(100, 200);
    EXPECT_EQ(probe("place log:window"), "100 200 | window Position");
    // A button held on the first movement drags from the origin.
    Session fresh;
    fresh.form.mouseMove(1, 0, 60, 70);
    EXPECT_EQ(fresh.probe("place"), "2820 1585");
}

}  // namespace
}  // namespace moltherm::app::testing
