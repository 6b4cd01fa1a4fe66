#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chem/atom.h"

namespace moltherm::qcio {

// What one quantum-chemistry output says about a molecule, as printed: no point group, constant
// or mode is derived here. Readers fill it; the molecule is built from it elsewhere.
struct QcResult {
    std::string program;  // "Gaussian", "ORCA", "xtb", "Psi4", "Molden"
    std::string version;  // as printed ("16 Rev A.03", "6.0.1"); empty when the file does not say
    // The geometry at which the frequencies were computed [Angstrom], with the masses the program
    // used where the file prints them, else those of the most abundant isotopes [u].
    std::vector<chem::Atom> atoms;
    // Every vibrational wavenumber printed, in the file's order, including the near-zero
    // translations and rotations where the program prints all 3N; imaginary ones negative [1/cm].
    std::vector<double> wavenumbers;
    int multiplicity = 1;
    std::optional<double> electronicEnergy;  // [hartree]
    std::optional<int> printedSigma;         // the rotational symmetry number the program used
    std::vector<double> printedRotConsts;  // [1/cm], non-zero ones only (one for a linear molecule)
    bool frequenciesScaled = false;        // the wavenumbers already carry a factor other than 1
    std::optional<double> scaleFactor;     // the factor the file prints, 1 included
};

}  // namespace moltherm::qcio
