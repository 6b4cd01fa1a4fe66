#include <gtest/gtest.h>

#include "form_fixture.h"

namespace moltherm::app::testing {
namespace {

class WindowTest : public FormTest {};

TEST_F(WindowTest, EnterMovesFromNameToMolarMassToAtomCount) {
    type("txtName", "HCl");
    EXPECT_EQ(form.keyPress(ControlId{"txtName"}, 13), 0);
    EXPECT_EQ(text("txtName"), "HCl");
    EXPECT_EQ(focusName(), "txtMolarMass");
    EXPECT_EQ(form.keyPress(ControlId{"txtMolarMass"}, 13), 0);
    EXPECT_EQ(focusName(), "txtN");
    EXPECT_EQ(form.keyPress(ControlId{"txtN"}, 13), 13);
    EXPECT_EQ(focusName(), "txtN");
    EXPECT_EQ(form.keyPress(ControlId{"txtTemp"}, 13), 13);
    EXPECT_EQ(focusName(), "txtTemp");
}

TEST_F(WindowTest, OtherKeysPassUnchanged) {
    EXPECT_EQ(form.keyPress(ControlId{"txtName"}, 'a'), 'a');
    EXPECT_EQ(form.keyPress(ControlId{"txtMolarMass"}, '9'), '9');
    EXPECT_EQ(focusName(), "txtMolarMass");
    // A box that takes no input swallows the key.
    EXPECT_EQ(form.keyPress(ControlId{"txtFreq", 1}, 'a'), 0);
}

TEST_F(WindowTest, ShowErrorShowsFocusesThenWritesTheMessage) {
    form.ShowError("Something wrong");
    EXPECT_EQ(observer.events,
              (std::vector<std::string>{"Visible txtError", "focus txtError", "Text txtError"}));
    EXPECT_TRUE(c("txtError").visible);
    EXPECT_EQ(text("txtError"), "Something wrong");
    EXPECT_EQ(focusName(), "txtError");
    form.ShowError("");
    EXPECT_EQ(text("txtError"), "");
    EXPECT_TRUE(c("txtError").visible);
}

TEST_F(WindowTest, TheMessageStaysUntilTheFocusLeavesTheErrorBox) {
    form.ShowError("Molecule must be named");
    // Labels, frames and the bare window take no focus.
    EXPECT_FALSE(form.moveFocus(ControlId{"lblName"}));
    EXPECT_FALSE(form.moveFocus(ControlId{"frmElectronic"}));
    form.mouseMove(1, 0, 200, 200);
    EXPECT_TRUE(c("txtError").visible);
    // The user may type into the box; the text is simply replaced later.
    type("txtError", "scribble");
    EXPECT_TRUE(c("txtError").visible);
    EXPECT_TRUE(form.moveFocus(ControlId{"txtName"}));
    EXPECT_FALSE(c("txtError").visible);
    EXPECT_EQ(focusName(), "txtName");
}

TEST_F(WindowTest, TabAndClicksAlsoHideTheErrorBox) {
    form.ShowError("one");
    ASSERT_TRUE(form.tabFocus());
    EXPECT_FALSE(c("txtError").visible);
    form.ShowError("two");
    press("cmdAddState");
    EXPECT_FALSE(c("txtError").visible);
    form.ShowError("three");
    up("spnEnergyDegen", 0);
    EXPECT_FALSE(c("txtError").visible);
}

TEST_F(WindowTest, TheAnswerBoxFollowsTheClientSize) {
    form.userResized(10120, 8405, 10000, 8000);
    EXPECT_EQ(form.scaleWidth(), 10000);
    EXPECT_EQ(form.height(), 8405);
    EXPECT_EQ(c("txtAns").height, 8000 - 4440 - 120);
    EXPECT_EQ(c("txtAns").width, 10000 - 240);
}

TEST_F(WindowTest, ASizeBelowTheMarginsLeavesThatDimensionAlone) {
    form.userResized(8715, 4965, 8595, 4560);  // 4560 = 4440 + 120: h would be 0
    EXPECT_EQ(c("txtAns").height, 1755);
    EXPECT_EQ(c("txtAns").width, 8355);
    form.userResized(360, 8405, 240, 8000);  // w would be 0
    EXPECT_EQ(c("txtAns").height, 3440);
    EXPECT_EQ(c("txtAns").width, 8355);
}

TEST_F(WindowTest, ANewFrameKeepsTheOuterSize) {
    form.setWindowFrame(WindowFrame{16, 500});
    EXPECT_EQ(form.height(), 6720);
    EXPECT_EQ(form.width(), 8715);
    EXPECT_EQ(form.scaleHeight(), 6220);
    EXPECT_EQ(form.scaleWidth(), 8699);
    EXPECT_EQ(c("txtAns").height, 6220 - 4560);
}

TEST_F(WindowTest, DraggingMovesOnlyBySteps50TwipsOrMoreAlongBothAxes) {
    const int left = form.left(), top = form.top();
    form.mouseMove(0, 0, 500, 500);
    for (int x = 510; x <= 1500; x += 10) form.mouseMove(1, 0, x, x % 20 ? 550 : 450);
    EXPECT_EQ(form.left(), left);
    EXPECT_EQ(form.top(), top);
    EXPECT_TRUE(observer.matching("window").empty());

    form.mouseMove(0, 0, 1000, 1000);
    form.mouseMove(1, 0, 1100, 1050);  // 50 down is not enough
    EXPECT_EQ(form.left(), left);
    form.mouseMove(1, 0, 1100, 1100);
    EXPECT_EQ(form.left(), left + 100);
    EXPECT_EQ(form.top(), top + 100);
    EXPECT_EQ(observer.matching("window"), std::vector<std::string>{"window Position"});
    // The reference point stays: the window follows the pointer while the button is held.
    EXPECT_EQ(form.lastMouseX(), 1000.0f);
    EXPECT_EQ(form.lastMouseY(), 1000.0f);
}

TEST_F(WindowTest, AButtonHeldOnTheFirstMovementDragsFromTheOrigin) {
    const int left = form.left(), top = form.top();
    form.mouseMove(1, 0, 60, 70);
    EXPECT_EQ(form.left(), left + 60);
    EXPECT_EQ(form.top(), top + 70);
}

TEST_F(WindowTest, TheUsersOwnMoveIsKeptWithoutNotice) {
    form.userMoved(100, 200);
    EXPECT_EQ(form.left(), 100);
    EXPECT_EQ(form.top(), 200);
    EXPECT_TRUE(observer.events.empty());
}

}  // namespace
}  // namespace moltherm::app::testing
