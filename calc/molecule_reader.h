#pragma once

#include <cstddef>
#include <string_view>

#include "calc/molecule_entry.h"
#include "calc/molecule_file.h"

namespace moltherm {

// Turns the molecule at `position` (from 1) of a molecule file into the window's boxes. What
// the boxes can express is left to the window's checks (a missing name, molar mass, rotational
// constant or vibration is an empty box); what they cannot is the problem: wrong JSON types,
// unknown or repeated keys, counts out of range, degeneracies beyond 3N-5 or 3N-6, a ground
// level off 0, a broken geometry. With a `geometry` ([{"element", "x", "y", "z" [Angstrom],
// "mass" [u], default the most abundant isotope}]), what is not given is derived from it (the
// atom count, molar mass, shape, symmetry number, rotational constants and formula); a given
// value that differs from the derived one by more than 1 % (or in sigma or shape) is used, with
// a warning.
MoleculeRead ReadMolecule(const Json& molecule, std::size_t position);

// Whether the window's message for the boxes read comes before the problem of the file.
bool WindowMessageFirst(std::string_view windowMessage, const MoleculeProblem& problem);

}  // namespace moltherm
