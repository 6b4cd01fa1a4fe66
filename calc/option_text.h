#pragma once

#include <string>
#include <string_view>

#include "engine/expected.h"
#include "engine/options.h"

namespace moltherm {

// The texts of the thermochemistry options, as the command line and the options dialog take
// them. Each gives the value or a one-line message naming what is wrong.

// A pressure with its unit after the number: "1atm", "101325 Pa", "760torr", "50kPa", "1bar".
Expected<StandardState, std::string> ParsePressure(std::string_view text);
// A concentration in mol/L: "1M" or "1".
Expected<StandardState, std::string> ParseConcentration(std::string_view text);
// A frequency or zero-point scale factor F, 0 < F <= 2.
Expected<double, std::string> ParseScaleFactor(std::string_view what, std::string_view text);
// A wavenumber cutoff > 0 [1/cm].
Expected<double, std::string> ParseCutoff(std::string_view what, std::string_view text);

}  // namespace moltherm
