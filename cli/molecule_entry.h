#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "calc/calc_input.h"

namespace moltherm::cli {

// One molecule of a file as the window would hold it: the texts of its boxes and its row and
// level counts. Whole numbers (atoms, symmetry number, degeneracies) are written as the
// window's spinners write them, so "2.0" in a file shows as "2" in the summary.
struct MoleculeEntry {
    std::optional<std::string> name;  // as given, when given as a string
    std::string label;                // how messages name it: its name or "molecule N"
    CalcInputTexts texts;             // all but the temperature, which the run supplies
    std::int16_t nModes = 0;
    std::int16_t lastLevel = 0;
};

// The molecule, or why the window could not hold it ("field: reason"), or the window's message
// for a box the window would refuse later, when ReadCalcInput reads it.
struct MoleculeRead {
    MoleculeEntry entry;
    std::optional<std::string> error;
};

}  // namespace moltherm::cli
