#pragma once

#include <string_view>

#include "qcio/qc_result.h"
#include "qcio/result.h"

namespace moltherm::qcio {

// An ORCA output (.out), versions 4 to 6. The frequencies are those of the last
// "VIBRATIONAL FREQUENCIES" block, all 3N of them with the six (five) zeros; the geometry and
// masses come from the last "CARTESIAN COORDINATES (A.U.)" block before it, where ORCA prints
// the masses it computed with.
Result<QcResult> ReadOrcaOutput(std::string_view text, std::string_view fileName);

// An ORCA Hessian file (.hess): $vibrational_frequencies, $atoms (masses, bohr) and, where
// written, $multiplicity, $act_energy and $frequency_scale_factor.
Result<QcResult> ReadOrcaHessian(std::string_view text, std::string_view fileName);

}  // namespace moltherm::qcio
