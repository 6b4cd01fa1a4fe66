#include "report/option_lines.h"

#include <charconv>

#include "report/number_format.h"

namespace moltherm {

std::string ShortestText(double value) {
    char buffer[400];
    const double magnitude = value < 0 ? -value : value;
    const bool plain = magnitude == 0 || (magnitude >= 1e-4 && magnitude < 1e15);
    const auto format = plain ? std::chars_format::fixed : std::chars_format::scientific;
    auto* const end = std::to_chars(buffer, buffer + sizeof buffer, value, format).ptr;
    return std::string(buffer, end);
}

std::string StandardStateText(const StandardState& state) {
    std::string value = ShortestText(state.value);
    if (state.kind == StandardState::Kind::kConcentration) return value + " mol/L";
    switch (state.unit) {
        case PressureUnit::kBar:
            return value + " bar";
        case PressureUnit::kAtm:
            return value + " atm";
        case PressureUnit::kPa:
            return value + " Pa";
        case PressureUnit::kKPa:
            return value + " kPa";
        case PressureUnit::kMPa:
            return value + " MPa";
        case PressureUnit::kTorr:
            return value + " torr";
    }
    return value;
}

std::string PrescaledLine(double factor) {
    return "Frequencies scaled by " + ShortestText(factor) + " in the file.";
}

std::vector<std::string> OptionLines(const ThermoOptions& o, double zeroPointEnergy) {
    std::vector<std::string> lines;
    if (o.frequencyScale != 1)
        lines.push_back("Frequencies scaled by " + ShortestText(o.frequencyScale) + ".");
    if (o.zeroPointEnergy)
        lines.push_back("Zero-point energy " + FormatPattern(zeroPointEnergy / 1000, 3) +
                        " kJ/mol included (factor " + ShortestText(o.zpeFactor()) + ").");
    if (o.qrrhoEntropyCutoff)
        lines.push_back("Quasi-RRHO entropy (Grimme), cutoff " +
                        ShortestText(*o.qrrhoEntropyCutoff) + " 1/cm.");
    if (o.qrrhoEnthalpyCutoff)
        lines.push_back("Quasi-RRHO energy (Head-Gordon), cutoff " +
                        ShortestText(*o.qrrhoEnthalpyCutoff) + " 1/cm.");
    if (o.raiseLowModesTo) {
        const std::string w = ShortestText(*o.raiseLowModesTo);
        lines.push_back("Modes below " + w + " 1/cm raised to " + w + " 1/cm.");
    }
    if (o.quasiRrho()) lines.emplace_back("q is the harmonic partition function.");
    return lines;
}

}  // namespace moltherm
