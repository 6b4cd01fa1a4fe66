// The electronic levels list and the fitting of the window's height to the frames.
#include <algorithm>
#include <cmath>

#include "app/frm_moltherm.h"
#include "app/number_box.h"
#include "app/spinner_rule.h"

namespace moltherm::app {
namespace {

using enum ControlName;

constexpr int kRowPitch = 350;
constexpr int kFrameHeightOneLevel = 1575;
// Title bar, borders and a margin below the lower frame.
constexpr float kWindowBelowFrames = 500;

}  // namespace

void frmMoltherm::cmdAddState_Click() {
    if (lastLevel_ >= kMaxLastLevel) return;  // the row index is a 16-bit number
    const int n = lastLevel_ + 1;
    lastLevel_ = static_cast<std::int16_t>(n);

    // The new degeneracy box and spinner keep what row 0's hold at this moment.
    appendRow(
        {{.array = txtEnergy, .text = "0", .unlocked = true}, {txtEnergyDegen}, {spnEnergyDegen}},
        n, kRowPitch);
    setHeight(frmElectronic, control(frmElectronic).height + kRowPitch);
    LayoutFrames();
}

void frmMoltherm::cmdReset_Click() {
    const int m = lastLevel_;
    for (i_ = 1; i_ <= m; ++i_)
        for (ControlName array : {txtEnergy, txtEnergyDegen, spnEnergyDegen})
            unloadElement({array, i_});
    setHeight(frmElectronic, kFrameHeightOneLevel);
    LayoutFrames();
    setText({txtEnergy, 0}, "0");
    setText({txtEnergyDegen, 0}, "1");
    lastLevel_ = 0;
}

void frmMoltherm::spnEnergyDegen_Change(int Index) {
    ApplySpinnerStep(
        control({txtEnergyDegen, Index}).text, control({spnEnergyDegen, Index}).value,
        [this, Index] { DecreaseEnergyDegen(Index); },
        [this, Index] { IncreaseEnergyDegen(Index); });
}

void frmMoltherm::DecreaseEnergyDegen(int Index) {
    const auto degen = BoxNumber(control({txtEnergyDegen, Index}).text);
    if (!degen || *degen <= 1) return;
    setText({txtEnergyDegen, Index}, NumberText(*degen - 1));
}

void frmMoltherm::IncreaseEnergyDegen(int Index) {
    const auto degen = BoxNumber(control({txtEnergyDegen, Index}).text);
    if (!degen) return;
    setText({txtEnergyDegen, Index}, NumberText(*degen + 1));
}

// The window is as tall as at start-up, or taller when a frame needs it, but never past the
// 16-bit limit: rows below the window's bottom stay, and the view scrolls to them.
void frmMoltherm::LayoutFrames() {
    int h = startHeight_;
    for (ControlName name : {frmVibrational, frmElectronic}) {
        const Control& frame = control(name);
        const float bottom =
            static_cast<float>(frame.top) + static_cast<float>(frame.height) + kWindowBelowFrames;
        if (bottom > static_cast<float>(h)) h = static_cast<int>(std::nearbyint(bottom));
    }
    setWindowHeight(std::min(h, kMaxWindowHeight));
}

}  // namespace moltherm::app
