// The vibrational rows: one per distinct wavenumber, their degeneracies adding up to the
// molecule's 3N - 5 (linear) or 3N - 6 (non-linear) modes.
#include <cmath>

#include "app/frm_moltherm.h"
#include "app/number_box.h"
#include "app/spinner_rule.h"
#include "calc/number_text.h"

namespace moltherm::app {
namespace {

using enum ControlName;

constexpr int kRowPitch = 300;
constexpr int kFrameBelowLastRow = 450;

}  // namespace

std::optional<int> frmMoltherm::degeneracySum() const {
    int sum = 0;
    for (int row = 1; row <= nModes_; ++row) {
        const auto degen = BoxNumber(control({txtDegen, row}).text);
        if (!degen) return std::nullopt;
        sum += static_cast<int>(std::nearbyint(*degen));
    }
    return sum;
}

// Adds or removes one row at the end per pass, laying the window out after each, until the
// degeneracies add up to the target. Each pass is what one call did when the procedure called
// itself; the sum is carried from pass to pass instead of being added up afresh, since only the
// row just added or removed changes it.
void frmMoltherm::RebuildVibrationRows() {
    std::optional<int> carriedSum;
    for (;;) {
        const auto n = BoxNumber(control(txtN).text);
        if (!n || *n == 1) return;  // an atom keeps whatever rows it had
        // Row 1 changes here only in the first pass, before any sum is carried.
        if (*n == 2) setText({txtDegen, 1}, "1");
        if (!carriedSum) carriedSum = degeneracySum();
        if (!carriedSum) return;  // a box that holds no number: leave the rows alone
        i_ = nModes_ + 1;         // where the summing loop leaves the shared counter
        const auto modes = RoundToInt16(3 * *n - 5);
        if (!modes) return;
        const int target = *modes - (control(optNonlinear).selected ? 1 : 0);
        if (target == *carriedSum) return;

        if (target < *carriedSum) {
            if (nModes_ == 1) return;  // row 1 is never removed
            const int last = nModes_;
            *carriedSum -= static_cast<int>(
                std::nearbyint(BoxNumber(control({txtDegen, last}).text).value_or(0)));
            for (ControlName array : {txtFreq, txtDegen, spnDegen}) unloadElement({array, last});
            --nModes_;
        } else {
            ++nModes_;
            appendRow({{txtFreq, ""}, {txtDegen, "1"}, {spnDegen}}, nModes_, kRowPitch);
            *carriedSum += 1;
        }
        setHeight(frmVibrational, control({txtFreq, nModes_}).top + kFrameBelowLastRow);
        LayoutFrames();
    }
}

void frmMoltherm::spnDegen_Change(int Index) {
    ApplySpinnerStep(
        control({txtDegen, Index}).text, control({spnDegen, Index}).value,
        [this, Index] { DecreaseDegen(Index); }, [this, Index] { IncreaseDegen(Index); });
}

void frmMoltherm::IncreaseDegen(int index) {
    const auto degen = BoxNumber(control({txtDegen, index}).text);
    if (!degen) return;
    // The modes of one molecule are counted in 16 bits.
    const auto sum = degeneracySum();
    if (!sum || *sum + 1 > kMaxDegeneracySum) return;
    setText({txtDegen, index}, NumberText(*degen + 1));
    RebuildVibrationRows();
}

void frmMoltherm::DecreaseDegen(int index) {
    const auto degen = BoxNumber(control({txtDegen, index}).text);
    if (!degen || *degen <= 1) return;
    setText({txtDegen, index}, NumberText(*degen - 1));
    RebuildVibrationRows();
}

}  // namespace moltherm::app
