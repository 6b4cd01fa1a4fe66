// Atom count, linear/non-linear choice and symmetry number.
#include "app/frm_moltherm.h"
#include "app/number_box.h"
#include "app/spinner_rule.h"

namespace moltherm::app {
namespace {

// The controls that exist for a molecule and not for an atom, in the order they are switched.
constexpr const char* kMoleculeControlsOn[] = {
    "frmRotational",      "spnSigma", "lblSigma",       "lblRotationalConst",
    "txtRotationalConst", "txtSigma", "frmVibrational", "lblFreq",
    "lblDegen",           "txtFreq",  "txtDegen",       "spnDegen"};
constexpr const char* kMoleculeControlsOff[] = {"frmRotational",
                                                "spnSigma",
                                                "lblSigma",
                                                "lblRotationalConst",
                                                "txtRotationalConst",
                                                "txtSigma",
                                                "frmVibrational",
                                                "txtFreq",
                                                "lblFreq",
                                                "lblDegen",
                                                "txtDegen",
                                                "spnDegen"};

// The first row of each array (the vibrational and rotational arrays start at element 1).
int FirstElement(std::string_view name) {
    const bool isArray = name == "txtRotationalConst" || name == "txtFreq" || name == "txtDegen" ||
                         name == "spnDegen";
    return isArray ? 1 : -1;
}

constexpr int kMaxSigma = 32767;  // the symmetry number is stored in 16 bits

}  // namespace

void frmMoltherm::spnN_Change() {
    switch (SpinnerStep(control("txtN").text, control("spnN").value)) {
        case StepDirection::Down:
            DecreaseAtomCount();
            break;
        case StepDirection::Up:
            IncreaseAtomCount();
            break;
        case StepDirection::None:
            break;
    }
}

void frmMoltherm::IncreaseAtomCount() {
    const ControlId box{"txtN"};
    auto n = BoxNumber(control("txtN").text);
    // Past this count 3N - 5 modes no longer fit 16 bits: the step is refused.
    if (!n || *n >= kMaxAtoms) return;
    if (*n == 1) {
        for (const char* name : kMoleculeControlsOn)
            setEnabled(ControlId{name, FirstElement(name)}, true);
        selectOption("optLinear");
        setEnabled(ControlId{"optLinear"}, true);
        setEnabled(ControlId{"optNonlinear"}, false);
    }
    n = BoxNumber(control("txtN").text);
    if (n && *n == 2) setEnabled(ControlId{"optNonlinear"}, true);
    n = BoxNumber(control("txtN").text);
    if (!n) return;
    setText(box, NumberText(*n + 1));
    RebuildVibrationRows();
}

void frmMoltherm::DecreaseAtomCount() {
    const ControlId box{"txtN"};
    auto n = BoxNumber(control("txtN").text);
    if (!n) return;
    if (*n >= 2) {
        setText(box, NumberText(*n - 1));
        RebuildVibrationRows();
    }
    n = BoxNumber(control("txtN").text);
    if (n && *n == 2) {
        selectOption("optLinear");
        setEnabled(ControlId{"optNonlinear"}, false);
    }
    n = BoxNumber(control("txtN").text);
    if (n && *n == 1) {
        for (const char* name : kMoleculeControlsOff)
            setEnabled(ControlId{name, FirstElement(name)}, false);
        selectOption("optLinear");
        setEnabled(ControlId{"optLinear"}, false);
        setEnabled(ControlId{"optNonlinear"}, false);
    }
}

void frmMoltherm::optNonlinear_Click() {
    if (molType_ != "linear") return;
    const std::int32_t firstTop = control("txtRotationalConst", 1).top;
    for (int k : {2, 3}) {
        loadElement("txtRotationalConst", k);
        const ControlId id{"txtRotationalConst", k};
        setVisible(id, true);
        setTop(id, firstTop + 350 * (k - 1));
    }
    setHeight(ControlId{"frmRotational"}, 2200);
    molType_ = "nonlinear";
    RebuildVibrationRows();
}

void frmMoltherm::optLinear_Click() {
    if (molType_ == "linear") return;
    unloadElement("txtRotationalConst", 2);
    unloadElement("txtRotationalConst", 3);
    setHeight(ControlId{"frmRotational"}, 1575);
    molType_ = "linear";
    RebuildVibrationRows();
}

void frmMoltherm::spnSigma_Change() {
    switch (SpinnerStep(control("txtSigma").text, control("spnSigma").value)) {
        case StepDirection::Down:
            DecreaseSigma();
            break;
        case StepDirection::Up:
            IncreaseSigma();
            break;
        case StepDirection::None:
            break;
    }
}

void frmMoltherm::IncreaseSigma() {
    const auto sigma = BoxNumber(control("txtSigma").text);
    if (!sigma || *sigma >= kMaxSigma) return;
    // A linear molecule has a symmetry number of 1 or 2: it is not stepped up past 2.
    if (*sigma != 2 || control("optNonlinear").selected)
        setText(ControlId{"txtSigma"}, NumberText(*sigma + 1));
}

void frmMoltherm::DecreaseSigma() {
    const auto sigma = BoxNumber(control("txtSigma").text);
    if (sigma && *sigma > 1) setText(ControlId{"txtSigma"}, NumberText(*sigma - 1));
}

}  // namespace moltherm::app
