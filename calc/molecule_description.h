#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/calc_input.h"
#include "chem/atom.h"
#include "engine/expected.h"
#include "engine/molecule.h"
#include "qcio/molecule_modes.h"
#include "qcio/qc_result.h"

namespace moltherm {

// A molecule as a file describes it: what the window's boxes hold, and what a file carries
// beyond them. Read from a molecule file or a quantum-chemistry output; written by "Save
// Molecule As" and `--format molecule`.
struct MoleculeDescription {
    std::string name;
    std::optional<std::string> formula;  // Hill order when derived from a geometry
    std::optional<std::string> source;   // where the numbers came from ("Gaussian 16 job.log")
    std::vector<chem::Atom> geometry;    // [Angstrom, u]; empty when not known
    int atoms = 1;
    double molarMass = 0;  // [g/mol]
    Shape shape = Shape::kLinear;
    int sigma = 1;
    std::array<double, 3> rotationalConstants{};  // [1/cm]; one used when linear
    std::vector<VibrationalMode> modes;           // rows; degeneracies add up to 3N-5 or 3N-6
    std::vector<ElectronicLevel> levels{ElectronicLevel{}};
    int droppedImaginary = 0;  // imaginary modes left out: a transition state has 3N-7 modes
    std::optional<double> frequencyScaleApplied;  // the factor the wavenumbers already carry
};

// What a geometry gives: molar mass, shape, rotational constants, the point group's sigma and
// the Hill formula.
struct GeometryFacts {
    double molarMass = 0;  // [g/mol]
    int atoms = 0;
    Shape shape = Shape::kLinear;
    std::array<double, 3> rotationalConstants{};  // [1/cm], A >= B >= C; one when linear
    std::string pointGroup;
    int sigma = 1;
    std::string formula;
};
GeometryFacts FactsOf(const std::vector<chem::Atom>& geometry);

// The molecule of a quantum-chemistry output, named `name`: everything but the modes from the
// geometry; the modes by the imaginary-mode policy; the ground level with the multiplicity as
// its degeneracy. Where the file's own sigma or rotational constants differ from the perceived
// ones, a line goes to `warnings` (the geometry wins).
Expected<MoleculeDescription, std::string> DescribeQcResult(const qcio::QcResult& result,
                                                            std::string name,
                                                            qcio::ImaginaryModes imaginary,
                                                            std::vector<std::string>& warnings);

// The molecule the texts of the boxes describe, read with the checks of "Calc" at 298.15 K (a
// molecule carries no temperature): the message "Calc" would give otherwise. `nModes` and
// `lastLevel` are the window's row and level counts.
Expected<MoleculeDescription, std::string> DescribeTexts(const PhysicalConstants& constants,
                                                         const CalcInputTexts& texts, int nModes,
                                                         int lastLevel);

// The texts the window's boxes show for a molecule: numbers as the shortest text that reads
// back to the same double, whole numbers as the spinners write them; the temperature is left
// empty. Rows are the description's rows.
CalcInputTexts TextsOf(const MoleculeDescription& molecule);

// A number as the shortest text that reads back to the same double ("0.96", "1e-20").
std::string ExactText(double value);

}  // namespace moltherm
