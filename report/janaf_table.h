#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/reference_functions.h"

namespace moltherm {

// One temperature of a table.
struct JanafRow {
    std::string temperature;  // [K], the text as given
    double cp = 0;            // [J/(K mol)]
    double s = 0;             // [J/(K mol)]
    ReferenceFunctions reference;
};

struct JanafMolecule {
    std::string name;
    std::string formula;  // empty when not known
    std::vector<JanafRow> rows;
};

// Tables in the manner of thermochemical tables, one per molecule, an empty line between two.
// Each has three heading lines (the molecule with "standard state 1 bar, Tr = 298.15 K", naming
// `standardState` in place of "1 bar", the
// column titles, their units) and one row per temperature of exactly five numbers: T as given,
// Cp, S and -[G-H(Tr)]/T in J/(K mol), H-H(Tr) in kJ/mol, with three decimals. A heading line is
// never five numbers, so a script can pick the rows; line breaks and other control characters
// in a name become blanks.
std::string FormatJanafTables(const std::vector<JanafMolecule>& molecules, std::string_view eol,
                              std::string_view standardState = "1 bar");

}  // namespace moltherm
