#include "qcio/xtb_reader.h"

#include <vector>

#include "qcio/reader_support.h"
#include "qcio/text_scan.h"

namespace moltherm::qcio {
namespace {

using Lines = std::vector<std::string_view>;

// An xyz block starting at lines[first]: the atom count, a comment, then "C x y z" rows [Angstrom].
std::optional<std::vector<chem::Atom>> ReadXyz(const Lines& lines, std::size_t first) {
    if (first >= lines.size()) return std::nullopt;
    const auto count = ParseInt(Trim(lines[first]));
    if (!count || *count <= 0 || static_cast<std::size_t>(*count) > lines.size() - first - 2) {
        return std::nullopt;
    }
    std::vector<chem::Atom> atoms;
    for (int k = 0; k < *count; ++k) {
        const auto words = Words(lines[first + 2 + k]);
        if (words.size() < 4) return std::nullopt;
        const auto x = ParseDouble(words[1]), y = ParseDouble(words[2]), z = ParseDouble(words[3]);
        auto atom = (x && y && z) ? MakeAtom(words[0], {*x, *y, *z}) : std::nullopt;
        if (!atom) return std::nullopt;
        atoms.push_back(*atom);
    }
    return atoms;
}

// A Turbomole "$coord" block: "x y z element" rows in bohr up to the next "$" line.
std::optional<std::vector<chem::Atom>> ReadCoord(const Lines& lines) {
    std::size_t row = 0;
    while (row < lines.size() && !StartsWith(Trim(lines[row]), "$coord")) ++row;
    if (row == lines.size()) return std::nullopt;
    std::vector<chem::Atom> atoms;
    for (++row; row < lines.size() && !StartsWith(Trim(lines[row]), "$"); ++row) {
        const auto words = Words(lines[row]);
        if (words.size() < 4) return std::nullopt;
        const auto x = ParseDouble(words[0]), y = ParseDouble(words[1]), z = ParseDouble(words[2]);
        auto atom = (x && y && z) ? MakeAtom(words[3], {*x * kBohrToAngstrom, *y * kBohrToAngstrom,
                                                        *z * kBohrToAngstrom})
                                  : std::nullopt;
        if (!atom) return std::nullopt;
        atoms.push_back(*atom);
    }
    if (atoms.empty()) return std::nullopt;
    return atoms;
}

}  // namespace

std::optional<std::vector<chem::Atom>> ReadGeometryFile(std::string_view text) {
    const Lines lines = SplitLines(text);
    std::size_t first = 0;
    while (first < lines.size() && Trim(lines[first]).empty()) ++first;
    if (first < lines.size() && StartsWith(Trim(lines[first]), "$")) return ReadCoord(lines);
    return ReadXyz(lines, first);
}

Result<QcResult> ReadXtbOutput(std::string_view text, std::string_view fileName,
                               const CompanionReader& companions) {
    const Lines lines = SplitLines(text);
    QcResult result;
    result.program = "xtb";
    std::string coordinateFile;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (Contains(line, "xtb version") && result.version.empty()) {
            const auto words = Words(line.substr(line.find("xtb version") + 11));
            if (!words.empty()) result.version = std::string(words[0]);
        } else if (Contains(line, "program call") && Contains(line, ":")) {
            // "--uhf N" gives the number of unpaired electrons.
            const auto words = Words(line);
            for (std::size_t k = 0; k + 1 < words.size(); ++k) {
                if (words[k] == "--uhf") {
                    const auto n = ParseInt(words[k + 1]);
                    result.multiplicity = (n && *n >= 0 && *n < 1000) ? *n + 1 : 0;
                }
            }
        } else if (Contains(line, "coordinate file") && Contains(line, ":")) {
            coordinateFile = std::string(Trim(line.substr(line.find(':') + 1)));
        } else if (Contains(line, "final structure:")) {
            std::size_t first = i + 1;
            if (first < lines.size() && StartsWith(Trim(lines[first]), "=")) ++first;
            auto atoms = ReadXyz(lines, first);
            if (!atoms) return FileFailure(fileName, "the final structure is incomplete");
            result.atoms = std::move(*atoms);
        } else if (Contains(line, "projected vibrational frequencies")) {
            result.wavenumbers.clear();
            std::size_t row = i + 1;
            for (; row < lines.size() && StartsWith(lines[row], "eigval :"); ++row) {
                const auto values = NumbersAfter(lines[row], ":");
                result.wavenumbers.insert(result.wavenumbers.end(), values.begin(), values.end());
            }
            i = row - 1;
        } else if (Contains(line, "rotational number")) {
            result.printedSigma = WholeNumber(NumberAfter(line, "number"));
        } else if (Contains(line, ":: total energy")) {
            result.electronicEnergy = NumberAfter(line, "energy");
        }
    }
    if (result.atoms.empty() && !coordinateFile.empty() && !result.wavenumbers.empty()) {
        const auto companion = companions ? companions(coordinateFile) : std::nullopt;
        if (!companion) {
            return FileFailure(fileName, "no geometry found (the coordinate file " +
                                             coordinateFile + " it names cannot be read)");
        }
        auto atoms = ReadGeometryFile(*companion);
        if (!atoms) {
            return FileFailure(
                fileName, "no geometry found (" + coordinateFile + " is not an xyz or coord file)");
        }
        result.atoms = std::move(*atoms);
    }
    return CheckReadResult(std::move(result), fileName);
}

}  // namespace moltherm::qcio
