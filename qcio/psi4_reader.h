#pragma once

#include <string_view>

#include "qcio/qc_result.h"
#include "qcio/result.h"

namespace moltherm::qcio {

// A Psi4 output (1.2 and later) of a frequency job. The frequencies are those of the last
// "Harmonic Vibrational Analysis"; for a finite-difference job the geometry is the reference one,
// the first printed after the displacements were generated, not the last displaced one.
Result<QcResult> ReadPsi4(std::string_view text, std::string_view fileName);

}  // namespace moltherm::qcio
