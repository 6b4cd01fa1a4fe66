#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/constants.h"
#include "engine/molecular_data.h"

namespace moltherm {

// Messages of the temperature checks, shared by the engine and the calculate command.
inline constexpr const char* kInvalidTemperature = "Invalid Temperature";
inline constexpr const char* kNegativeTemperature = "Negative temperature";
inline constexpr const char* kInvalidDegeneracy = "Invalid degeneracy";

// What one computation gives: the results, or the one-line message that stopped it.
// `temperature` holds the parsed temperature whenever the text was a number (a negative one
// included), so that the caller can store it as the record does.
struct ThermoOutcome {
    std::optional<double> temperature;
    std::optional<std::string> error;
    ThermoResults results;
    bool ok() const { return !error.has_value(); }
};

// The degeneracy texts of one computation: vibrational rows 1..nModes (as vibDegen[0..nModes-1])
// and electronic levels 0..lastLevel. They are converted afresh on every computation.
struct DegeneracyTexts {
    std::span<const std::string> vibrational;
    std::span<const std::string> electronic;
};

// The whole results grid for the stored record at the temperature typed in `temperatureText`.
// Refuses a text that is not a number and a zero temperature ("Invalid Temperature"), a negative
// one ("Negative temperature"), and any temperature whose results would not be finite
// ("Invalid Temperature"): no NaN or infinity ever leaves this function.
ThermoOutcome ComputeThermo(const PhysicalConstants& c, const MolecularData& data,
                            std::string_view temperatureText, const DegeneracyTexts& degeneracies);

// The same computation at a temperature already converted; used by callers that check in advance.
ThermoOutcome ComputeThermoAt(const PhysicalConstants& c, const MolecularData& data,
                              double temperature, const DegeneracyTexts& degeneracies);

}  // namespace moltherm
