#include "cli/molecule_json_writer.h"

#include <charconv>
#include <nlohmann/json.hpp>

#include "cli/number_output.h"

namespace moltherm::cli {
namespace {

// A spinner's text as a JSON integer; the spinners hold whole numbers only.
void AppendWhole(std::string& out, const std::string& text) {
    int value = 1;
    std::from_chars(text.data(), text.data() + text.size(), value);
    out += std::to_string(value);
}

// `[{"<key>": v, "degeneracy": g}, ...]` for the values and degeneracy texts, row by row.
void AppendRows(std::string& out, const char* key, const double* values,
                const std::vector<std::string>& degeneracies, std::size_t count) {
    out += '[';
    for (std::size_t i = 0; i < count; ++i) {
        out += i == 0 ? "{\"" : ", {\"";
        out += key;
        out += "\": ";
        AppendJsonNumber(out, values[i]);
        out += ", \"degeneracy\": ";
        AppendWhole(out, i < degeneracies.size() ? degeneracies[i] : "1");
        out += '}';
    }
    out += ']';
}

}  // namespace

void MoleculeJsonWriter::write(const MoleculeOutcome& outcome) {
    if (!outcome.ok()) return;
    const MolecularData& d = outcome.data;
    const CalcInputTexts& texts = outcome.entry.texts;
    std::string& out = buffer();
    out += first_ ? "" : ",";
    out += eol();
    first_ = false;
    out += "{\"name\": ";
    out += nlohmann::json(outcome.entry.name.value_or(""))
               .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    out += ", \"molar_mass\": ";
    AppendJsonNumber(out, d.molarMass);
    out += ", \"atoms\": " + std::to_string(d.nAtoms);
    if (d.nAtoms > 1) {
        const bool linear = d.shape == Shape::kLinear;
        out += linear ? R"(, "shape": "linear")" : R"(, "shape": "nonlinear")";
        out += ", \"symmetry_number\": " + std::to_string(d.sigma);
        out += ", \"rotational_constants\": [";
        AppendJsonNumber(out, d.rotConst1);
        if (!linear) {
            out += ", ";
            AppendJsonNumber(out, d.rotConst2);
            out += ", ";
            AppendJsonNumber(out, d.rotConst3);
        }
        out += "],";
        out += eol();
        out += " \"vibrations\": ";
        AppendRows(out, "wavenumber", d.vibFreq.data() + 1, texts.vibDegeneracies,
                   static_cast<std::size_t>(d.nModes));
        if (outcome.entry.droppedImaginary > 0)
            out +=
                ", \"imaginary_modes_dropped\": " + std::to_string(outcome.entry.droppedImaginary);
    }
    out += ',';
    out += eol();
    out += " \"electronic_levels\": ";
    AppendRows(out, "energy", d.elecEnergy.data(), texts.elecDegeneracies,
               static_cast<std::size_t>(d.lastLevel) + 1);
    out += '}';
    flushWhenFull();
}

void MoleculeJsonWriter::end() {
    if (!first_) buffer() += eol();
    buffer() += ']';
    buffer() += eol();
}

}  // namespace moltherm::cli
