#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/constants.h"
#include "engine/molecular_data.h"

namespace moltherm {

// The texts of the data-entry boxes that one "Calc" reads, and the one choice.
struct CalcInputTexts {
    std::string name;
    std::string atomCount;
    std::string temperature;
    std::string molarMass;
    std::vector<std::string> energies;  // levels 0..lastLevel
    std::string sigma;
    bool nonlinear = false;
    std::array<std::string, 3> rotConsts;  // boxes 1..3; 2 and 3 are read only when non-linear
    std::vector<std::string> wavenumbers;  // rows 1..nModes
    // Read by the computation only; checked here so that a refused value never reaches it.
    std::vector<std::string> vibDegeneracies;   // rows 1..nModes
    std::vector<std::string> elecDegeneracies;  // levels 0..lastLevel
};

namespace messages {
inline constexpr const char* kUnnamed = "Molecule must be named";
inline constexpr const char* kNoTemperature = "No temperature entered";
inline constexpr const char* kNoMolarMass = "No molar mass entered";
inline constexpr const char* kInvalidMolarMass = "Invalid molar mass";
inline constexpr const char* kInvalidEnergy = "Invalid electronic energy";
inline constexpr const char* kInvalidRotConst = "Invalid rotational constant";
inline constexpr const char* kInvalidFrequency = "Invalid vibrational frequency";
inline constexpr const char* kInvalidAtomCount = "Invalid number of atoms";
inline constexpr const char* kInvalidSigma = "Invalid symmetry number";
}  // namespace messages

// Reads and checks the texts in the fixed order (name, temperature, molar mass, electronic
// energies, then for molecules the rotational constants and the wavenumbers), storing each field
// into `data` as it is read; a refused text leaves what was stored before it. The row and level
// counts are data.nModes and data.lastLevel. Returns the message of the first failure.
// Besides the negative values, zero temperature, rotational constants and wavenumbers are
// refused with their group's message, and so is any input whose results would not be finite,
// so that a successful read always computes.
std::optional<std::string> ReadCalcInput(const PhysicalConstants& c, const CalcInputTexts& in,
                                         MolecularData& data);

// The two temperature-independent coefficients of the stored data (rotCoef only for molecules).
void StoreCoefficients(const PhysicalConstants& c, bool nonlinear, MolecularData& data);

}  // namespace moltherm
