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
};

// What both texts say of a fit in comments, one line each, without the comment mark: the
// largest deviations of each range and where H(298.15 K) comes from.
std::vector<std::string> Nasa7Notes(const Nasa7Species& species);

// A number in its shortest form that reads back as the same double: "200", "298.15", "1e+05".
std::string ShortestNumber(double value);

}  // namespace moltherm
