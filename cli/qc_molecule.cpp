#include "cli/qc_molecule.h"

#include <filesystem>

#include "calc/molecule_description.h"
#include "qcio/read_qc_file.h"

namespace moltherm::cli {

QcMoleculeRead ReadQcMolecule(const std::string& path, std::string_view text,
                              qcio::ImaginaryModes imaginary) {
    QcMoleculeRead read;
    const bool standardInput = path == "-";
    const std::filesystem::path file(path);
    const std::string fileName = standardInput ? "standard input" : file.filename().string();
    read.entry.label = fileName;
    const std::string name = standardInput ? "standard input" : file.stem().string();
    read.entry.name = name;

    const auto result = standardInput ? qcio::ReadQcText(text, fileName) : qcio::ReadQcFile(file);
    if (!result) {
        // The reader's message starts with the file name, which the label already gives.
        const std::string prefix = fileName + ": ";
        const std::string& message = result.error();
        read.error = message.starts_with(prefix) ? message.substr(prefix.size()) : message;
        return read;
    }
    const auto molecule = DescribeQcResult(*result, name, imaginary, read.warnings);
    if (!molecule) {
        read.error = molecule.error();
        return read;
    }
    read.entry.texts = TextsOf(*molecule);
    read.entry.formula = molecule->formula;
    read.entry.source = molecule->source;
    read.entry.geometry = molecule->geometry;
    read.entry.frequencyScaleApplied = molecule->frequencyScaleApplied;
    read.entry.droppedImaginary = molecule->droppedImaginary;
    // An atom keeps the window's one empty row.
    read.entry.nModes = static_cast<std::int16_t>(
        read.entry.texts.wavenumbers.empty() ? 1 : read.entry.texts.wavenumbers.size());
    read.entry.lastLevel = static_cast<std::int16_t>(read.entry.texts.energies.size() - 1);
    return read;
}

}  // namespace moltherm::cli
