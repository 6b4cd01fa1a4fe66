#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "qcio/qc_result.h"
#include "qcio/result.h"

namespace moltherm::qcio {

// The text of a file that an output names ("coordinate file : dvb_ir.xyz"), looked up beside
// it; nothing when there is no such file or it cannot be read.
using CompanionReader = std::function<std::optional<std::string>(std::string_view name)>;

// An xtb output of a Hessian run (--hess or --ohess): the "projected vibrational frequencies",
// all 3N with the zeros. The geometry is the "final structure" the output prints after an
// optimisation, else the coordinate file it names (xyz in Angstrom or Turbomole coord in bohr).
Result<QcResult> ReadXtbOutput(std::string_view text, std::string_view fileName,
                               const CompanionReader& companions);

// A geometry file in xyz or Turbomole coord layout; nothing when it is neither.
std::optional<std::vector<chem::Atom>> ReadGeometryFile(std::string_view text);

}  // namespace moltherm::qcio
