#pragma once

#include <array>

namespace moltherm::chem {

// One atom of a molecule's geometry, as read from a file or typed by the user. The mass is
// carried with the atom, not looked up, so that isotopes (D in HDO) and the masses a
// quantum-chemistry program itself used (ORCA's standard weights) stay what they were.
struct Atom {
    int element = 0;                          // atomic number
    std::array<double, 3> position{0, 0, 0};  // [Angstrom]
    double mass = 0;                          // [u]
};

}  // namespace moltherm::chem
