#include "qcio/molden_reader.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "qcio/reader_support.h"
#include "qcio/text_scan.h"

namespace moltherm::qcio {
namespace {

// "[FR-COORD]" -> "FR-COORD"; "[Atoms] Angs" -> "ATOMS"; empty for a line that is no section title.
std::string SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return {};
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return {};
    std::string name(line.substr(1, close - 1));
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return name;
}

}  // namespace

Result<QcResult> ReadMolden(std::string_view text, std::string_view fileName) {
    QcResult result;
    result.program = "Molden";
    bool sawFreq = false, sawCoord = false;
    std::string section;
    for (std::string_view line : SplitLines(text)) {
        if (std::string name = SectionName(line); !name.empty()) {
            section = std::move(name);
            sawFreq = sawFreq || section == "FREQ";
            sawCoord = sawCoord || section == "FR-COORD";
            continue;
        }
        if (Trim(line).empty()) continue;
        const auto words = Words(line);
        if (section == "FREQ") {
            const auto value = words.size() == 1 ? ParseDouble(words[0]) : std::nullopt;
            if (!value) return FileFailure(fileName, "[FREQ] holds a line that is not a number");
            result.wavenumbers.push_back(*value);
        } else if (section == "FR-COORD") {
            // "C        2.67238738     -0.44749758      0.00000000" [bohr]
            std::optional<chem::Atom> atom;
            if (words.size() == 4) {
                const auto x = ParseDouble(words[1]), y = ParseDouble(words[2]),
                           z = ParseDouble(words[3]);
                if (x && y && z) {
                    atom = MakeAtom(words[0], {*x * kBohrToAngstrom, *y * kBohrToAngstrom,
                                               *z * kBohrToAngstrom});
                }
            }
            if (!atom) return FileFailure(fileName, "[FR-COORD] holds a line that is not an atom");
            result.atoms.push_back(*atom);
        }
    }
    if (!sawFreq) return FileFailure(fileName, "no [FREQ] section (is it a frequency job?)");
    if (!sawCoord) return FileFailure(fileName, "no [FR-COORD] section with the geometry");
    return CheckReadResult(std::move(result), fileName);
}

}  // namespace moltherm::qcio
