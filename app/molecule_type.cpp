// Atom count, linear/non-linear choice and symmetry number.
#include "app/frm_moltherm.h"
#include "app/number_box.h"
#include "app/spinner_rule.h"

namespace moltherm::app {
namespace {

using enum ControlName;

// The controls that exist for a molecule and not for an atom, in the order they are switched
// on, and off (the wavenumber box goes before its label then).
// clang-format off
constexpr ControlId kMoleculeControlsOn[] = {
    frmRotational, spnSigma, lblSigma, lblRotationalConst, {txtRotationalConst, 1}, txtSigma,
    frmVibrational, lblFreq, lblDegen, {txtFreq, 1}, {txtDegen, 1}, {spnDegen, 1}};
constexpr ControlId kMoleculeControlsOff[] = {
    frmRotational, spnSigma, lblSigma, lblRotationalConst, {txtRotationalConst, 1}, txtSigma,
    frmVibrational, {txtFreq, 1}, lblFreq, lblDegen, {txtDegen, 1}, {spnDegen, 1}};
// clang-format on

constexpr int kMaxSigma = 32767;  // the symmetry number is stored in 16 bits
constexpr int kRotationalPitch = 350;

}  // namespace

void frmMoltherm::spnN_Change() {
    ApplySpinnerStep(
        control(txtN).text, control(spnN).value, [this] { DecreaseAtomCount(); },
        [this] { IncreaseAtomCount(); });
}

void frmMoltherm::IncreaseAtomCount() {
    auto n = BoxNumber(control(txtN).text);
    // Past this count 3N - 5 modes no longer fit 16 bits: the step is refused.
    if (!n || *n >= kMaxAtoms) return;
    if (*n == 1) {
        for (const ControlId& id : kMoleculeControlsOn) setEnabled(id, true);
        selectOption(optLinear);
        setEnabled(optLinear, true);
        setEnabled(optNonlinear, false);
    }
    n = BoxNumber(control(txtN).text);
    if (n && *n == 2) setEnabled(optNonlinear, true);
    n = BoxNumber(control(txtN).text);
    if (!n) return;
    setText(txtN, NumberText(*n + 1));
    RebuildVibrationRows();
}

void frmMoltherm::DecreaseAtomCount() {
    auto n = BoxNumber(control(txtN).text);
    if (!n) return;
    if (*n >= 2) {
        setText(txtN, NumberText(*n - 1));
        RebuildVibrationRows();
    }
    n = BoxNumber(control(txtN).text);
    if (n && *n == 2) {
        selectOption(optLinear);
        setEnabled(optNonlinear, false);
    }
    n = BoxNumber(control(txtN).text);
    if (n && *n == 1) {
        for (const ControlId& id : kMoleculeControlsOff) setEnabled(id, false);
        selectOption(optLinear);
        setEnabled(optLinear, false);
        setEnabled(optNonlinear, false);
    }
}

void frmMoltherm::optNonlinear_Click() {
    if (molType_ != "linear") return;
    for (int k : {2, 3}) appendRow({{txtRotationalConst}}, k, kRotationalPitch);
    setHeight(frmRotational, 2200);
    molType_ = "nonlinear";
    RebuildVibrationRows();
}

void frmMoltherm::optLinear_Click() {
    if (molType_ == "linear") return;
    unloadElement({txtRotationalConst, 2});
    unloadElement({txtRotationalConst, 3});
    setHeight(frmRotational, 1575);
    molType_ = "linear";
    RebuildVibrationRows();
}

void frmMoltherm::spnSigma_Change() {
    ApplySpinnerStep(
        control(txtSigma).text, control(spnSigma).value, [this] { DecreaseSigma(); },
        [this] { IncreaseSigma(); });
}

void frmMoltherm::IncreaseSigma() {
    const auto sigma = BoxNumber(control(txtSigma).text);
    if (!sigma || *sigma >= kMaxSigma) return;
    // A linear molecule has a symmetry number of 1 or 2: it is not stepped up past 2.
    if (*sigma != 2 || control(optNonlinear).selected) setText(txtSigma, NumberText(*sigma + 1));
}

void frmMoltherm::DecreaseSigma() {
    const auto sigma = BoxNumber(control(txtSigma).text);
    if (sigma && *sigma > 1) setText(txtSigma, NumberText(*sigma - 1));
}

}  // namespace moltherm::app
