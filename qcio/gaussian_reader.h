#pragma once

#include <string_view>

#include "qcio/qc_result.h"
#include "qcio/result.h"

namespace moltherm::qcio {

// A Gaussian .log/.out, or the g98.out that xtb writes in its layout. The frequencies are those
// of the last "Harmonic frequencies" block; the geometry, multiplicity and energy the last ones
// printed before it; masses, sigma and rotational constants those of its thermochemistry.
Result<QcResult> ReadGaussian(std::string_view text, std::string_view fileName);

}  // namespace moltherm::qcio
