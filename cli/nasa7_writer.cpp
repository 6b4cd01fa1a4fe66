#include "cli/nasa7_writer.h"

#include "calc/messages.h"
#include "report/cantera_yaml.h"
#include "report/chemkin_thermo.h"
#include "report/formula.h"

namespace moltherm::cli {

Expected<Nasa7Species, std::string> FitForExport(const PhysicalConstants& constants,
                                                 const MoleculeOutcome& outcome,
                                                 const Nasa7Temperatures& temperatures,
                                                 const ThermoOptions& options,
                                                 OutputFormat format) {
    const char* name = format == OutputFormat::kChemkin ? "chemkin" : "cantera";
    const auto& text = outcome.entry.formula;
    if (!text) return Unexpected{"formula: required for --format " + std::string(name)};
    auto formula = ParseFormula(*text);
    if (!formula) return Unexpected{"formula: " + formula.error()};
    std::optional<double> formation;  // [J/mol]
    if (outcome.entry.enthalpyOfFormation) formation = *outcome.entry.enthalpyOfFormation * 1000;
    const auto fit = FitNasa7(constants, outcome.molecule, temperatures, formation, options);
    if (!fit) {
        if (fit.error().problem == Nasa7Problem::kThermo)
            return Unexpected{std::string("NASA-7 fit: ") + messages::ForFault(fit.error().thermo)};
        return Unexpected{std::string("NASA-7 fit: enthalpy_of_formation out of range")};
    }
    Nasa7Species species{outcome.entry.name.value_or(""), std::move(*formula), *fit};
    if (format == OutputFormat::kChemkin) {
        // A Chemkin entry has fixed columns: what does not fit them refuses this molecule alone.
        const auto entry = FormatChemkinThermo({species}, temperatures, "\n");
        if (!entry) return Unexpected{entry.error()};
    }
    return species;
}

void Nasa7Writer::write(const MoleculeOutcome& outcome) {
    if (outcome.nasa7) species_.push_back(*outcome.nasa7);
}

void Nasa7Writer::end() {
    if (style().format == OutputFormat::kCantera) {
        buffer() += FormatCanteraSpecies(species_, eol());
        return;
    }
    // Every entry was checked alone, so the section as a whole cannot be refused.
    buffer() += *FormatChemkinThermo(species_, style().nasa7, eol());
}

}  // namespace moltherm::cli
