#include "app/design_controls.h"

#include <cstddef>
#include <iterator>

namespace moltherm::app {
namespace {

using K = ControlKind;
using enum ControlName;

constexpr std::optional<ControlName> kWindow = std::nullopt;

struct Row {
    ControlName name;
    int index;  // the element a control array is created with; -1 for a single control
    ControlKind kind;
    std::optional<ControlName> container;
    int left, top, width, height;
    const char* text;
    int tabIndex;
};

// One row per control, in the order of ControlName. Left, Top, Width, Height in twips; the
// initial states that differ from "visible, enabled, editable" are applied below.
constexpr Row kRows[] = {
    {lblTemp, -1, K::Label, kWindow, 120, 120, 1215, 255, "Temperature (K):", 28},
    {txtTemp, -1, K::TextBox, kWindow, 1320, 120, 855, 285, "298.15", 31},
    {cmdCalc, -1, K::CommandButton, kWindow, 2280, 120, 855, 255, "Calc", 13},
    {cmdNewData, -1, K::CommandButton, kWindow, 3240, 120, 855, 255, "New Data", 29},
    {cmdPrint, -1, K::CommandButton, kWindow, 4200, 120, 855, 255, "Print", 36},
    {txtError, -1, K::TextBox, kWindow, 5160, 120, 2295, 285, "Error Box", 34},
    {frmMolType, -1, K::Frame, kWindow, 120, 375, 4575, 1335, "", 0},
    {lblName, -1, K::Label, frmMolType, 120, 240, 1335, 255, "Name of Molecule:", 30},
    {txtName, -1, K::TextBox, frmMolType, 1560, 240, 2895, 285, "", 1},
    {lblMolarMass, -1, K::Label, frmMolType, 120, 600, 1455, 255, "Molar mass (g/mol):", 32},
    {txtMolarMass, -1, K::TextBox, frmMolType, 1560, 600, 1455, 285, "", 2},
    {lblN, -1, K::Label, frmMolType, 120, 960, 1335, 255, "Number of atoms:", 33},
    {txtN, -1, K::TextBox, frmMolType, 1560, 960, 375, 285, "1", 14},
    {spnN, -1, K::Spinner, frmMolType, 1920, 960, 255, 255, "", 3},
    {optLinear, -1, K::OptionButton, frmMolType, 3240, 550, 855, 375, "&Linear", 5},
    {optNonlinear, -1, K::OptionButton, frmMolType, 3240, 840, 1215, 375, "&Non-linear", 4},
    {frmRotational, -1, K::Frame, kWindow, 120, 1800, 2175, 1455, "Rotational", 15},
    {lblSigma, -1, K::Label, frmRotational, 120, 360, 1335, 255, "Symmetry Number:", 16},
    {txtSigma, -1, K::TextBox, frmRotational, 1440, 360, 375, 285, "1", 17},
    {spnSigma, -1, K::Spinner, frmRotational, 1800, 360, 255, 255, "", 6},
    {lblRotationalConst, -1, K::Label, frmRotational, 120, 720, 1935, 255,
     "Rotational Constant (1/cm)", 18},
    {txtRotationalConst, 1, K::TextBox, frmRotational, 120, 960, 1935, 285, "", 7},
    {frmVibrational, -1, K::Frame, kWindow, 2760, 1800, 2535, 1095, "Vibrational", 19},
    {lblFreq, -1, K::Label, frmVibrational, 120, 360, 1575, 255, "Wavenumber (1/cm)", 20},
    {lblDegen, -1, K::Label, frmVibrational, 1800, 360, 495, 255, "Degen", 21},
    {txtFreq, 1, K::TextBox, frmVibrational, 120, 600, 1575, 285, "", 8},
    {txtDegen, 1, K::TextBox, frmVibrational, 1800, 600, 375, 285, "1", 22},
    {spnDegen, 1, K::Spinner, frmVibrational, 2160, 600, 255, 255, "", 9},
    {frmElectronic, -1, K::Frame, kWindow, 5760, 1800, 2655, 1575, "Electronic", 23},
    {cmdAddState, -1, K::CommandButton, frmElectronic, 360, 360, 1095, 375, "Add State", 12},
    {cmdReset, -1, K::CommandButton, frmElectronic, 1800, 360, 615, 375, "Reset", 27},
    {lblEnergy, -1, K::Label, frmElectronic, 360, 840, 1095, 255, "Energy (1/cm)", 24},
    {lblEnergyDegen, -1, K::Label, frmElectronic, 1800, 840, 495, 255, "Degen", 25},
    {txtEnergy, 0, K::TextBox, frmElectronic, 120, 1080, 1455, 285, "0", 10},
    {txtEnergyDegen, 0, K::TextBox, frmElectronic, 1800, 1080, 375, 285, "1", 26},
    {spnEnergyDegen, 0, K::Spinner, frmElectronic, 2160, 1080, 255, 255, "", 11},
    {txtAns, -1, K::TextBox, kWindow, 120, 4440, 8295, 615, "Answer Box\r\n", 35},
};

// The table is indexed by the names: a row out of place does not compile.
constexpr bool OneRowPerNameInOrder() {
    if (std::size(kRows) != kControlNameCount) return false;
    for (std::size_t k = 0; k < std::size(kRows); ++k)
        if (kRows[k].name != static_cast<ControlName>(k)) return false;
    return true;
}
static_assert(OneRowPerNameInOrder());

}  // namespace

std::vector<Control> DesignControls() {
    std::vector<Control> controls;
    for (const Row& row : kRows) {
        controls.push_back(Control{.id = ControlId{row.name, row.index},
                                   .kind = row.kind,
                                   .container = row.container,
                                   .left = row.left,
                                   .top = row.top,
                                   .width = row.width,
                                   .height = row.height,
                                   .text = row.text,
                                   .tabIndex = row.tabIndex});
    }
    const auto named = [&controls](ControlName name) -> Control& {
        return controls[static_cast<std::size_t>(name)];
    };
    for (ControlName hidden : {cmdNewData, cmdPrint, txtError, txtAns})
        named(hidden).visible = false;
    // An atom at start: no molecule type, no rotation, no vibration.
    for (ControlName disabled :
         {optLinear, optNonlinear, frmRotational, lblSigma, txtSigma, lblRotationalConst,
          txtRotationalConst, frmVibrational, lblFreq, lblDegen, txtFreq, txtDegen})
        named(disabled).enabled = false;
    for (ControlName locked : {txtN, txtSigma, txtDegen, txtEnergy, txtEnergyDegen, txtAns})
        named(locked).locked = true;
    named(optLinear).selected = true;

    Control& error = named(txtError);
    error.backColor = Color{255, 255, 255};
    error.foreColor = Color{255, 0, 0};
    error.alignment = TextAlignment::Center;

    Control& answer = named(txtAns);
    answer.multiLine = true;
    answer.verticalScrollBar = true;
    answer.font = Font{"Courier New", 8.25, false};
    return controls;
}

}  // namespace moltherm::app
