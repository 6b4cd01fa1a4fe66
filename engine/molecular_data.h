#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace moltherm {

// One calculation's input, as stored by the calculate command and read by the engine.
// Arrays keep the window's indexing: vibFreq[1..nModes] (element 0 unused),
// elecEnergy[0..lastLevel].
struct MolecularData {
    std::int16_t nAtoms = 1;
    double temperature = 0;  // [K]
    double molarMass = 0;    // [g/mol]
    std::int16_t sigma = 1;
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

// One column of the results grid. Energies [J/mol], S and Cp [J/(K mol)], q per molecule.
struct Contribution {
    double q = 0;
    double u = 0;
    double s = 0;
    double cp = 0;
    double h = 0;
    double a = 0;
    double g = 0;
};

struct ThermoResults {
    Contribution trans;
    Contribution rot;
    Contribution vib;
    Contribution elec;
    Contribution total;
    double kT = 0;  // [J]
    double RT = 0;  // [J/mol]
};

}  // namespace moltherm
