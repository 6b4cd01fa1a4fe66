#pragma once

#include <span>
#include <string>

#include "chem/atom.h"

namespace moltherm::chem {

struct PointGroup {
    std::string name;  // Schoenflies symbol: "C2v", "D3d", "Td", "C∞v", "D∞h"; "Kh" (atom)
    int symmetryNumber = 1;  // sigma: the number of proper rotations (D∞h 2; C∞v and atoms 1)
    int order = 0;           // number of operations; 0 for the infinite groups
};

// An operation is accepted when, least-squares fitted to all atoms, it moves none farther than
// this [Angstrom] from its partner. Outputs optimised without symmetry scatter by more than
// 1e-3 Angstrom (Gaussian's neopentane: 1.5e-3), rounding to 4 decimals by less than 2e-4; a
// distortion that chemists mean is 0.05 Angstrom or more. Because each operation is fitted, an
// error in its axis does not grow with the size of the molecule, and the tolerance need not.
inline constexpr double kSymmetryTolerance = 0.01;

// The point group of a geometry, found from positions, elements and masses alone; atoms are
// equivalent only if element and mass agree (HDO is Cs). A molecule that is non-linear by
// ShapeOf but lies within the tolerance of a line (HCCH bent by 0.5 degrees) is judged with the
// tolerance narrowed to a quarter of its largest distance from that line, so that its bend counts.
// Positions that are not finite numbers give C1.
PointGroup PerceivePointGroup(std::span<const Atom> atoms, double tolerance = kSymmetryTolerance);

}  // namespace moltherm::chem
