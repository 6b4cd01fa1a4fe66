#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/expected.h"

namespace moltherm {

struct ElementCount {
    std::string symbol;  // a capital letter and an optional small one: "C", "Cl"
    int count = 0;
};

// A molecular formula as the element counts the thermochemistry formats list.
struct Formula {
    std::string text;                    // as written: "H2O"
    std::vector<ElementCount> elements;  // in order of first appearance, repeats summed
};

// The most atoms of one element a formula may count.
inline constexpr int kMaxElementCount = 10924;

// "C2H6", "ClH", "F6S", "CH3CH3" (two C, six H): element symbols, each followed by an optional
// count from 1 to kMaxElementCount. No blanks, brackets, charges or isotopes. A refusal is the
// message to show.
Expected<Formula, std::string> ParseFormula(std::string_view text);

}  // namespace moltherm
