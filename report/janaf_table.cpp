#include "report/janaf_table.h"

#include "report/number_format.h"
#include "report/one_line.h"

namespace moltherm {
namespace {

constexpr std::size_t kTemperatureWidth = 10;
constexpr std::size_t kNumberWidth = 14;

// `text` right-aligned in `width`, and always at least one blank after what came before.
void AppendColumn(std::string& out, std::string_view text, std::size_t width, bool first) {
    if (text.size() < width) {
        out.append(width - text.size(), ' ');
    } else if (!first) {
        out += ' ';
    }
    out += text;
}

void AppendLine(std::string& out, const std::string (&cells)[5], std::string_view eol) {
    for (std::size_t k = 0; k < 5; ++k)
        AppendColumn(out, cells[k], k == 0 ? kTemperatureWidth : kNumberWidth, k == 0);
    out += eol;
}

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

void AppendTable(std::string& out, const JanafMolecule& m, std::string_view eol,
                 std::string_view standardState) {
    out += OneLine(m.name);
    if (!m.formula.empty()) out += " (" + OneLine(m.formula) + ")";
    ((out += ": standard state ") += standardState) += ", Tr = 298.15 K";
    out += eol;
    AppendLine(out, {"T", "Cp", "S", "-[G-H(Tr)]/T", "H-H(Tr)"}, eol);
    AppendLine(out, {"K", "J/(K mol)", "J/(K mol)", "J/(K mol)", "kJ/mol"}, eol);
    for (const JanafRow& row : m.rows) {
        AppendLine(out,
                   {Trimmed(row.temperature), FormatPattern(row.cp, 3), FormatPattern(row.s, 3),
                    FormatPattern(row.reference.gibbsEnergyFunction, 3),
                    FormatPattern(row.reference.hMinusHr / 1000, 3)},
                   eol);
    }
}

}  // namespace

std::string FormatJanafTables(const std::vector<JanafMolecule>& molecules, std::string_view eol,
                              std::string_view standardState) {
    std::string out;
    for (std::size_t k = 0; k < molecules.size(); ++k) {
        if (k > 0) out += eol;
        AppendTable(out, molecules[k], eol, standardState);
    }
    return out;
}

}  // namespace moltherm
