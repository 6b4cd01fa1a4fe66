// The window as it opens, its focus and keys, the error box, its size and dragging.
#include "form_fixture.h"

namespace moltherm::app::testing {

TEST_P(Scenario, NotesWhatItShould) {
    Session s;
    for (const Step& step : GetParam().steps) step(s);
    EXPECT_EQ(s.transcript(), GetParam().expected);
}

namespace {

// The KeyAscii that the handlers leave for a key pressed in a box.
Step Key(ControlName box, int keyAscii) {
    return Note([=](Session& s) { return std::to_string(s.form.keyPress(box, keyAscii)); });
}
Step ShowError(std::string message) {
    return Do([=](Session& s) { s.form.ShowError(message); });
}
// The window's outer and client size, its place, and the answer box.
Step Window() {
    return Note([](Session& s) {
        const frmMoltherm& f = s.form;
        return Join(f.width(), f.height(), f.scaleWidth(), f.scaleHeight(), f.left(), f.top());
    });
}
Step Resize(int outerWidth, int outerHeight, int scaleWidth, int scaleHeight) {
    return Do(
        [=](Session& s) { s.form.userResized(outerWidth, outerHeight, scaleWidth, scaleHeight); });
}
Step Mouse(int button, float x, float y) {
    return Do([=](Session& s) { s.form.mouseMove(button, 0, x, y); });
}

const Case kStartUp[] = {
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
          // The client area at its design place (2820, 1860), inside the border and title bar.
          "8715 | 6720 | 8595 | 6315 | 2760 | 1515")},
    {"Form_Load sets the form level state",
     {Note([](Session& s) {
         const frmMoltherm& f = s.form;
         return Join(f.caption(), f.molType(), f.nModes(), f.lastLevel(), f.startHeight(),
                     f.startScaleHeight(), f.lastMouseX(), f.lastMouseY());
     })},
     "Moltherm  v1.03 | linear | 1 | 0 | 6720 | 6315 | 0 | 0"},
    {"Tab goes round the controls that take the focus and Shift Tab goes back",
     {Tab(11), Do([](Session& s) { s.form.tabFocus(true); }), Log()},
     "focus txtMolarMass, focus spnN, focus txtEnergy(0), focus spnEnergyDegen(0), "
     "focus cmdAddState, focus cmdCalc, focus txtN, focus txtEnergyDegen(0), focus cmdReset, "
     "focus txtTemp, focus txtName, focus txtTemp"},
    {"the controls inside a disabled frame take no input whatever their own state",
     {Open(spnSigma), Open({spnDegen, 1}), Open(optLinear), Open(txtAns), Open({spnEnergyDegen, 0}),
      Open({txtEnergy, 0})},
     "closed | closed | closed | closed | open | open"},
    {"closed and locked controls and labels refuse input and nothing changes",
     {Note([](Session& s) {
          const bool taken = s.form.spinUp(spnSigma) || s.form.accessKey('N') ||
                             s.form.chooseOption(optNonlinear) || s.form.typeText(txtN, "5") ||
                             s.form.typeText({txtEnergy, 0}, "5") ||
                             s.form.typeText({txtEnergyDegen, 0}, "5") ||
                             s.form.moveFocus(lblName) || s.form.moveFocus(frmElectronic);
          return std::to_string(taken);
      }),
      Log(), Text(txtN), Text({txtEnergy, 0})},
     "0 |  | 1 | 0"},
};
INSTANTIATE_TEST_SUITE_P(StartUp, Scenario, ::testing::ValuesIn(kStartUp), CaseName<Case>);

TEST(StartUp, TheBoxesLookAsDesignedAndEachKindHasItsPrefix) {
    const Session s;
    const Control &error = s.c(txtError), &answer = s.c(txtAns);
    EXPECT_EQ(std::tuple(error.backColor, error.foreColor, error.alignment, answer.font,
                         answer.multiLine, answer.verticalScrollBar),
              std::tuple(Color{255, 255, 255}, Color{255, 0, 0}, TextAlignment::Center,
                         Font{"Courier New", 8.25, false}, true, true));
    for (const Control* c : s.form.controls())
        EXPECT_EQ(std::string("frmlbltxtcmdoptspn").substr(3 * static_cast<int>(c->kind), 3),
                  IdText(c->id).substr(0, 3));
}

const Case kKeysAndErrors[] = {
    {"Enter in the name moves the focus to the molar mass and leaves no key",
     {Type(txtName, "HCl"), Key(txtName, 13), Focus(), Text(txtName)},
     "0 | txtMolarMass | HCl"},
    {"Enter in the molar mass moves the focus to the atom count",
     {Key(txtMolarMass, 13), Focus()},
     "0 | txtN"},
    {"Enter in another box and other keys in the two boxes pass unchanged",
     {Key(txtN, 13), Key(txtTemp, 13), Key(txtName, 97), Key(txtMolarMass, 57), Focus()},
     "13 | 13 | 97 | 57 | txtMolarMass"},
    {"a key in a box that takes no input is swallowed",
     {Note([](Session& s) {
          return std::to_string(s.form.keyPress({txtFreq, 1}, 97));
      }),
      Focus()},
     "0 | txtName"},
    {"ShowError shows the box then focuses it then writes the message",
     {ShowError("Something wrong"), Log(), Describe(txtError), Focus()},
     "Visible txtError, focus txtError, Text txtError | 5160 120 2295 285 'Something wrong' | "
     "txtError"},
    {"the message stays while the user types into it or drags the window",
     {ShowError(""), Describe(txtError), Mouse(1, 200, 200), Type(txtError, "scribble"),
      Describe(txtError)},
     "5160 120 2295 285 '' | 5160 120 2295 285 'scribble'"},
    {"the message goes when a box Tab a button or a spinner takes the focus",
     {ShowError("."), Do([](Session& s) { s.form.moveFocus(txtName); }), Shown(), ShowError("."),
      Tab(), Shown(), ShowError("."), Press(cmdAddState), Shown(), ShowError("."),
      Up({spnEnergyDegen, 0}), Shown()},
     Join(kInputMode, kInputMode, kInputMode, kInputMode)},
};
INSTANTIATE_TEST_SUITE_P(KeysAndErrors, Scenario, ::testing::ValuesIn(kKeysAndErrors),
                         CaseName<Case>);

// The answer box keeps margins of its own Left (120) to the right and below, where a box is left.
const Case kSizeAndPlace[] = {
    {"the answer box follows the client area",
     {Resize(10120, 8405, 10000, 8000), Window(), Describe(txtAns)},
     "10120 | 8405 | 10000 | 8000 | 2760 | 1515 | 120 4440 9760 3440 'Answer Box\r\n' hidden "
     "locked"},
    {"a height that leaves no box keeps the box's height",
     {Resize(8715, 4965, 8595, 4560), Describe(txtAns)},
     "120 4440 8355 1755 'Answer Box\r\n' hidden locked"},
    {"a width that leaves no box keeps the box's width",
     {Resize(360, 8405, 240, 8000), Describe(txtAns)},
     "120 4440 8355 3440 'Answer Box\r\n' hidden locked"},
    {"dragging moves nothing while either axis moves 50 twips or less",
     {Mouse(0, 500, 500), Do([](Session& s) {
          for (int x = 510; x <= 1500; x += 10) s.form.mouseMove(1, 0, x, x % 20 ? 550 : 450);
      }),
      Mouse(0, 1000, 1000), Mouse(1, 1100, 1050), Mouse(1, 1050, 1100), Window(), Log()},
     "8715 | 6720 | 8595 | 6315 | 2760 | 1515 | "},
    {"the window follows the pointer from where the button went down",
     {Mouse(0, 1000, 1000), Mouse(1, 1100, 1100), Window(), Log(), Mouse(1, 1200, 1200), Window()},
     "8715 | 6720 | 8595 | 6315 | 2860 | 1615 | window Position | "
     "8715 | 6720 | 8595 | 6315 | 3060 | 1815"},
    {"a button held on the first movement drags from the origin",
     {Mouse(1, 60, 70), Window()},
     "8715 | 6720 | 8595 | 6315 | 2820 | 1585"},
    {"the user's own move is kept without notice",
     {Do([](Session& s) { s.form.userMoved(100, 200); }), Window(), Log()},
     "8715 | 6720 | 8595 | 6315 | 100 | 200 | "},
};
INSTANTIATE_TEST_SUITE_P(SizeAndPlace, Scenario, ::testing::ValuesIn(kSizeAndPlace),
                         CaseName<Case>);

}  // namespace
}  // namespace moltherm::app::testing
