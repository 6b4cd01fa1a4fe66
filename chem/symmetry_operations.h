#pragma once

#include <array>
#include <span>
#include <vector>

#include "chem/atom.h"

namespace moltherm::chem {

// One point operation that carries a molecule onto itself, about its centre of mass.
struct SymmetryOperation {
    std::array<double, 9> matrix{};  // row-major orthogonal matrix acting on centred positions
    std::vector<int> image;          // atom i lands on atom image[i]
    bool proper = true;              // a rotation (det +1) rather than a reflection-rotation
};

// Every operation of a non-linear molecule (identity first): an orthogonal map, least-squares
// fitted to the permutation it induces, that moves no atom farther than `tolerance` [Angstrom]
// from an atom of the same element and mass. If borderline atoms make the found set fail to
// compose as a group, the tolerance is halved until it does.
std::vector<SymmetryOperation> FindSymmetryOperations(std::span<const Atom> atoms,
                                                      double tolerance);

// True when `matrix` (row-major, about the centre of mass) carries every atom to within
// `tolerance` [Angstrom] of a distinct atom of the same element and mass.
bool MapsOntoItself(std::span<const Atom> atoms, const std::array<double, 9>& matrix,
                    double tolerance);

}  // namespace moltherm::chem
