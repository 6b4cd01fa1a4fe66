#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/expected.h"
#include "report/nasa7_notes.h"

namespace moltherm {

// A Chemkin thermodynamic data section: "THERMO", the three temperatures TLOW TMID THIGH
// (3F10.3), one four-line entry per species, "END", with comment lines ("!") giving each fit's
// largest deviations and its H(298.15 K). An entry (columns counted from 1):
//   line 1  name 1-18, four (A2, I3) element pairs 25-44, "G" 45, TLOW 46-55, THIGH 56-65
//           (F10.3), TMID 66-73 (F8.3), "1" 80
//   line 2  high range a1-a5            five E15.8 fields, then the line number in column 80
//   line 3  high a6, a7, low a1-a3
//   line 4  low a4-a7
// Refused, with the message to show: a name that is not 1 to 18 printable characters without
// blanks, more than four elements or more than 999 atoms of one, and a number that does not fit
// its field.
Expected<std::string, std::string> FormatChemkinThermo(const std::vector<Nasa7Species>& species,
                                                       const Nasa7Temperatures& temperatures,
                                                       std::string_view eol);

}  // namespace moltherm
