#pragma once

#include <span>
#include <string>
#include <vector>

namespace moltherm {

// What the summary header records of one calculation: stored values, and texts copied exactly
// as they stand in their boxes.
struct SummaryInput {
    std::string stamp;  // when it was computed: the window's "date  time", or the caller's text
    std::string name;
    int nAtoms = 1;
    bool linear = true;  // the linear option selected
    double molarMass = 0;
    std::string sigmaText;
    double rotConst1 = 0, rotConst2 = 0, rotConst3 = 0;
    std::span<const double> vibFreq;                // rows 1..nModes, as [0..nModes-1]
    std::span<const std::string> vibDegeneracies;   // rows 1..nModes
    std::span<const double> elecEnergy;             // levels 0..lastLevel
    std::span<const std::string> elecDegeneracies;  // levels 0..lastLevel
    std::string standardState = "1 bar";            // "All data for 1 mole at ..."
    std::vector<std::string> optionLines;           // one line per option in force, after it
};

// The summary header: heading with the time stamp, the molecule, molar mass, for molecules the
// symmetry number, rotational constants and vibrational rows, then the electronic levels and a
// closing empty line; every line ends in CR LF.
std::string FormatSummary(const SummaryInput& in);

}  // namespace moltherm
