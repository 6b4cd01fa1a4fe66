#include <gtest/gtest.h>

#include "form_fixture.h"

namespace moltherm::app::testing {
namespace {

using K = ControlKind;

struct Expected {
    const char* name;
    int index;
    ControlKind kind;
    const char* container;
    int left, top, width, height;
    const char* text;
    bool visible, enabled, locked;
    int tab;
};

// The window as it opens, before its first display resizes the answer box.
const Expected kDesign[] = {
    {"lblTemp", -1, K::Label, "", 120, 120, 1215, 255, "Temperature (K):", 1, 1, 0, 28},
    {"txtTemp", -1, K::TextBox, "", 1320, 120, 855, 285, "298.15", 1, 1, 0, 31},
    {"cmdCalc", -1, K::CommandButton, "", 2280, 120, 855, 255, "Calc", 1, 1, 0, 13},
    {"cmdNewData", -1, K::CommandButton, "", 3240, 120, 855, 255, "New Data", 0, 1, 0, 29},
    {"cmdPrint", -1, K::CommandButton, "", 4200, 120, 855, 255, "Print", 0, 1, 0, 36},
    {"txtError", -1, K::TextBox, "", 5160, 120, 2295, 285, "Error Box", 0, 1, 0, 34},
    {"frmMolType", -1, K::Frame, "", 120, 375, 4575, 1335, "", 1, 1, 0, 0},
    {"lblName", -1, K::Label, "frmMolType", 120, 240, 1335, 255, "Name of Molecule:", 1, 1, 0, 30},
    {"txtName", -1, K::TextBox, "frmMolType", 1560, 240, 2895, 285, "", 1, 1, 0, 1},
    {"lblMolarMass", -1, K::Label, "frmMolType", 120, 600, 1455, 255, "Molar mass (g/mol):", 1, 1,
     0, 32},
    {"txtMolarMass", -1, K::TextBox, "frmMolType", 1560, 600, 1455, 285, "", 1, 1, 0, 2},
    {"lblN", -1, K::Label, "frmMolType", 120, 960, 1335, 255, "Number of atoms:", 1, 1, 0, 33},
    {"txtN", -1, K::TextBox, "frmMolType", 1560, 960, 375, 285, "1", 1, 1, 1, 14},
    {"spnN", -1, K::Spinner, "frmMolType", 1920, 960, 255, 255, "", 1, 1, 0, 3},
    {"optLinear", -1, K::OptionButton, "frmMolType", 3240, 550, 855, 375, "&Linear", 1, 0, 0, 5},
    {"optNonlinear", -1, K::OptionButton, "frmMolType", 3240, 840, 1215, 375, "&Non-linear", 1, 0,
     0, 4},
    {"frmRotational", -1, K::Frame, "", 120, 1800, 2175, 1455, "Rotational", 1, 0, 0, 15},
    {"lblSigma", -1, K::Label, "frmRotational", 120, 360, 1335, 255, "Symmetry Number:", 1, 0, 0,
     16},
    {"txtSigma", -1, K::TextBox, "frmRotational", 1440, 360, 375, 285, "1", 1, 0, 1, 17},
    {"spnSigma", -1, K::Spinner, "frmRotational", 1800, 360, 255, 255, "", 1, 1, 0, 6},
    {"lblRotationalConst", -1, K::Label, "frmRotational", 120, 720, 1935, 255,
     "Rotational Constant (1/cm)", 1, 0, 0, 18},
    {"txtRotationalConst", 1, K::TextBox, "frmRotational", 120, 960, 1935, 285, "", 1, 0, 0, 7},
    {"frmVibrational", -1, K::Frame, "", 2760, 1800, 2535, 1095, "Vibrational", 1, 0, 0, 19},
    {"lblFreq", -1, K::Label, "frmVibrational", 120, 360, 1575, 255, "Wavenumber (1/cm)", 1, 0, 0,
     20},
    {"lblDegen", -1, K::Label, "frmVibrational", 1800, 360, 495, 255, "Degen", 1, 0, 0, 21},
    {"txtFreq", 1, K::TextBox, "frmVibrational", 120, 600, 1575, 285, "", 1, 0, 0, 8},
    {"txtDegen", 1, K::TextBox, "frmVibrational", 1800, 600, 375, 285, "1", 1, 0, 1, 22},
    {"spnDegen", 1, K::Spinner, "frmVibrational", 2160, 600, 255, 255, "", 1, 1, 0, 9},
    {"frmElectronic", -1, K::Frame, "", 5760, 1800, 2655, 1575, "Electronic", 1, 1, 0, 23},
    {"cmdAddState", -1, K::CommandButton, "frmElectronic", 360, 360, 1095, 375, "Add State", 1, 1,
     0, 12},
    {"cmdReset", -1, K::CommandButton, "frmElectronic", 1800, 360, 615, 375, "Reset", 1, 1, 0, 27},
    {"lblEnergy", -1, K::Label, "frmElectronic", 360, 840, 1095, 255, "Energy (1/cm)", 1, 1, 0, 24},
    {"lblEnergyDegen", -1, K::Label, "frmElectronic", 1800, 840, 495, 255, "Degen", 1, 1, 0, 25},
    {"txtEnergy", 0, K::TextBox, "frmElectronic", 120, 1080, 1455, 285, "0", 1, 1, 1, 10},
    {"txtEnergyDegen", 0, K::TextBox, "frmElectronic", 1800, 1080, 375, 285, "1", 1, 1, 1, 26},
    {"spnEnergyDegen", 0, K::Spinner, "frmElectronic", 2160, 1080, 255, 255, "", 1, 1, 0, 11},
    {"txtAns", -1, K::TextBox, "", 120, 4440, 8295, 615, "Answer Box\r\n", 0, 1, 1, 35},
};

TEST(StartupTest, EveryControlOpensInItsDesignState) {
    FixedClock clock{"d", "t"};
    FakePrinter printer;
    frmMoltherm form{clock, printer};
    const auto all = form.controls();
    ASSERT_EQ(all.size(), std::size(kDesign));
    for (std::size_t k = 0; k < all.size(); ++k) {
        const Expected& e = kDesign[k];
        const Control& c = *all[k];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(c.id, (ControlId{e.name, e.index}));  // creation order
        EXPECT_EQ(form.find(e.name, e.index), &c);
        EXPECT_EQ(c.kind, e.kind);
        EXPECT_EQ(c.container, e.container);
        EXPECT_EQ(c.left, e.left);
        EXPECT_EQ(c.top, e.top);
        EXPECT_EQ(c.width, e.width);
        EXPECT_EQ(c.height, e.height);
        EXPECT_EQ(c.text, e.text);
        EXPECT_EQ(c.visible, e.visible);
        EXPECT_EQ(c.enabled, e.enabled);
        EXPECT_EQ(c.locked, e.locked);
        EXPECT_EQ(c.tabIndex, e.tab);
        if (c.kind == K::Spinner) {
            EXPECT_EQ(c.value, -1);
        }
        EXPECT_EQ(c.selected, std::string(e.name) == "optLinear");
        if (std::string(e.name) != "txtAns") {
            EXPECT_FALSE(c.font.has_value());
        }
    }
}

TEST(StartupTest, ErrorAndAnswerBoxesHaveTheirOwnLook) {
    FixedClock clock{"d", "t"};
    FakePrinter printer;
    frmMoltherm form{clock, printer};
    const Control& error = *form.find("txtError");
    EXPECT_EQ(error.backColor, (Color{255, 255, 255}));
    EXPECT_EQ(error.foreColor, (Color{255, 0, 0}));
    EXPECT_EQ(error.alignment, TextAlignment::Center);
    EXPECT_FALSE(error.multiLine);

    const Control& answer = *form.find("txtAns");
    EXPECT_EQ(answer.font, (Font{"Courier New", 8.25, false}));
    EXPECT_TRUE(answer.multiLine);
    EXPECT_TRUE(answer.verticalScrollBar);
    EXPECT_FALSE(answer.backColor.has_value());
}

TEST(StartupTest, FormLoadSetsTheFormLevelState) {
    FixedClock clock{"d", "t"};
    FakePrinter printer;
    frmMoltherm form{clock, printer};
    EXPECT_EQ(form.caption(), "Moltherm  v1.03");
    EXPECT_EQ(form.scaleWidth(), 8595);
    EXPECT_EQ(form.scaleHeight(), 6315);
    EXPECT_EQ(form.width(), 8715);
    EXPECT_EQ(form.height(), 6720);
    EXPECT_EQ(form.startHeight(), 6720);
    EXPECT_EQ(form.startScaleHeight(), 6315);
    // The client area at its design place (2820, 1860), inside the border and title bar.
    EXPECT_EQ(form.left(), 2820 - 60);
    EXPECT_EQ(form.top(), 1860 - 345);
    EXPECT_EQ(form.molType(), "linear");
    EXPECT_EQ(form.nModes(), 1);
    EXPECT_EQ(form.lastLevel(), 0);
    EXPECT_EQ(form.lastMouseX(), 0.0f);
    EXPECT_EQ(form.lastMouseY(), 0.0f);
    EXPECT_EQ(form.constants().pi, 3.14159265358979);
    EXPECT_EQ(form.constants().hcCm, 1.986447461038579e-23);
    EXPECT_EQ(form.focus(), nullptr);
}

TEST(StartupTest, OtherWindowFramesGiveOtherOuterSizes) {
    FixedClock clock{"d", "t"};
    FakePrinter printer;
    frmMoltherm form{clock, printer, WindowFrame{16, 600}};
    EXPECT_EQ(form.height(), 6915);
    EXPECT_EQ(form.startHeight(), 6915);
    EXPECT_EQ(form.startScaleHeight(), 6315);
    EXPECT_EQ(form.width(), 8611);
}

class ShownWindowTest : public FormTest {};

TEST_F(ShownWindowTest, FirstDisplayFitsTheAnswerBoxAndFocusesTheName) {
    EXPECT_EQ(c("txtAns").width, 8355);
    EXPECT_EQ(c("txtAns").height, 6315 - 4440 - 120);
    EXPECT_EQ(focusName(), "txtName");
}

TEST_F(ShownWindowTest, ControlsOfDisabledFramesTakeNoInputWhateverTheirOwnState) {
    EXPECT_TRUE(c("spnSigma").enabled);
    EXPECT_FALSE(form.takesInput(ControlId{"spnSigma"}));
    EXPECT_TRUE(c("spnDegen", 1).enabled);
    EXPECT_FALSE(form.takesInput(ControlId{"spnDegen", 1}));
    EXPECT_FALSE(form.spinUp(ControlId{"spnSigma"}));
    EXPECT_EQ(c("spnSigma").value, -1);
    EXPECT_FALSE(form.takesInput(ControlId{"optLinear"}));
    EXPECT_FALSE(form.chooseOption(ControlId{"optNonlinear"}));
    EXPECT_FALSE(form.accessKey('N'));
    EXPECT_TRUE(form.takesInput(ControlId{"spnEnergyDegen", 0}));
    EXPECT_TRUE(form.takesInput(ControlId{"txtEnergy", 0}));
    EXPECT_FALSE(form.takesInput(ControlId{"txtAns"}));
    EXPECT_FALSE(form.takesInput(ControlId{"noSuchControl"}));
    EXPECT_TRUE(observer.events.empty());
}

TEST_F(ShownWindowTest, LockedBoxesRefuseTypingButTheRestAcceptIt) {
    for (const char* locked : {"txtN"}) EXPECT_FALSE(form.typeText(ControlId{locked}, "5"));
    EXPECT_FALSE(form.typeText(ControlId{"txtEnergy", 0}, "5"));
    EXPECT_FALSE(form.typeText(ControlId{"txtEnergyDegen", 0}, "5"));
    EXPECT_EQ(text("txtN"), "1");
    EXPECT_EQ(text("txtEnergy", 0), "0");
    type("txtName", "Ar");
    type("txtTemp", "300");
    EXPECT_EQ(text("txtName"), "Ar");
    EXPECT_EQ(text("txtTemp"), "300");
}

TEST_F(ShownWindowTest, TabGoesThroughTheControlsThatTakeTheFocusInOrder) {
    std::vector<std::string> visited;
    for (int k = 0; k < 11; ++k) {
        ASSERT_TRUE(form.tabFocus());
        visited.push_back(focusName());
    }
    const std::vector<std::string> expected{
        "txtMolarMass", "spnN",    "txtEnergy(0)", "spnEnergyDegen(0)",
        "cmdAddState",  "cmdCalc", "txtN",         "txtEnergyDegen(0)",
        "cmdReset",     "txtTemp", "txtName"};
    EXPECT_EQ(visited, expected);
    ASSERT_TRUE(form.tabFocus(true));
    EXPECT_EQ(focusName(), "txtTemp");
}

}  // namespace
}  // namespace moltherm::app::testing
