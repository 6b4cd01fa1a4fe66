#pragma once

#include <cstddef>

#include "cli/json_node.h"
#include "cli/molecule_entry.h"

namespace moltherm::cli {

inline constexpr int kMaxAtoms = 10924;        // 3N-5 modes still fit a 16-bit row count
inline constexpr int kMaxWholeNumber = 32767;  // symmetry number and degeneracies: 16 bits
inline constexpr std::size_t kMaxListEntries = 32767;

// Turns the JSON value of the molecule at `position` (from 1) into the window's texts, checking
// everything the window's controls would never let through: unknown or repeated keys, values of
// the wrong JSON type, counts out of range, degeneracies that do not add up to 3N-5 or 3N-6,
// a ground level off 0. What the window checks itself is left to ReadCalcInput, so that those
// messages and their order stay the window's.
MoleculeRead ReadMolecule(const JsonNode& node, std::size_t position);

}  // namespace moltherm::cli
