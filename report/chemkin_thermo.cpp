#include "report/chemkin_thermo.h"

#include <algorithm>

#include "report/number_format.h"

namespace moltherm {
namespace {

constexpr std::size_t kNameColumns = 18;
constexpr std::size_t kElementsColumn = 24;  // the pairs start in column 25
constexpr std::size_t kElementPairs = 4;
constexpr int kMaxCount = 999;  // I3
constexpr int kCoefficientsPerLine = 5;

// Appends a fixed-format field, or says that the value does not fit it.
bool AppendField(std::string& out, const std::string& field) {
    if (field.find('*') != std::string::npos) return false;
    out += field;
    return true;
}

bool ValidName(const std::string& name) {
    return !name.empty() && name.size() <= kNameColumns &&
           std::all_of(name.begin(), name.end(), [](char c) { return c > ' ' && c < 0x7f; });
}

Expected<std::string, std::string> FirstLine(const Nasa7Species& s) {
    const auto refuse = [&](const char* why) { return Unexpected{s.name + ": " + why}; };
    if (!ValidName(s.name))
        return refuse("a Chemkin species name is 1 to 18 printable characters without blanks");
    const auto& elements = s.formula.elements;
    if (elements.size() > kElementPairs)
        return refuse("a Chemkin entry holds at most four elements");
    std::string line = s.name;
    line.resize(kElementsColumn, ' ');
    for (std::size_t k = 0; k < kElementPairs; ++k) {
        if (k >= elements.size()) {
            line.append(5, ' ');
            continue;
        }
        if (elements[k].count > kMaxCount)
            return refuse("a Chemkin entry holds at most 999 atoms of one element");
        std::string count = std::to_string(elements[k].count);
        line += elements[k].symbol;
        line.append(2 - elements[k].symbol.size() + 3 - count.size(), ' ');
        line += count;
    }
    line += 'G';
    const Nasa7Temperatures& t = s.fit.temperatures;
    if (!AppendField(line, FormatFixed(t.low, 10, 3)) ||
        !AppendField(line, FormatFixed(t.high, 10, 3)) ||
        !AppendField(line, FormatFixed(t.mid, 8, 3)))
        return refuse("a temperature does not fit its Chemkin field (F10.3, TMID F8.3)");
    line.append(6, ' ');
    line += '1';
    return line;
}

// Lines 2-4: high a1-a7, then low a1-a7, five to a line.
Expected<std::string, std::string> CoefficientLines(const Nasa7Species& s, std::string_view eol) {
    double values[14];
    std::copy(s.fit.high.begin(), s.fit.high.end(), values);
    std::copy(s.fit.low.begin(), s.fit.low.end(), values + 7);
    std::string lines;
    for (int line = 0; line < 3; ++line) {
        const int first = line * kCoefficientsPerLine;
        const int last = std::min(first + kCoefficientsPerLine, 14);
        for (int k = first; k < last; ++k) {
            if (!AppendField(lines, FormatExp(values[k], 15, 8)))
                return Unexpected{s.name + ": a coefficient does not fit Chemkin's E15.8 field"};
        }
        lines.append(static_cast<std::size_t>(kCoefficientsPerLine - (last - first)) * 15 + 4, ' ');
        lines += std::to_string(line + 2);
        lines += eol;
    }
    return lines;
}

}  // namespace

Expected<std::string, std::string> FormatChemkinThermo(const std::vector<Nasa7Species>& species,
                                                       const Nasa7Temperatures& temperatures,
                                                       std::string_view eol) {
    std::string out =
        "! NASA-7 polynomials fitted by moltherm to its ideal-gas Cp, H and S; "
        "standard state 1 bar";
    out += eol;
    out += "THERMO";
    out += eol;
    for (const double t : {temperatures.low, temperatures.mid, temperatures.high}) {
        if (!AppendField(out, FormatFixed(t, 10, 3)))
            return Unexpected{std::string("a temperature does not fit its Chemkin field (F10.3)")};
    }
    out += eol;
    for (const Nasa7Species& s : species) {
        for (const std::string& note : Nasa7Notes(s)) {
            out += "! ";
            out += note;
            out += eol;
        }
        const auto first = FirstLine(s);
        if (!first) return Unexpected{first.error()};
        const auto rest = CoefficientLines(s, eol);
        if (!rest) return Unexpected{rest.error()};
        out += *first;
        out += eol;
        out += *rest;
    }
    out += "END";
    out += eol;
    return out;
}

}  // namespace moltherm
