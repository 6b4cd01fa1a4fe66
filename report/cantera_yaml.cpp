#include "report/cantera_yaml.h"

#include <cstdio>

namespace moltherm {
namespace {

// A double-quoted YAML scalar.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned char>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// Element symbols that a YAML 1.1 reader would take for booleans (N, Y, No, On) are quoted.
std::string Key(const std::string& symbol) {
    for (const char* boolean : {"N", "Y", "No", "On"})
        if (symbol == boolean) return Quoted(symbol);
    return symbol;
}

// Shortest round-trip digits, always with a decimal point so that every reader sees a float.
std::string Number(double value) {
    std::string text = ShortestNumber(value);
    if (text.find_first_of(".n") != std::string::npos) return text;  // "n": inf or nan
    const auto exponent = text.find('e');
    text.insert(exponent == std::string::npos ? text.size() : exponent, ".0");
    return text;
}

std::string List(const double* values, std::size_t count) {
    std::string out = "[";
    for (std::size_t k = 0; k < count; ++k) {
        if (k > 0) out += ", ";
        out += Number(values[k]);
    }
    return out + "]";
}

std::string Composition(const Formula& formula) {
    std::string out;
    for (const ElementCount& e : formula.elements)
        out += (out.empty() ? "" : ", ") + Key(e.symbol) + ": " + std::to_string(e.count);
    return out;
}

const char* EnthalpyOrigin(const Nasa7Fit& fit) {
    if (fit.fromEnthalpyOfFormation) return "the enthalpy of formation given";
    return fit.zeroPointEnergy ? "measured from the bottom of the well"
                               : "measured from the lowest level";
}

void AppendSpecies(std::string& out, const Nasa7Species& s, std::string_view eol) {
    const auto line = [&](const std::string& text) {
        out += text;
        out += eol;
    };
    for (const std::string& note : Nasa7Notes(s)) line("# " + note);
    const Nasa7Temperatures& t = s.fit.temperatures;
    const double ranges[] = {t.low, t.mid, t.high};
    line("- name: " + Quoted(s.name));
    line("  composition: {" + Composition(s.formula) + "}");
    line("  thermo:");
    line("    model: NASA7");
    line("    temperature-ranges: " + List(ranges, 3));
    line("    reference-pressure: 1 bar");
    line("    data:");
    line("    - " + List(s.fit.low.data(), 7));
    line("    - " + List(s.fit.high.data(), 7));
    line("    note: " + Quoted("moltherm ideal-gas fit, formula " + s.formula.text +
                               ", H(298.15 K) " + EnthalpyOrigin(s.fit)));
}

}  // namespace

std::string FormatCanteraSpecies(const std::vector<Nasa7Species>& species, std::string_view eol) {
    std::string out = "# NASA-7 polynomials fitted by moltherm to its ideal-gas Cp, H and S";
    out += eol;
    out += species.empty() ? "species: []" : "species:";
    out += eol;
    for (const Nasa7Species& s : species) AppendSpecies(out, s, eol);
    return out;
}

}  // namespace moltherm
