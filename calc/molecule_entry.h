#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/calc_input.h"
#include "chem/atom.h"

namespace moltherm {

// One molecule of a file as the window would hold it: the texts of its boxes and its row and
// level counts, with what a file carries beyond the boxes. Whole numbers (atoms, symmetry
// number, degeneracies) are written as the window's spinners write them, so "2.0" in a file
// shows as "2" in the summary.
struct MoleculeEntry {
    std::optional<std::string> name;  // as given, when given as a string
    std::string label;                // how messages name it: its name or "molecule N"
    CalcInputTexts texts;             // all but the temperature, which the run supplies
    std::int16_t nModes = 0;
    std::int16_t lastLevel = 0;
    // Imaginary modes left out of a transition state: its modes add up to 3N-6 (3N-5) less this.
    int droppedImaginary = 0;
    std::optional<std::string> formula;           // as given, or the geometry's Hill formula
    std::optional<std::string> source;            // where the numbers came from
    std::vector<chem::Atom> geometry;             // [Angstrom, u]; empty when not given
    std::optional<double> enthalpyOfFormation;    // at 298.15 K [kJ/mol]
    std::optional<double> frequencyScaleApplied;  // the factor the wavenumbers already carry
    // Where given values differ from the geometry's (the given ones are used).
    std::vector<std::string> warnings;
};

// The groups of boxes in the order of the window's checks (the atom count and shape, which the
// window's controls always hold right, between the name and the temperature).
enum class CheckGroup {
    kName,
    kMoleculeType,
    kTemperature,
    kMolarMass,
    kLevels,
    kSigma,
    kRotation,
    kVibrations
};

// What the window's boxes cannot express ("field: reason"), and where it stands among the
// window's checks: before the checks of its group or after them. The entry then holds the boxes
// up to that point, so that the window's own message wins when it refuses one of those first.
struct MoleculeProblem {
    CheckGroup group = CheckGroup::kName;
    bool afterGroup = false;
    std::string message;
};

struct MoleculeRead {
    MoleculeEntry entry;
    std::optional<MoleculeProblem> problem;
};

}  // namespace moltherm
