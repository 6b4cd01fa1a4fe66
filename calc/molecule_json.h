#pragma once

#include <string>
#include <string_view>

#include "calc/molecule_description.h"
#include "engine/expected.h"

namespace moltherm {

// One molecule of a molecule file, the command line's format: `name`, `molar_mass`, `atoms`,
// `shape` ("linear"/"nonlinear"), `symmetry_number`, `rotational_constants`, `vibrations`
// ([{"wavenumber", "degeneracy"}]) and `electronic_levels` ([{"energy", "degeneracy"}]), with
// `formula` and `source` kept when present. A file holding an array gives its only molecule.
// Whatever the text, the answer is a molecule or one line naming the field at fault.
Expected<MoleculeDescription, std::string> ReadMoleculeJson(std::string_view text);

// The molecule as a file the command line reads back to the same numbers: every number as the
// shortest text that reads back to the same double.
std::string WriteMoleculeJson(const MoleculeDescription& molecule);

}  // namespace moltherm
