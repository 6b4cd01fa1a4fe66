#pragma once

#include <string>

#include "calc/molecule_description.h"
#include "engine/constants.h"
#include "engine/expected.h"

namespace moltherm {

// The one molecule of a molecule file (the command line's format; a file holding an array gives
// its only molecule), read as the command line reads it and checked as "Calc" checks its boxes
// (at 298.15 K: a file carries no temperature). Whatever the text, the answer is a molecule or
// one line naming the field at fault.
Expected<MoleculeDescription, std::string> ReadMoleculeJson(const std::string& text,
                                                            const PhysicalConstants& constants);

// The molecule as one JSON object the command line reads back to the same numbers: every number
// as the shortest text that reads back to the same double, the geometry with its masses. Lines
// end with `eol`.
std::string WriteMoleculeJson(const MoleculeDescription& molecule, const char* eol = "\n");

}  // namespace moltherm
