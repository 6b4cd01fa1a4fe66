#include "cli/nasa7_writer.h"

#include "calc/nasa7_export.h"
#include "report/cantera_yaml.h"
#include "report/chemkin_thermo.h"

namespace moltherm::cli {

Expected<Nasa7Species, std::string> FitForExport(const PhysicalConstants& constants,
                                                 const MoleculeOutcome& outcome,
                                                 const Nasa7Temperatures& temperatures,
                                                 const ThermoOptions& options,
                                                 OutputFormat format) {
    const bool chemkin = format == OutputFormat::kChemkin;
    const auto& text = outcome.entry.formula;
    if (!text)
        return Unexpected{std::string("formula: required for --format ") +
                          (chemkin ? "chemkin" : "cantera")};
    auto formula = Nasa7Formula(*text);
    if (!formula) return Unexpected{"formula: " + formula.error()};
    std::optional<double> formation;  // [J/mol]
    if (outcome.entry.enthalpyOfFormation) formation = *outcome.entry.enthalpyOfFormation * 1000;
    return FitNasa7Species(constants, outcome.molecule, options, outcome.entry.name.value_or(""),
                           std::move(*formula), formation, temperatures,
                           chemkin ? Nasa7Format::kChemkin : Nasa7Format::kCantera);
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
