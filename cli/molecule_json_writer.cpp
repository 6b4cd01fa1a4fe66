#include "cli/molecule_json_writer.h"

#include "calc/molecule_json.h"

namespace moltherm::cli {

void MoleculeJsonWriter::write(const MoleculeOutcome& outcome) {
    if (!outcome.ok()) return;
    const MoleculeEntry& entry = outcome.entry;
    const Molecule& molecule = outcome.molecule;
    MoleculeDescription m;
    m.name = entry.name.value_or("");
    m.formula = entry.formula;
    m.source = entry.source;
    m.geometry = entry.geometry;
    m.atoms = molecule.atoms;
    m.molarMass = molecule.molarMass;
    m.shape = molecule.shape;
    m.sigma = molecule.sigma;
    m.rotationalConstants = molecule.rotationalConstants;
    m.modes = molecule.modes;
    m.levels = molecule.levels;
    m.droppedImaginary = entry.droppedImaginary;
    m.frequencyScaleApplied = entry.frequencyScaleApplied;
    std::string& out = buffer();
    out += first_ ? "" : ",";
    out += eol();
    first_ = false;
    out += WriteMoleculeJson(m, eol());
    flushWhenFull();
}

void MoleculeJsonWriter::end() {
    if (!first_) buffer() += eol();
    buffer() += ']';
    buffer() += eol();
}

}  // namespace moltherm::cli
