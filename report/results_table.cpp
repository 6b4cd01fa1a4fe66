#include "report/results_table.h"

#include "report/number_format.h"

namespace moltherm {
namespace {

constexpr const char* kEol = "\r\n";
constexpr const char* kColumnNames = "translational rotational vibrational  electronic     total";
constexpr std::size_t kHeadingWidth = 15;  // temperature, "K" and the fill before the names

// The heading keeps the column names at their place. A temperature too long for it
// (10^11 K and above) stands on a line of its own above the names.
std::string Heading(double temperature) {
    std::string label = FormatPattern(temperature, 2) + "K";
    if (label.size() <= kHeadingWidth) {
        label.append(kHeadingWidth - label.size(), ' ');
        return label + kColumnNames + kEol;
    }
    return label + kEol + std::string(kHeadingWidth, ' ') + kColumnNames + kEol;
}

std::string FixedRow(const char* label, double trans, double rot, double vib, double elec,
                     double total) {
    const std::string gap(4, ' ');
    return std::string(label) + FormatFixed(trans, 8, 3) + gap + FormatFixed(rot, 8, 3) + gap +
           FormatFixed(vib, 8, 3) + gap + FormatFixed(elec, 8, 3) + gap + FormatFixed(total, 8, 3) +
           kEol;
}

}  // namespace

std::string FormatResultsTable(double temperature, const ThermoResults& r, double avogadro) {
    const std::string sep(2, ' ');
    std::string t = Heading(temperature);
    t += "  q            : " + FormatExp(avogadro * r.trans.q, 10, 4) +
         FormatFixed(r.rot.q, 10, 3) + sep + FormatFixed(r.vib.q, 12, 8) + sep +
         FormatFixed(r.elec.q, 8, 3) + sep + FormatExp(avogadro * r.total.q, 12, 4) + kEol;
    t += "  q/N          : " + FormatExp(r.trans.q, 10, 4) + std::string(10, ' ') + sep +
         std::string(12, ' ') + sep + std::string(8, ' ') + sep + FormatExp(r.total.q, 12, 4) +
         kEol;
    t += FixedRow("  S/(J/(K mol)): ", r.trans.s, r.rot.s, r.vib.s, r.elec.s, r.total.s);
    t += FixedRow(" Cp/(J/(K mol)): ", r.trans.cp, r.rot.cp, r.vib.cp, r.elec.cp, r.total.cp);
    t += FixedRow("  U/(kJ/mol)   : ", r.trans.u / 1000, r.rot.u / 1000, r.vib.u / 1000,
                  r.elec.u / 1000, r.total.u / 1000);
    t += FixedRow("  H/(kJ/mol)   : ", r.trans.h / 1000, r.rot.h / 1000, r.vib.h / 1000,
                  r.elec.h / 1000, r.total.h / 1000);
    t += FixedRow("  A/(kJ/mol)   : ", r.trans.a / 1000, r.rot.a / 1000, r.vib.a / 1000,
                  r.elec.a / 1000, r.total.a / 1000);
    t += FixedRow("  G/(kJ/mol)   : ", r.trans.g / 1000, r.rot.g / 1000, r.vib.g / 1000,
                  r.elec.g / 1000, r.total.g / 1000);
    t += kEol;
    return t;
}

}  // namespace moltherm
