#include "qcio/psi4_reader.h"

#include <vector>

#include "qcio/reader_support.h"
#include "qcio/text_scan.h"

namespace moltherm::qcio {
namespace {

using Lines = std::vector<std::string_view>;

// One printed geometry with what Psi4 prints beside it.
struct Geometry {
    std::vector<chem::Atom> atoms;
    int multiplicity = 1;
    std::vector<double> rotConsts;  // [1/cm]
};

// "    Geometry (in Bohr), charge = 0, multiplicity = 1:", a blank line, the column heading, a
// dashed line, then "C  x y z mass" rows up to a blank line.
std::optional<Geometry> ReadGeometry(const Lines& lines, std::size_t& i) {
    const bool bohr = Contains(lines[i], "(in Bohr)");
    Geometry geometry;
    if (const auto m = IntAfter(lines[i], "multiplicity =")) geometry.multiplicity = *m;
    std::size_t row = i + 1;
    while (row < lines.size() && row < i + 5 && !StartsWith(Trim(lines[row]), "----")) ++row;
    if (row >= lines.size() || !StartsWith(Trim(lines[row]), "----")) return std::nullopt;
    const double scale = bohr ? kBohrToAngstrom : 1.0;
    for (++row; row < lines.size() && !Trim(lines[row]).empty(); ++row) {
        const auto words = Words(lines[row]);
        if (words.size() != 5) return std::nullopt;
        const auto x = ParseDouble(words[1]), y = ParseDouble(words[2]), z = ParseDouble(words[3]),
                   mass = ParseDouble(words[4]);
        auto atom = (x && y && z && mass)
                        ? MakeAtom(words[0], {*x * scale, *y * scale, *z * scale}, *mass)
                        : std::nullopt;
        if (!atom) return std::nullopt;
        geometry.atoms.push_back(*atom);
    }
    if (row == lines.size() || geometry.atoms.empty()) return std::nullopt;
    i = row;
    return geometry;
}

// "  Freq [cm^-1]   137.2531   244.0758   512.3000i": an "i" marks an imaginary wavenumber.
std::optional<std::vector<double>> FrequencyValues(std::string_view line) {
    std::vector<double> values;
    for (std::string_view word : Words(line.substr(line.find(']') + 1))) {
        const bool imaginary = !word.empty() && word.back() == 'i';
        if (imaginary) word.remove_suffix(1);
        const auto value = ParseDouble(word);
        if (!value) return std::nullopt;
        values.push_back(imaginary ? -*value : *value);
    }
    return values;
}

}  // namespace

Result<QcResult> ReadPsi4(std::string_view text, std::string_view fileName) {
    const Lines lines = SplitLines(text);
    QcResult result;
    result.program = "Psi4";
    std::optional<Geometry> last, reference;
    bool displacementsGenerated = false;
    bool referenceIsLast = false;  // the rotational constants printed next belong to it
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (Contains(line, "Psi4 ") && Contains(line, " release") && result.version.empty()) {
            const auto words = Words(line);
            if (words.size() >= 2) result.version = std::string(words[1]);
        } else if (Contains(line, "Using finite-differences of")) {
            displacementsGenerated = true;
            reference.reset();
        } else if (StartsWith(Trim(line), "Geometry (in ")) {
            auto geometry = ReadGeometry(lines, i);
            if (!geometry) return FileFailure(fileName, "a geometry block is incomplete");
            last = std::move(*geometry);
            referenceIsLast = displacementsGenerated && !reference;
            if (referenceIsLast) reference = last;
        } else if (StartsWith(Trim(line), "Rotational constants:") && Contains(line, "[MHz]") &&
                   last) {
            // The MHz line carries more digits than the 1/cm one above it.
            last->rotConsts = RotConstsFromMHz(NumbersAfter(line, ":"));
            if (referenceIsLast) reference->rotConsts = last->rotConsts;
        } else if (Contains(line, "==> Harmonic Vibrational Analysis <==")) {
            const std::optional<Geometry>& used = reference ? reference : last;
            result.wavenumbers.clear();
            result.printedSigma.reset();
            if (used) {
                result.atoms = used->atoms;
                result.multiplicity = used->multiplicity;
                result.printedRotConsts = used->rotConsts;
            }
        } else if (StartsWith(Trim(line), "Freq [cm^-1]")) {
            const auto values = FrequencyValues(line);
            if (!values) return FileFailure(fileName, "a frequency line is damaged");
            result.wavenumbers.insert(result.wavenumbers.end(), values->begin(), values->end());
        } else if (Contains(line, "(symmetry no. =")) {
            result.printedSigma = WholeNumber(NumberAfter(line, "(symmetry no. ="));
        } else if (Contains(line, "Total E0, Electronic energy at well bottom")) {
            result.electronicEnergy = NumberAfter(line, "at 0 [K]");
        }
    }
    return CheckReadResult(std::move(result), fileName);
}

}  // namespace moltherm::qcio
