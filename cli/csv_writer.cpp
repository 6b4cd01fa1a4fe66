#include "cli/csv_writer.h"

#include "cli/number_output.h"

namespace moltherm::cli {
namespace {

constexpr const char* kContributions[] = {"translational", "rotational", "vibrational",
                                          "electronic", "total"};
constexpr const char* kQuantities[] = {"q", "U", "H", "A", "G", "S", "Cp"};
constexpr int kValueColumns = 5 * 7 + 2;

void AppendField(std::string& out, const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void AppendValues(std::string& out, const Contribution& c) {
    for (const double value : {c.q, c.u, c.h, c.a, c.g, c.s, c.cp}) {
        out += ',';
        AppendShortest(out, value);
    }
}

}  // namespace

void CsvWriter::begin() {
    std::string& out = buffer();
    out += "name,temperature";
    for (const char* contribution : kContributions)
        for (const char* quantity : kQuantities) {
            out += ',';
            out += contribution;
            out += '_';
            out += quantity;
        }
    out += ",H_minus_H298,gibbs_energy_function,error";
    out += eol();
}

void CsvWriter::write(const MoleculeOutcome& outcome) {
    std::string& out = buffer();
    const std::string name = outcome.entry.name.value_or("");
    if (!outcome.ok()) {
        AppendField(out, name);
        out += std::string(2 + kValueColumns, ',');  // an empty temperature and values
        AppendField(out, *outcome.error);
        out += eol();
    }
    for (const TemperatureResult& result : outcome.results) {
        AppendField(out, name);
        out += ',';
        AppendShortest(out, result.temperature);
        const ThermoResults& r = result.results;
        for (const Contribution* c : {&r.trans, &r.rot, &r.vib, &r.elec, &r.total})
            AppendValues(out, *c);
        for (const double ReferenceFunctions::*value :
             {&ReferenceFunctions::hMinusHr, &ReferenceFunctions::gibbsEnergyFunction}) {
            out += ',';
            if (result.reference) AppendShortest(out, (*result.reference).*value);
        }
        out += ',';
        out += eol();
    }
    flushWhenFull();
}

}  // namespace moltherm::cli
