#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/molecule_entry.h"
#include "calc/record.h"
#include "engine/constants.h"
#include "engine/molecule.h"
#include "engine/options.h"
#include "engine/reference_functions.h"
#include "engine/results.h"
#include "report/nasa7_notes.h"

namespace moltherm::cli {

struct TemperatureResult {
    std::string text;        // as given
    double temperature = 0;  // [K]
    ThermoResults results;
    // H - H(298.15) and -[G - H(298.15)]/T of the total; nothing when the molecule cannot be
    // computed at 298.15 K.
    std::optional<ReferenceFunctions> reference;
};

// What one molecule gives: the stored data and one result grid per temperature, in the order
// given, or the one message that refused it. Never a part of the temperatures.
struct MoleculeOutcome {
    MoleculeEntry entry;
    MolecularData data;
    Molecule molecule;  // as computed
    std::vector<TemperatureResult> results;
    // Why the molecule cannot be computed at 298.15 K, where the tables' reference functions
    // need it ("at 298.15 K: Invalid vibrational frequency").
    std::optional<std::string> referenceProblem;
    std::optional<Nasa7Species> nasa7;  // the polynomials, for the formats that write them
    std::string report;  // the answer box: summary and one table per temperature, CR LF
    std::optional<std::string> error;  // without the molecule's label
    bool ok() const { return !error.has_value(); }
};

// Runs the molecule as the window runs "Calc" with the first temperature in its box, then
// "New T" with each temperature in turn (the first one again included, as "Calc" computes its
// table from the box). A temperature at which the results cannot be computed is named in the
// message: `temperature "1e300": Invalid Temperature`. `stamp` stands in the summary's
// heading where the window shows its date and time. A problem of the file refuses the
// molecule unless the window's checks refuse it first. `temperatures` must not be empty.
// `options` are the conventions of the calculation; the summary names those in force.
MoleculeOutcome CalculateMolecule(const PhysicalConstants& constants, MoleculeEntry entry,
                                  std::span<const std::string> temperatures, std::string_view stamp,
                                  const ThermoOptions& options,
                                  const std::optional<MoleculeProblem>& problem = std::nullopt);

}  // namespace moltherm::cli
