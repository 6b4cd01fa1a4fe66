#include "calc/nasa7_export.h"

#include <iterator>
#include <optional>
#include <utility>

#include "calc/messages.h"
#include "calc/number_text.h"
#include "engine/nasa7.h"
#include "engine/thermo.h"
#include "report/cantera_yaml.h"
#include "report/chemkin_thermo.h"
#include "report/option_lines.h"

namespace moltherm {
namespace {

using Refusal = Unexpected<std::string>;

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// TLOW, TMID, THIGH in the order the fit needs them; the first refusal is the message.
Expected<Nasa7Temperatures, std::string> TemperaturesOf(const Nasa7Request& r) {
    Nasa7Temperatures t;
    const std::pair<const std::string*, double*> fields[] = {
        {&r.tlow, &t.low}, {&r.tmid, &t.mid}, {&r.thigh, &t.high}};
    const char* const names[] = {"TLOW", "TMID", "THIGH"};
    for (std::size_t k = 0; k < std::size(fields); ++k) {
        const auto value = ParseNumber(*fields[k].first);
        if (!value) return Refusal{std::string("Invalid ") + names[k]};
        *fields[k].second = *value;
    }
    if (!(t.low > 0)) return Refusal{std::string("TLOW must be above 0 K")};
    if (!(t.low < t.mid)) return Refusal{std::string("TLOW must lie below TMID")};
    if (!(t.mid < t.high)) return Refusal{std::string("TMID must lie below THIGH")};
    if (!(t.high <= kMaxNasa7Temperature))
        return Refusal{std::string("THIGH must not exceed 100000 K")};
    return t;
}

std::string FaultMessage(const Nasa7Fault& fault) {
    switch (fault.problem) {
        case Nasa7Problem::kTemperatures:  // TemperaturesOf refuses these first
            return "Invalid NASA-7 temperatures";
        case Nasa7Problem::kEnthalpyOfFormation:
            return "Invalid enthalpy of formation";
        case Nasa7Problem::kThermo:
            break;
    }
    return messages::ForFault(fault.thermo);
}

}  // namespace

Expected<Nasa7Species, std::string> FitNasa7Species(
    const PhysicalConstants& constants, const Molecule& molecule, const ThermoOptions& options,
    std::string name, Formula formula, std::optional<double> enthalpyOfFormation,
    const Nasa7Temperatures& temperatures, Nasa7Format format) {
    const auto fit = FitNasa7(constants, molecule, temperatures, enthalpyOfFormation, options);
    if (!fit) return Refusal{FaultMessage(fit.error())};
    Nasa7Species species{std::move(name), std::move(formula), *fit,
                         OptionLines(options, ZeroPointEnergy(constants, molecule, options))};
    // A Chemkin entry has fixed columns: what does not fit them refuses this molecule alone.
    if (format == Nasa7Format::kChemkin)
        if (const auto entry = FormatChemkinThermo({species}, temperatures, "\n"); !entry)
            return Refusal{entry.error()};
    return species;
}

Expected<Formula, std::string> Nasa7Formula(std::string_view text) {
    return ParseFormula(Trimmed(text));
}

Expected<std::string, std::string> Nasa7ExportText(
    const PhysicalConstants& constants, const Molecule& molecule, const ThermoOptions& options,
    const std::string& name, const Nasa7Request& request, std::string_view eol) {
    if (!options.standardState.isOneBar()) return Refusal{std::string(kNasa7NotOneBar)};
    auto formula = Nasa7Formula(request.formula);
    if (!formula) return Refusal{formula.error()};

    std::optional<double> formation;  // [J/mol]
    if (!Trimmed(request.enthalpyOfFormation).empty()) {
        const auto kilojoules = ParseNumber(request.enthalpyOfFormation);
        if (!kilojoules) return Refusal{std::string("Invalid enthalpy of formation")};
        formation = *kilojoules * 1000;
    }
    const auto temperatures = TemperaturesOf(request);
    if (!temperatures) return Refusal{temperatures.error()};

    auto species = FitNasa7Species(constants, molecule, options, name, std::move(*formula),
                                   formation, *temperatures, request.format);
    if (!species) return Refusal{species.error()};
    if (request.format == Nasa7Format::kCantera) return FormatCanteraSpecies({*species}, eol);
    return FormatChemkinThermo({*species}, *temperatures, eol);
}

}  // namespace moltherm
