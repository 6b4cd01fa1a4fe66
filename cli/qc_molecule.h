#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/molecule_entry.h"
#include "qcio/molecule_modes.h"

namespace moltherm::cli {

// A quantum-chemistry output as the window's boxes, or why it gives none.
struct QcMoleculeRead {
    MoleculeEntry entry;  // named by the file name without its extension
    std::optional<std::string> error;
    std::vector<std::string> warnings;  // what the file printed otherwise than its geometry gives
};

// Reads the output at `path` (standard input when "-", whose `text` is given), told a
// quantum-chemistry output by its content. Messages and the label name the file.
QcMoleculeRead ReadQcMolecule(const std::string& path, std::string_view text,
                              qcio::ImaginaryModes imaginary);

}  // namespace moltherm::cli
