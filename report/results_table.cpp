#include "report/results_table.h"

#include "report/number_format.h"

namespace moltherm {
namespace {

constexpr const char* kEol = "\r\n";
constexpr const char* kColumnNames = "translational rotational vibrational  electronic     total";
constexpr std::size_t kHeadingWidth = 15;  // temperature, "K" and the fill before the names

// The heading keeps the column names at their place. A temperature too long for it
// (10^11 K and above) stands on a line of its own above the names.
void AppendHeading(std::string& t, double temperature) {
    const std::size_t start = t.size();
    AppendPattern(t, temperature, 2);
    t += 'K';
    const std::size_t length = t.size() - start;
    if (length <= kHeadingWidth) {
        t.append(kHeadingWidth - length, ' ');
    } else {
        t += kEol;
        t.append(kHeadingWidth, ' ');
    }
    t += kColumnNames;
    t += kEol;
}

// S, Cp, U, H, A, G: five 8-wide cells, four blanks between them. `scale` converts the unit.
void AppendFixedRow(std::string& t, const char* label, double trans, double rot, double vib,
                    double elec, double total, double scale) {
    t += label;
    const double cells[] = {trans, rot, vib, elec, total};
    for (int k = 0; k < 5; ++k) {
        if (k > 0) t.append(4, ' ');
        AppendFixed(t, cells[k] / scale, 8, 3);
    }
    t += kEol;
}

}  // namespace

std::string FormatResultsTable(double temperature, const ThermoResults& r, double avogadro) {
    std::string t;
    t.reserve(768);
    AppendHeading(t, temperature);
    t += "  q            : ";
    AppendExp(t, avogadro * r.trans.q, 10, 4);
    AppendFixed(t, r.rot.q, 10, 3);
    t += "  ";
    AppendFixed(t, r.vib.q, 12, 8);
    t += "  ";
    AppendFixed(t, r.elec.q, 8, 3);
    t += "  ";
    AppendExp(t, avogadro * r.total.q, 12, 4);
    t += kEol;
    // The rotational, vibrational and electronic cells of q/N are blank, as wide as above.
    t += "  q/N          : ";
    AppendExp(t, r.trans.q, 10, 4);
    t.append(10 + 2 + 12 + 2 + 8 + 2, ' ');
    AppendExp(t, r.total.q, 12, 4);
    t += kEol;
    AppendFixedRow(t, "  S/(J/(K mol)): ", r.trans.s, r.rot.s, r.vib.s, r.elec.s, r.total.s, 1);
    AppendFixedRow(t, " Cp/(J/(K mol)): ", r.trans.cp, r.rot.cp, r.vib.cp, r.elec.cp, r.total.cp,
                   1);
    AppendFixedRow(t, "  U/(kJ/mol)   : ", r.trans.u, r.rot.u, r.vib.u, r.elec.u, r.total.u, 1000);
    AppendFixedRow(t, "  H/(kJ/mol)   : ", r.trans.h, r.rot.h, r.vib.h, r.elec.h, r.total.h, 1000);
    AppendFixedRow(t, "  A/(kJ/mol)   : ", r.trans.a, r.rot.a, r.vib.a, r.elec.a, r.total.a, 1000);
    AppendFixedRow(t, "  G/(kJ/mol)   : ", r.trans.g, r.rot.g, r.vib.g, r.elec.g, r.total.g, 1000);
    t += kEol;
    return t;
}

}  // namespace moltherm
