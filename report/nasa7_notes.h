#pragma once

#include <string>
#include <vector>

#include "engine/nasa7.h"
#include "report/formula.h"

namespace moltherm {

// One molecule's fit, as the NASA-7 texts (Chemkin, Cantera) write it.
struct Nasa7Species {
    std::string name;
    Formula formula;
    Nasa7Fit fit;
    // The thermochemistry options of the fit, as the report's summary states them
    // ("Frequencies scaled by 0.96.").
    std::vector<std::string> optionLines = {};
};

// What both texts say of a fit in comments, one line each, without the comment mark: the
// largest deviations of each range, where H(298.15 K) comes from, the options.
std::vector<std::string> Nasa7Notes(const Nasa7Species& species);

// A number in its shortest form that reads back as the same double: "200", "298.15", "1e+05".
std::string ShortestNumber(double value);

}  // namespace moltherm
