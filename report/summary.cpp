#include "report/summary.h"

#include "report/number_format.h"

namespace moltherm {
namespace {
constexpr const char* kEol = "\r\n";

const std::string& TextAt(std::span<const std::string> texts, std::size_t index) {
    static const std::string empty;
    return index < texts.size() ? texts[index] : empty;
}
}  // namespace

std::string FormatSummary(const SummaryInput& in) {
    std::string s = "Moltherm Calculation   " + in.stamp + kEol;
    s += "Gas phase ";
    if (in.nAtoms == 1)
        s += in.name + " atom";
    else if (in.linear)
        s += "linear molecule " + in.name;
    else
        s += "nonlinear molecule " + in.name;
    s += std::string(".") + kEol;
    s += "All data for 1 mole at " + in.standardState + "." + kEol;
    for (const std::string& line : in.optionLines) s += line + kEol;
    s += "Molar Mass = " + FormatPattern(in.molarMass, 3) + " g/mol." + kEol;
    if (in.nAtoms > 1) {
        s += "Symmetry Number = " + in.sigmaText + "." + kEol;
        if (in.linear) {
            s += "Rotational Constant = " + FormatPattern(in.rotConst1, 6) + "/cm." + kEol;
        } else {
            s += "Rotational Constants: " + FormatPattern(in.rotConst1, 6) + "/cm,  " +
                 FormatPattern(in.rotConst2, 6) + "/cm,  " + FormatPattern(in.rotConst3, 6) +
                 "/cm." + kEol;
        }
        s += std::string(kEol) + "Vibrational data" + kEol + " # Energy*cm (degen)" + kEol;
        for (std::size_t row = 0; row < in.vibFreq.size(); ++row)
            s += FormatFixed(static_cast<double>(row + 1), 3, 0) +
                 FormatFixed(in.vibFreq[row], 9, 2) + "   (" + TextAt(in.vibDegeneracies, row) +
                 ")" + kEol;
    }
    s += std::string(kEol) + "Electronic Data" + kEol + "Level  Energy*cm (degen)" + kEol;
    for (std::size_t level = 0; level < in.elecEnergy.size(); ++level)
        s += FormatFixed(static_cast<double>(level), 4, 0) +
             FormatFixed(in.elecEnergy[level], 12, 2) + "   (" +
             TextAt(in.elecDegeneracies, level) + ")" + kEol;
    s += kEol;
    return s;
}

}  // namespace moltherm
