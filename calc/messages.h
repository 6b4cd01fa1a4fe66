#pragma once

#include <string>

#include "engine/thermo.h"

namespace moltherm::messages {

// The one-line messages of the calculation, as the window shows them.
inline constexpr const char* kUnnamed = "Molecule must be named";
inline constexpr const char* kNoTemperature = "No temperature entered";
inline constexpr const char* kInvalidTemperature = "Invalid Temperature";
inline constexpr const char* kNegativeTemperature = "Negative temperature";
inline constexpr const char* kNoMolarMass = "No molar mass entered";
inline constexpr const char* kInvalidMolarMass = "Invalid molar mass";
inline constexpr const char* kInvalidEnergy = "Invalid electronic energy";
inline constexpr const char* kInvalidRotConst = "Invalid rotational constant";
inline constexpr const char* kInvalidFrequency = "Invalid vibrational frequency";
inline constexpr const char* kInvalidAtomCount = "Invalid number of atoms";
inline constexpr const char* kInvalidSigma = "Invalid symmetry number";
inline constexpr const char* kInvalidDegeneracy = "Invalid degeneracy";

// Refuses a scale factor for wavenumbers that carry one already: "Frequencies already scaled
// by 0.97 in the file: no second factor".
std::string AlreadyScaled(double factor);

// The message of the input the engine found at fault.
const char* ForFault(ThermoFault fault);

}  // namespace moltherm::messages
