// The window as it opens, its focus and keys, the error box, its size and dragging.
#include "form_fixture.h"

namespace moltherm::app::testing {

TEST_P(Scenario, NotesWhatItShould) {
    Session s;
    for (const Step& step : GetParam().steps) step(s);
    std::string noted;
    for (std::size_t k = 0; k < s.noted.size(); ++k) (noted += k ? " | " : "") += s.noted[k];
    EXPECT_EQ(noted, GetParam().expected);
}

namespace {

// The KeyAscii that the handlers leave for a key pressed in a box.
Step Key(ControlId box, int keyAscii) {
    return Note([=](Session& s) { return std::to_string(s.form.keyPress(box, keyAscii)); });
}
// The window's outer size and its place on the screen.
Step Window() {
    return Note([](Session& s) {
        return Join(s.form.width(), s.form.height(), s.form.left(), s.form.top());
    });
}
// The user resizes the window to a client area of that size, in a frame of the default size.
Step Resize(int scaleWidth, int scaleHeight) {
    return [=](Session& s) {
        s.form.userResized(scaleWidth + 120, scaleHeight + 405, scaleWidth, scaleHeight);
    };
}
// The answer box's width and height.
Step Box() {
    return Note([](Session& s) {
        return std::to_string(s.c(txtAns).width) + ' ' + std::to_string(s.c(txtAns).height);
    });
}
Step Mouse(int button, float x, float y) {
    return [=](Session& s) { s.form.mouseMove(button, 0, x, y); };
}

const Case kWindow[] = {
    {"the window opens for an atom with the input on view and the name focused",
     {Shown(), Focus(), Text(txtTemp), Text(cmdCalc), Describe(txtN), Describe(optLinear),
      Describe(optNonlinear), Describe(frmRotational), Describe(frmVibrational),
      Describe({txtEnergy, 0}), Describe({txtEnergyDegen, 0}), Describe(txtAns), Window()},
     Join(kInputMode, "txtName", "298.15", "Calc", "1560 960 375 285 '1' locked",
          "3240 550 855 375 '&Linear' disabled selected",
          "3240 840 1215 375 '&Non-linear' disabled", "120 1800 2175 1455 'Rotational' disabled",
          "2760 1800 2535 1095 'Vibrational' disabled", "120 1080 1455 285 '0' locked",
          "1800 1080 375 285 '1' locked",
          "120 4440 8355 1755 'Answer Box\r\n' hidden locked",  // fitted when shown
          "8715 | 6720 | 2760 | 1515")},  // the client area at its design place, (2820, 1860)
    {"Tab goes round the controls that take the focus and Shift Tab goes back",
     {Tab(11), [](Session& s) { s.form.tabFocus(true); }, Log("focus "), Up(spnN), Forget(),
      Tab(18), Log("focus ")},
     "txtMolarMass spnN txtEnergy(0) spnEnergyDegen(0) cmdAddState cmdCalc txtN txtEnergyDegen(0) "
     "cmdReset txtTemp txtName txtTemp | optLinear spnSigma txtRotationalConst(1) txtFreq(1) "
     "spnDegen(1) txtEnergy(0) spnEnergyDegen(0) cmdAddState cmdCalc txtN txtSigma txtDegen(1) "
     "txtEnergyDegen(0) cmdReset txtTemp txtName txtMolarMass spnN"},
    {"closed and locked controls and labels refuse input and nothing changes",
     {Open(spnSigma), Open({spnDegen, 1}), Open(optLinear), Open(txtAns), Open({txtEnergy, 0}),
      Note([](Session& s) {
          return std::to_string(s.form.spinUp(spnSigma) || s.form.accessKey('N') ||
                                s.form.chooseOption(optNonlinear) || s.form.typeText(txtN, "5") ||
                                s.form.typeText({txtEnergy, 0}, "5") ||
                                s.form.typeText({txtEnergyDegen, 0}, "5") ||
                                s.form.moveFocus(lblName) || s.form.moveFocus(frmElectronic));
      }),
      Log(), Text(txtN)},
     "closed | closed | closed | closed | open | 0 |  | 1"},
    {"Enter moves the focus from the name to the molar mass to the atom count and leaves no key",
     {Type(txtName, "HCl"), Key(txtName, 13), Focus(), Key(txtMolarMass, 13), Focus(),
      Text(txtName), Key(txtN, 13), Key(txtName, 97), Key(txtMolarMass, 57), Key({txtFreq, 1}, 97),
      Focus()},
     "0 | txtMolarMass | 0 | txtN | HCl | 13 | 97 | 57 | 0 | txtMolarMass"},
    {"ShowError shows the box then focuses it then writes the message which stays meanwhile",
     {[](Session& s) { s.form.ShowError("Wrong"); }, Log(), Focus(), Mouse(1, 200, 200),
      Type(txtError, "scribble"), Describe(txtError)},
     "Visible txtError, focus txtError, Text txtError | txtError | 5160 120 2295 285 'scribble'"},
    {"the message goes when a box Tab a button or a spinner takes the focus",
     {[](Session& s) { s.form.ShowError(""); }, [](Session& s) { s.form.moveFocus(txtName); },
      Shown(), [](Session& s) { s.form.ShowError(""); }, Tab(), Shown(),
      [](Session& s) { s.form.ShowError(""); }, Press(cmdAddState), Shown(),
      [](Session& s) { s.form.ShowError(""); }, Up({spnEnergyDegen, 0}), Shown()},
     Join(kInputMode, kInputMode, kInputMode, kInputMode)},
    // The user resizes the window: the answer box keeps margins of its own Left (120) to the
    // right and below, where a box is left.
    {"the answer box follows the client area down to its margins",
     {Resize(10000, 8000), Window(), Box(), Resize(8595, 4560), Box(), Resize(8595, 4561), Box(),
      Resize(240, 8000), Box(), Resize(241, 8000), Box()},
     "10120 | 8405 | 2760 | 1515 | 9760 3440 | 8355 3440 | 8355 1 | 8355 3440 | 1 3440"},
    {"the window stays while the pointer moves 50 twips or less then follows it from there",
     {Mouse(0, 500, 500),
      [](Session& s) {
          for (int x = 510; x <= 1500; x += 10)
              s.form.mouseMove(1, 0, static_cast<float>(x), x % 20 ? 550 : 450);
      },
      Mouse(0, 1000, 1000), Mouse(1, 1100, 1050), Mouse(1, 1050, 1100), Window(), Log(),
      Mouse(0, 1000, 1000), Mouse(1, 1100, 1100), Window(), Log(), Mouse(1, 1200, 1200), Window(),
      [](Session& s) { s.form.userMoved(100, 200); }, Window(), Log("window ")},
     "8715 | 6720 | 2760 | 1515 |  | 8715 | 6720 | 2860 | 1615 | window Position | "
     "8715 | 6720 | 3060 | 1815 | 8715 | 6720 | 100 | 200 | Position Position"},
    {"a button held on the first movement drags from the origin",
     {Mouse(1, 60, 70), Window()},
     "8715 | 6720 | 2820 | 1585"},
};
INSTANTIATE_TEST_SUITE_P(Window, Scenario, ::testing::ValuesIn(kWindow), CaseName);

// The top row of controls on the window stands at Top 120 and ends by 405, above the answer box's
// Top of 800.
TEST(Window, TheBoxesLookAsDesignedAndEachKindHasItsPrefix) {
    const Session s;
    for (const Control* c : s.form.controls())
        EXPECT_TRUE(c->container || c->kind == ControlKind::Frame || c->top >= 800 ||
                    (c->top == 120 && c->top + c->height <= 405))
            << IdText(c->id);
    const Control &error = s.c(txtError), &answer = s.c(txtAns);
    EXPECT_EQ(std::tuple(s.form.caption(), error.backColor, error.foreColor, error.alignment,
                         answer.font, answer.multiLine, answer.verticalScrollBar),
              std::tuple("Moltherm  v1.03", Color{255, 255, 255}, Color{255, 0, 0},
                         TextAlignment::Center, Font{"Courier New", 8.25, false}, true, true));
    for (const Control* c : s.form.controls())
        EXPECT_EQ(
            std::string("frmlbltxtcmdoptspn").substr(3 * static_cast<std::size_t>(c->kind), 3),
            IdText(c->id).substr(0, 3));
}

// (How the window writes a name, "txtFreq(2)", every case's notifications show.)
TEST(Window, NamesReadAsTheWindowSpellsThem) {
    EXPECT_EQ(NameFromText("spnEnergyDegen"), spnEnergyDegen);
    EXPECT_FALSE(NameFromText("txtFrq").has_value());
}

}  // namespace
}  // namespace moltherm::app::testing
