#include "calc/molecule_json.h"

#include "calc/molecule_reader.h"
#include "chem/elements.h"

namespace moltherm {
namespace {

std::string Quoted(const std::string& text) {
    return Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

// `[{"<key>": v, "degeneracy": g}, ...]`, one entry a line.
template <typename Row>
std::string Rows(const std::vector<Row>& rows, const char* key, double Row::*value,
                 const char* eol) {
    std::string out = "[";
    for (std::size_t k = 0; k < rows.size(); ++k)
        out += std::string(k ? "," : "") + eol + "    {\"" + key +
               "\": " + ExactText(rows[k].*value) +
               ", \"degeneracy\": " + std::to_string(rows[k].degeneracy) + "}";
    return out + eol + "  ]";
}

}  // namespace

Expected<MoleculeDescription, std::string> ReadMoleculeJson(const std::string& text,
                                                            const PhysicalConstants& constants) {
    const auto molecules = ParseMoleculeFile(text);
    if (!molecules) return Unexpected{SyntaxErrorText(molecules.error())};
    if (molecules->size() != 1)
        return Unexpected{"holds " + std::to_string(molecules->size()) + " molecules, not one"};
    const MoleculeRead read = ReadMolecule(molecules->front(), 1);
    const MoleculeEntry& entry = read.entry;
    auto molecule = DescribeTexts(constants, entry.texts, entry.nModes, entry.lastLevel);
    if (read.problem && (molecule || !WindowMessageFirst(molecule.error(), *read.problem)))
        return Unexpected{read.problem->message};
    if (!molecule) return molecule;
    molecule->formula = entry.formula;
    molecule->source = entry.source;
    molecule->geometry = entry.geometry;
    molecule->droppedImaginary = entry.droppedImaginary;
    molecule->frequencyScaleApplied = entry.frequencyScaleApplied;
    return molecule;
}

std::string WriteMoleculeJson(const MoleculeDescription& m, const char* eol) {
    // Numbers go in as raw text so that each keeps its shortest round-trip digits.
    const std::string next = std::string(",") + eol + "  ";
    std::string out = std::string("{") + eol + "  \"name\": " + Quoted(m.name);
    if (m.formula) out += next + "\"formula\": " + Quoted(*m.formula);
    if (m.source) out += next + "\"source\": " + Quoted(*m.source);
    if (!m.geometry.empty()) {
        out += next + "\"geometry\": [";
        for (std::size_t k = 0; k < m.geometry.size(); ++k) {
            const chem::Atom& atom = m.geometry[k];
            const chem::Element* element = chem::ElementByNumber(atom.element);
            out += std::string(k ? "," : "") + eol +
                   "    {\"element\": " + Quoted(element ? std::string(element->symbol) : "?");
            for (std::size_t axis = 0; axis < 3; ++axis)
                out += ", \"" + std::string(1, static_cast<char>('x' + axis)) +
                       "\": " + ExactText(atom.position[axis]);
            out += ", \"mass\": " + ExactText(atom.mass) + "}";
        }
        out += std::string(eol) + "  ]";
    }
    out += next + "\"molar_mass\": " + ExactText(m.molarMass);
    out += next + "\"atoms\": " + std::to_string(m.atoms);
    if (m.atoms > 1) {
        const bool linear = m.shape == Shape::kLinear;
        out += next + R"("shape": ")" + (linear ? "linear" : "nonlinear") + "\"";
        out += next + "\"symmetry_number\": " + std::to_string(m.sigma);
        out += next + "\"rotational_constants\": [";
        for (std::size_t k = 0; k < (linear ? 1U : 3U); ++k)
            out += (k ? ", " : "") + ExactText(m.rotationalConstants[k]);
        out += "]" + next +
               "\"vibrations\": " + Rows(m.modes, "wavenumber", &VibrationalMode::wavenumber, eol);
        if (m.frequencyScaleApplied)
            out += next + "\"frequency_scale_applied\": " + ExactText(*m.frequencyScaleApplied);
        if (m.droppedImaginary > 0)
            out += next + "\"imaginary_modes_dropped\": " + std::to_string(m.droppedImaginary);
    }
    out +=
        next + "\"electronic_levels\": " + Rows(m.levels, "energy", &ElectronicLevel::energy, eol);
    return (out += eol) += "}";
}

}  // namespace moltherm
