#pragma once

#include <span>
#include <string>

#include "chem/atom.h"

namespace moltherm::chem {

// The molecular formula in Hill order: with carbon, C first, then H, then the other elements
// alphabetically; without carbon, all alphabetically (HCl is "ClH", SF6 "F6S"). Counts of 1 are
// left out; isotopes count as their element (HDO is "H2O"). Unknown atomic numbers appear as
// "?".
std::string HillFormula(std::span<const Atom> atoms);

}  // namespace moltherm::chem
