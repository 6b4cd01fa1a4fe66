#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/nasa7_notes.h"

namespace moltherm {

// A Cantera YAML `species:` list, one entry per species:
//   - name: "H2O"
//     composition: {H: 2, O: 1}
//     thermo:
//       model: NASA7
//       temperature-ranges: [TLOW, TMID, THIGH]
//       reference-pressure: 1 bar
//       data:
//       - [low a1 .. a7]
//       - [high a1 .. a7]
//       note: "..."
// (low range first, unlike Chemkin), with comment lines ("#") giving each fit's largest
// deviations and its H(298.15 K). Numbers are written so that they read back as the same
// doubles; names and notes are double-quoted.
std::string FormatCanteraSpecies(const std::vector<Nasa7Species>& species, std::string_view eol);

}  // namespace moltherm
