#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/record.h"
#include "engine/constants.h"
#include "engine/expected.h"
#include "engine/molecule.h"
#include "engine/options.h"

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
    // Converted afresh by every computation; checked by "Calc" so that a refused value never
    // reaches one.
    std::vector<std::string> vibDegeneracies;   // rows 1..nModes
    std::vector<std::string> elecDegeneracies;  // levels 0..lastLevel
};

// Reads and checks the texts in the window's fixed order (name, temperature, molar mass,
// electronic energies, then for molecules the rotational constants and the wavenumbers), storing
// each field into `record` as it is read; a refused text leaves what was stored before it. The
// row and level counts are data.nModes and data.lastLevel. Besides the negative values, zero
// temperature, rotational constants and wavenumbers are refused with their group's message, and
// so is any input whose results cannot be represented, with the message of the field at fault,
// so that a successful read always computes. Returns the molecule, or the first failure.
Expected<Molecule, std::string> ReadCalcInput(const PhysicalConstants& c, const CalcInputTexts& in,
                                              MolecularData& data,
                                              const ThermoOptions& options = {});

// The record's molecule, with the degeneracies converted from their texts (rows 1..nModes as
// [0..nModes-1], levels 0..lastLevel): "Invalid degeneracy" for one that is not a whole number
// of at least 1.
Expected<Molecule, std::string> MoleculeOf(const MolecularData& data,
                                           std::span<const std::string> vibDegeneracies,
                                           std::span<const std::string> elecDegeneracies);

// The checks "Calc" makes of the temperature box: "No temperature entered", "Invalid
// Temperature" (not a number, or 0), "Negative temperature"; nothing when it passes them.
std::optional<std::string> TemperatureProblem(std::string_view text);

// transCoef, and for molecules rotCoef and rotExponent, of the stored record.
void StoreCoefficients(const PhysicalConstants& c, MolecularData& data);

}  // namespace moltherm
