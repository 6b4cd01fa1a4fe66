#pragma once

#include <string>
#include <vector>

#include "calc/sweep.h"

namespace moltherm {

// A number as CSV carries it: the shortest text that reads back as the same double.
std::string SweepNumberText(double value);

// The table as CSV: a header line "T [K],Cp translational [J/(K mol)],...", then one line per
// row; LF line ends.
std::string SweepCsv(const std::vector<SweepRow>& rows);

// The table for a fixed-pitch printout no wider than 80 characters: a block per part (its
// name, a header with units, then T and its five quantities with three decimals per row),
// the parts in table order, blank lines between them; LF line ends.
std::string SweepPrintedText(const std::vector<SweepRow>& rows);

}  // namespace moltherm
