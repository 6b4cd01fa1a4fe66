#pragma once

#include <string_view>

#include "qcio/qc_result.h"
#include "qcio/result.h"

namespace moltherm::qcio {

// A Molden file with [FREQ] (1/cm, imaginary negative) and [FR-COORD] (bohr). Molden files carry
// no masses or multiplicity: the most abundant isotopes and a singlet are assumed.
Result<QcResult> ReadMolden(std::string_view text, std::string_view fileName);

}  // namespace moltherm::qcio
