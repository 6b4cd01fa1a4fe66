#include "calc/molecule_json.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "calc/number_text.h"

namespace moltherm {

namespace {

using Json = nlohmann::json;
using Failure = Unexpected<std::string>;

// A number, or a text the window's boxes read as one.
std::optional<double> NumberOf(const Json& value) {
    if (value.is_number()) return value.get<double>();
    if (value.is_string()) return ParseNumber(value.get<std::string>());
    return std::nullopt;
}

// A whole number of at least `least` that a 16-bit count holds.
bool IsWhole(const Json& value, int least) {
    if (!value.is_number()) return false;
    const double v = value.get<double>();
    return std::floor(v) == v && v >= least && v <= 32767;
}

std::optional<std::string> ReadRows(const Json& rows, const char* field, const char* key,
                                    std::vector<std::pair<double, int>>& out) {
    if (!rows.is_array()) return std::string(field) + ": not a list";
    out.clear();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const Json& row = rows[k];
        const std::string where = std::string(field) + " " + std::to_string(k + 1);
        if (!row.is_object()) return where + ": not an object";
        double value = 0;
        int degeneracy = 1;
        for (const auto& [name, item] : row.items()) {
            if (name == key) {
                const auto number = NumberOf(item);
                if (!number) return where + ": " + key + " is not a number";
                value = *number;
            } else if (name == "degeneracy") {
                if (!IsWhole(item, 1))
                    return where + ": degeneracy is not a whole number of at least 1";
                degeneracy = item.get<int>();
            } else {
                return where + R"(: unknown key ")" + name +
                       '"';  // NOLINT(performance-inefficient-string-concatenation)
            }
        }
        if (!row.contains(key)) return where + ": no " + key;
        out.emplace_back(value, degeneracy);
    }
    return std::nullopt;
}

Expected<MoleculeDescription, std::string> ReadObject(const Json& object) {
    if (!object.is_object()) return Failure{"not a molecule object"};
    MoleculeDescription m;
    std::vector<std::pair<double, int>> rows;
    for (const auto& [name, item] : object.items()) {
        if (name == "name" || name == "formula" || name == "source") {
            if (!item.is_string()) return Failure{name + ": not a text"};
            if (name == "name")
                m.name = item.get<std::string>();
            else if (name == "formula")
                m.formula = item.get<std::string>();
            else
                m.source = item.get<std::string>();
        } else if (name == "molar_mass") {
            const auto number = NumberOf(item);
            if (!number) return Failure{"molar_mass: not a number"};
            m.molarMass = *number;
        } else if (name == "atoms") {
            if (!IsWhole(item, 1)) return Failure{"atoms: not a whole number of at least 1"};
            m.atoms = item.get<int>();
        } else if (name == "shape") {
            if (item != "linear" && item != "nonlinear")
                return Failure{R"(shape: neither "linear" nor "nonlinear")"};
            m.shape = item == "linear" ? Shape::kLinear : Shape::kNonlinear;
        } else if (name == "symmetry_number") {
            if (!IsWhole(item, 1))
                return Failure{"symmetry_number: not a whole number of at least 1"};
            m.sigma = item.get<int>();
        } else if (name == "rotational_constants") {
            if (!item.is_array() || item.empty() || item.size() > 3)
                return Failure{"rotational_constants: not a list of 1 to 3 numbers"};
            for (std::size_t k = 0; k < item.size(); ++k) {
                const auto number = NumberOf(item[k]);
                if (!number) return Failure{"rotational_constants: not a number"};
                m.rotationalConstants[k] = *number;
            }
        } else if (name == "vibrations") {
            if (auto problem = ReadRows(item, "vibration", "wavenumber", rows))
                return Failure{*problem};
            m.modes.clear();
            for (const auto& [value, g] : rows) m.modes.push_back({value, g});
        } else if (name == "electronic_levels") {
            if (auto problem = ReadRows(item, "electronic level", "energy", rows))
                return Failure{*problem};
            if (rows.empty()) return Failure{"electronic_levels: empty"};
            m.levels.clear();
            for (const auto& [value, g] : rows) m.levels.push_back({value, g});
        } else {
            return Failure{"unknown key \"" + name + "\""};
        }
    }
    return m;
}

}  // namespace

Expected<MoleculeDescription, std::string> ReadMoleculeJson(std::string_view text) {
    const Json document = Json::parse(text, nullptr, false);
    if (document.is_discarded()) return Failure{"not JSON"};
    if (document.is_array()) {
        if (document.size() != 1)
            return Failure{"holds " + std::to_string(document.size()) + " molecules, not one"};
        return ReadObject(document[0]);
    }
    return ReadObject(document);
}

std::string WriteMoleculeJson(const MoleculeDescription& m) {
    // Numbers go in as raw text so that each keeps its shortest round-trip digits.
    std::string out = "{\n  \"name\": " + Json(m.name).dump() + ",\n";
    if (m.formula) out += "  \"formula\": " + Json(*m.formula).dump() + ",\n";
    if (m.source) out += "  \"source\": " + Json(*m.source).dump() + ",\n";
    out += "  \"molar_mass\": " + ExactText(m.molarMass) + ",\n";
    out += "  \"atoms\": " + std::to_string(m.atoms);
    if (m.atoms > 1) {
        const bool linear = m.shape == Shape::kLinear;
        out += ",\n  \"shape\": \"" + std::string(linear ? "linear" : "nonlinear") + "\"";
        out += ",\n  \"symmetry_number\": " + std::to_string(m.sigma);
        out += ",\n  \"rotational_constants\": [";
        for (int k = 0; k < (linear ? 1 : 3); ++k)
            out += (k ? ", " : "") + ExactText(m.rotationalConstants[static_cast<std::size_t>(k)]);
        out += "],\n  \"vibrations\": [";
        for (std::size_t k = 0; k < m.modes.size(); ++k)
            out += std::string(k ? ",\n    " : "\n    ") +
                   "{\"wavenumber\": " + ExactText(m.modes[k].wavenumber) +
                   ", \"degeneracy\": " + std::to_string(m.modes[k].degeneracy) + "}";
        out += "\n  ]";
    }
    out += ",\n  \"electronic_levels\": [";
    for (std::size_t k = 0; k < m.levels.size(); ++k)
        out += std::string(k ? ",\n    " : "\n    ") +
               "{\"energy\": " + ExactText(m.levels[k].energy) +
               ", \"degeneracy\": " + std::to_string(m.levels[k].degeneracy) + "}";
    out += "\n  ]\n}\n";
    return out;
}

}  // namespace moltherm
