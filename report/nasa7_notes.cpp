#include "report/nasa7_notes.h"

#include <charconv>

#include "engine/reference_functions.h"
#include "report/number_format.h"
#include "report/one_line.h"

namespace moltherm {
namespace {

std::string DeviationNote(const std::string& name, double from, double to,
                          const Nasa7Deviation& d) {
    return OneLine(name) + ": largest deviations " + ShortestNumber(from) + "-" +
           ShortestNumber(to) + " K: Cp " + FormatPattern(d.cp, 3) + " J/(K mol), H " +
           FormatPattern(d.h / 1000, 3) + " kJ/mol, S " + FormatPattern(d.s, 3) + " J/(K mol)";
}

}  // namespace

std::string ShortestNumber(double value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::vector<std::string> Nasa7Notes(const Nasa7Species& s) {
    const Nasa7Temperatures& t = s.fit.temperatures;
    const std::string h298 = "H(298.15 K) = " + FormatPattern(s.fit.h298 / 1000, 3) + " kJ/mol";
    const std::string zero = s.fit.zeroPointEnergy ? "the bottom of the well" : "the lowest level";
    std::vector<std::string> notes{
        DeviationNote(s.name, t.low, t.mid, s.fit.lowDeviation),
        DeviationNote(s.name, t.mid, t.high, s.fit.highDeviation),
        OneLine(s.name) + ": " + h298 +
            (s.fit.fromEnthalpyOfFormation ? ", the enthalpy of formation given"
                                           : ", moltherm's enthalpy measured from " + zero +
                                                 " (no enthalpy of formation given)")};
    for (const std::string& line : s.optionLines) notes.push_back(OneLine(s.name) + ": " + line);
    return notes;
}

}  // namespace moltherm
