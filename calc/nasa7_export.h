#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/constants.h"
#include "engine/expected.h"
#include "engine/molecule.h"
#include "engine/options.h"
#include "report/formula.h"
#include "report/nasa7_notes.h"

namespace moltherm {

// The two texts NASA-7 polynomials are written in: a Chemkin THERMO section
// (report/chemkin_thermo.h) or a Cantera YAML species list (report/cantera_yaml.h).
enum class Nasa7Format { kChemkin, kCantera };

// What a NASA-7 export asks of a person, as typed; numbers are read with ParseNumber.
struct Nasa7Request {
    Nasa7Format format = Nasa7Format::kChemkin;
    std::string formula;              // required: "H2O", as report/formula.h reads it
    std::string enthalpyOfFormation;  // at 298.15 K [kJ/mol]; blank: none
    std::string tlow = "200";         // [K]
    std::string tmid = "1000";        // [K]
    std::string thigh = "3000";       // [K]
};

// The standard state the NASA-7 texts assume, 1 bar; the message for any other.
inline constexpr const char* kNasa7NotOneBar =
    "NASA-7 polynomials are for 1 bar: set the standard state to 1 bar";

// One molecule's fit under `options` (at 1 bar) as the texts write it, named `name`, with the
// options in force as its notes; `enthalpyOfFormation` [J/mol] at 298.15 K. Or the one line
// that says why there is none: the engine's message of the input at fault, "Invalid enthalpy
// of formation" (too large in J/mol), the Chemkin writer's refusal of this entry.
Expected<Nasa7Species, std::string> FitNasa7Species(
    const PhysicalConstants& constants, const Molecule& molecule, const ThermoOptions& options,
    std::string name, Formula formula, std::optional<double> enthalpyOfFormation,
    const Nasa7Temperatures& temperatures, Nasa7Format format);

// The request's formula as the export reads it: ParseFormula of the text without the blanks
// around it; a refusal is ParseFormula's message.
Expected<Formula, std::string> Nasa7Formula(std::string_view text);

// The file text of `molecule`'s NASA-7 fit (engine/nasa7.h) under `options`, named `name`, with
// the lines ending in `eol`; or the one line that says why there is none, in this order:
// - a standard state other than 1 bar, which both texts assume ("NASA-7 polynomials are for
//   1 bar: set the standard state to 1 bar");
// - the formula: ParseFormula's message ("No formula entered");
// - "Invalid enthalpy of formation": not a number, or too large in J/mol;
// - "Invalid TLOW" (TMID, THIGH): not a number; then "TLOW must be above 0 K", "TLOW must lie
//   below TMID", "TMID must lie below THIGH", "THIGH must not exceed 100000 K";
// - the engine's message of the input at fault ("Invalid molar mass");
// - the Chemkin writer's refusal ("H2O: a Chemkin entry holds at most four elements").
// Without an enthalpy of formation the polynomials' H(298.15 K) is moltherm's own enthalpy and
// the text says so; the options in force are comment lines.
Expected<std::string, std::string> Nasa7ExportText(
    const PhysicalConstants& constants, const Molecule& molecule, const ThermoOptions& options,
    const std::string& name, const Nasa7Request& request, std::string_view eol = "\n");

}  // namespace moltherm
