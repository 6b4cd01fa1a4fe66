#pragma once

#include <string_view>

namespace moltherm::chem {

// One chemical element with the two masses a molecule may be built from.
struct Element {
    int number;               // atomic number
    std::string_view symbol;  // "H", "Cl"
    double isotopeMass;       // [u] most abundant isotope (longest-lived for Tc, Pm, Po-Ac)
    double standardWeight;    // [u] conventional standard atomic weight (mass number if none)
};

// The element of a symbol in any letter case ("CL", "cl", "Cl"); nullptr if there is none.
const Element* ElementBySymbol(std::string_view symbol);

// The element of an atomic number, H (1) to U (92); nullptr outside.
const Element* ElementByNumber(int number);

}  // namespace moltherm::chem
