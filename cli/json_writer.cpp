#include "cli/json_writer.h"

#include <array>
#include <nlohmann/json.hpp>
#include <optional>

#include "cli/number_output.h"

namespace moltherm::cli {
namespace {

void AppendJsonString(std::string& out, const std::string& text) {
    out += nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

void AppendContribution(std::string& out, const char* key, const Contribution& c) {
    out += ",\"";
    out += key;
    out += "\":{";
    const std::pair<const char*, double> values[] = {
        {"\"q\":", c.q},  {",\"U\":", c.u}, {",\"H\":", c.h},  {",\"A\":", c.a},
        {",\"G\":", c.g}, {",\"S\":", c.s}, {",\"Cp\":", c.cp}};
    for (const auto& [label, value] : values) {
        out += label;
        AppendJsonNumber(out, value);
    }
    out += '}';
}

// The options that differ from the defaults, with the pressure in Pa and the concentration in
// mol/L; nothing with the defaults.
void AppendOptions(std::string& out, const ThermoOptions& options) {
    if (options.isDefault()) return;
    out += ",\"options\":{";
    bool first = true;
    const auto key = [&out, &first](const char* name) {
        out += first ? "\"" : ",\"";
        first = false;
        out += name;
        out += "\":";
    };
    const StandardState& state = options.standardState;
    if (state.kind == StandardState::Kind::kConcentration) {
        key("concentration");
        AppendJsonNumber(out, state.value);
    } else if (!state.isOneBar()) {
        key("pressure");
        AppendJsonNumber(out, state.pascal());
    }
    if (options.frequencyScale != 1) {
        key("frequency_scale");
        AppendJsonNumber(out, options.frequencyScale);
    }
    if (options.zeroPointEnergy) {
        key("zero_point_energy");
        out += "true";
    }
    const std::pair<const char*, std::optional<double>> values[] = {
        {"zpe_scale", options.zpeScale},
        {"qrrho_entropy_cutoff", options.qrrhoEntropyCutoff},
        {"qrrho_enthalpy_cutoff", options.qrrhoEnthalpyCutoff},
        {"raise_low_modes_to", options.raiseLowModesTo}};
    for (const auto& [name, value] : values) {
        if (!value) continue;
        key(name);
        AppendJsonNumber(out, *value);
    }
    out += '}';
}

// The total's reference functions, keyed.
std::array<std::pair<const char*, std::optional<double>>, 2> ReferenceValues(
    const TemperatureResult& result) {
    const auto& f = result.reference;
    return {{{",\"H_minus_H298\":", f ? std::optional(f->hMinusHr) : std::nullopt},
             {",\"gibbs_energy_function\":",
              f ? std::optional(f->gibbsEnergyFunction) : std::nullopt}}};
}

}  // namespace

void JsonWriter::begin() {
    buffer() += '[';
}

void JsonWriter::write(const MoleculeOutcome& outcome) {
    std::string& out = buffer();
    out += first_ ? "" : ",";
    out += eol();
    first_ = false;
    out += "{\"name\":";
    if (outcome.entry.name)
        AppendJsonString(out, *outcome.entry.name);
    else
        out += "null";
    AppendOptions(out, style().thermo);
    if (!outcome.ok()) {
        out += ",\"error\":";
        AppendJsonString(out, *outcome.error);
    } else {
        out += ",\"results\":[";
        for (std::size_t i = 0; i < outcome.results.size(); ++i) {
            const TemperatureResult& result = outcome.results[i];
            out += i == 0 ? "{\"temperature\":" : ",{\"temperature\":";
            AppendJsonNumber(out, result.temperature);
            AppendContribution(out, "translational", result.results.trans);
            AppendContribution(out, "rotational", result.results.rot);
            AppendContribution(out, "vibrational", result.results.vib);
            AppendContribution(out, "electronic", result.results.elec);
            AppendContribution(out, "total", result.results.total);
            for (const auto& [key, value] : ReferenceValues(result)) {
                out += key;
                if (value)
                    AppendJsonNumber(out, *value);
                else
                    out += "null";
            }
            out += '}';
        }
        out += ']';
    }
    out += '}';
    flushWhenFull();
}

void JsonWriter::end() {
    if (!first_) buffer() += eol();
    buffer() += ']';
    buffer() += eol();
}

}  // namespace moltherm::cli
