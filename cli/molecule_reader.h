#pragma once

#include <cstddef>
#include <string_view>

#include "cli/json_reader.h"
#include "cli/molecule_entry.h"

namespace moltherm::cli {

inline constexpr int kMaxAtoms = 10924;        // 3N-5 modes still fit a 16-bit row count
inline constexpr int kMaxWholeNumber = 32767;  // symmetry number and degeneracies: 16 bits

// Turns the molecule at `position` (from 1) into the window's boxes. What the boxes can express
// is left to the window's checks (a missing name, molar mass, rotational constant or vibration
// is an empty box); what they cannot is the problem: wrong JSON types, unknown or repeated keys,
// counts out of range, degeneracies beyond 3N-5 or 3N-6, a ground level off 0.
MoleculeRead ReadMolecule(const Json& molecule, std::size_t position);

// Whether the window's message for the boxes read comes before the problem of the file.
bool WindowMessageFirst(std::string_view windowMessage, const MoleculeProblem& problem);

}  // namespace moltherm::cli
