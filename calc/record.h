#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/molecule.h"

namespace moltherm {

// The molecular data record of one calculation, as "Calc" stores it field by field and "New T"
// reads it: the window's own fields. Arrays keep the window's indexing: vibFreq[1..nModes]
// (element 0 unused), elecEnergy[0..lastLevel]. A refused "Calc" keeps what it stored before the
// refusal; an atom keeps the rotational fields and vibFreq of the molecule before it.
struct MolecularData {
    std::int16_t nAtoms = 1;
    double temperature = 0;  // [K]
    double molarMass = 0;    // [g/mol]
    std::int16_t sigma = 1;
    Shape shape = Shape::kLinear;
    double rotConst1 = 0;  // [1/cm]
    double rotConst2 = 0;  // [1/cm]
    double rotConst3 = 0;  // [1/cm]
    double transCoef = 0;  // [K^-2.5]: q_trans/N = transCoef * T^2.5
    double rotCoef = 0;    // [K^-rotExponent]: q_rot = rotCoef * T^rotExponent
    double rotExponent = 0;
    std::int16_t nModes = 1;
    std::vector<double> vibFreq = std::vector<double>(2, 0.0);  // [1/cm], 1-based
    std::int16_t lastLevel = 0;
    std::vector<double> elecEnergy = std::vector<double>(1, 0.0);  // [1/cm], 0-based
    std::string summaryText;
    std::string tableText;
};

}  // namespace moltherm
