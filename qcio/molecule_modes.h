#pragma once

#include <vector>

#include "qcio/qc_result.h"
#include "qcio/result.h"

namespace moltherm::qcio {

// What becomes of imaginary modes (negative wavenumbers): a file with any is refused, or they are
// left out (a transition state keeps 3N-7 modes), or their sign is dropped.
enum class ImaginaryModes { Refuse, Drop, Invert };

// One row of vibrational input: a wavenumber [1/cm] and how many modes were printed with it.
struct ModeRow {
    double wavenumber = 0;
    int degeneracy = 1;
};

struct MoleculeModes {
    std::vector<ModeRow> rows;  // in the file's order; degeneracies add up to the mode count
    int droppedImaginary = 0;   // imaginary modes left out under ImaginaryModes::Drop
};

// The vibrational modes of a molecule from what its file printed. Where the program printed all 3N
// wavenumbers, the 6 (linear: 5) nearest zero are the translations and rotations and go; the rest
// must then number 3N-6 (3N-5). Wavenumbers printed identically become one row with their count
// as degeneracy; different ones stay apart, however close. The messages say what was found and
// name no file.
Result<MoleculeModes> ModesOf(const QcResult& result, bool linear,
                              ImaginaryModes imaginary = ImaginaryModes::Refuse);

// Wavenumbers up to this size [1/cm] count as translations or rotations where a program prints all
// 3N; a real mode that low would be a nearly free rotor.
inline constexpr double kNearZeroWavenumber = 50;

}  // namespace moltherm::qcio
