#pragma once

#include <string>
#include <vector>

#include "engine/options.h"

namespace moltherm {

// The standard state as the summary names it: "1 bar", "1 atm", "50 kPa", "1 mol/L".
std::string StandardStateText(const StandardState& state);

// One summary line per option in force (none for the defaults), e.g. "Frequencies scaled by
// 0.96.", "Zero-point energy 53.880 kJ/mol included (factor 0.95)."; `zeroPointEnergy` [J/mol].
std::vector<std::string> OptionLines(const ThermoOptions& options, double zeroPointEnergy);

// The line of wavenumbers that came scaled: "Frequencies scaled by 0.97 in the file."
std::string PrescaledLine(double factor);

// A number as short as it reads back exactly: 0.96, 100000, 1e-05.
std::string ShortestText(double value);

}  // namespace moltherm
