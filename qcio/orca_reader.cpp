#include "qcio/orca_reader.h"

#include <vector>

#include "qcio/reader_support.h"
#include "qcio/text_scan.h"

namespace moltherm::qcio {
namespace {

using Lines = std::vector<std::string_view>;

// "  NO LB      ZA    FRAG     MASS         X           Y           Z" and one row per atom,
// "   0 C     6.0000    0    12.011   -2.674441    0.435056    0.000000", up to a blank line.
std::optional<std::vector<chem::Atom>> ReadAtomicUnitsBlock(const Lines& lines, std::size_t& i) {
    std::size_t row = i + 1;
    while (row < lines.size() && !Contains(lines[row], "MASS") && row < i + 4) ++row;
    if (row >= lines.size() || !Contains(lines[row], "MASS")) return std::nullopt;
    std::vector<chem::Atom> atoms;
    for (++row; row < lines.size() && !Trim(lines[row]).empty(); ++row) {
        const auto words = Words(lines[row]);
        if (words.size() != 8) return std::nullopt;
        const auto mass = ParseDouble(words[4]), x = ParseDouble(words[5]),
                   y = ParseDouble(words[6]), z = ParseDouble(words[7]);
        if (!mass || !x || !y || !z) return std::nullopt;
        auto atom = MakeAtom(
            words[1], {*x * kBohrToAngstrom, *y * kBohrToAngstrom, *z * kBohrToAngstrom}, *mass);
        if (!atom) return std::nullopt;
        atoms.push_back(*atom);
    }
    if (row == lines.size() || atoms.empty()) return std::nullopt;
    i = row;
    return atoms;
}

// "   6:      43.87 cm**-1    2-Au" or "   6:    -512.30 cm**-1 ***imaginary mode***".
std::optional<double> FrequencyRow(std::string_view line) {
    const auto words = Words(line);
    if (words.size() < 3 || words[0].back() != ':' || words[2] != "cm**-1") return std::nullopt;
    if (!ParseInt(words[0].substr(0, words[0].size() - 1))) return std::nullopt;
    return ParseDouble(words[1]);
}

struct State {
    std::vector<chem::Atom> geometry;
    int multiplicity = 1;
    std::optional<double> energy;
    std::vector<double> rotConsts;
};

}  // namespace

Result<QcResult> ReadOrcaOutput(std::string_view text, std::string_view fileName) {
    const Lines lines = SplitLines(text);
    QcResult result;
    result.program = "ORCA";
    State current;
    bool afterFrequencies = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (Contains(line, "Program Version") && result.version.empty()) {
            const auto words = Words(line);
            if (words.size() > 2) result.version = std::string(words[2]);
        } else if (StartsWith(line, "CARTESIAN COORDINATES (A.U.)")) {
            auto atoms = ReadAtomicUnitsBlock(lines, i);
            if (!atoms) return FileFailure(fileName, "a geometry block is incomplete");
            current.geometry = std::move(*atoms);
        } else if (Contains(line, "Multiplicity") && Contains(line, "Mult") &&
                   Contains(line, "....")) {
            if (const auto m = IntAfter(line, "....")) current.multiplicity = *m;
        } else if (StartsWith(line, "FINAL SINGLE POINT ENERGY")) {
            current.energy = NumberAfter(line, "ENERGY");
        } else if (StartsWith(line, "Rotational constants in cm-1:")) {
            auto values = NonZero(NumbersAfter(line, ":"));
            if (afterFrequencies) {
                result.printedRotConsts = std::move(values);
            } else {
                current.rotConsts = std::move(values);
            }
        } else if (StartsWith(line, "VIBRATIONAL FREQUENCIES")) {
            afterFrequencies = true;
            result.atoms = current.geometry;
            result.multiplicity = current.multiplicity;
            result.electronicEnergy = current.energy;
            result.printedRotConsts = current.rotConsts;
            result.printedSigma.reset();
            result.scaleFactor.reset();
            result.wavenumbers.clear();
            bool rowsStarted = false;
            for (std::size_t row = i + 1; row < lines.size(); ++row) {
                const std::string_view l = lines[row];
                if (Contains(l, "Scaling factor for frequencies")) {
                    result.scaleFactor = NumberAfter(l, "=");
                } else if (const auto value = FrequencyRow(l)) {
                    result.wavenumbers.push_back(*value);
                    rowsStarted = true;
                } else if (rowsStarted) {
                    i = row;
                    break;
                }
            }
            result.frequenciesScaled = result.scaleFactor && *result.scaleFactor != 1.0;
        } else if (afterFrequencies && Contains(line, "Symmetry Number:")) {
            result.printedSigma = WholeNumber(NumberAfter(line, "Symmetry Number:"));
        }
    }
    return CheckReadResult(std::move(result), fileName);
}

namespace {

// The first line of a $-section after its title: "$atoms" then "4", or "$multiplicity" then "1".
std::optional<std::string_view> SectionValueLine(const Lines& lines, std::size_t title) {
    if (title + 1 >= lines.size()) return std::nullopt;
    return lines[title + 1];
}

}  // namespace

Result<QcResult> ReadOrcaHessian(std::string_view text, std::string_view fileName) {
    const Lines lines = SplitLines(text);
    QcResult result;
    result.program = "ORCA";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view title = Trim(lines[i]);
        if (title == "$vibrational_frequencies" || title == "$atoms") {
            const auto count = ParseInt(Trim(SectionValueLine(lines, i).value_or("")));
            if (!count || *count < 0 || static_cast<std::size_t>(*count) > lines.size() - i - 2) {
                return FileFailure(fileName, std::string(title) + " is incomplete");
            }
            for (int k = 0; k < *count; ++k) {
                const auto words = Words(lines[i + 2 + k]);
                if (title == "$vibrational_frequencies") {
                    const auto value = words.size() == 2 ? ParseDouble(words[1]) : std::nullopt;
                    if (!value) return FileFailure(fileName, "$vibrational_frequencies is damaged");
                    result.wavenumbers.push_back(*value);
                    continue;
                }
                // " C     12.0110      5.078540    -0.139141     0.119185" (mass, bohr)
                std::optional<chem::Atom> atom;
                if (words.size() == 5) {
                    const auto mass = ParseDouble(words[1]), x = ParseDouble(words[2]),
                               y = ParseDouble(words[3]), z = ParseDouble(words[4]);
                    if (mass && x && y && z) {
                        atom = MakeAtom(
                            words[0],
                            {*x * kBohrToAngstrom, *y * kBohrToAngstrom, *z * kBohrToAngstrom},
                            *mass);
                    }
                }
                if (!atom) return FileFailure(fileName, "$atoms is damaged");
                result.atoms.push_back(*atom);
            }
            i += 1 + static_cast<std::size_t>(*count);
        } else if (title == "$multiplicity") {
            const auto m = ParseInt(Trim(SectionValueLine(lines, i).value_or("")));
            if (!m) return FileFailure(fileName, "$multiplicity is damaged");
            result.multiplicity = *m;
        } else if (title == "$act_energy") {
            // ORCA 3 writes 0 here when it has no energy to give.
            const auto e = ParseDouble(Trim(SectionValueLine(lines, i).value_or("")));
            if (e && *e != 0) result.electronicEnergy = e;
        } else if (title == "$frequency_scale_factor") {
            result.scaleFactor = ParseDouble(Trim(SectionValueLine(lines, i).value_or("")));
            result.frequenciesScaled = result.scaleFactor && *result.scaleFactor != 1.0;
        }
    }
    return CheckReadResult(std::move(result), fileName);
}

}  // namespace moltherm::qcio
