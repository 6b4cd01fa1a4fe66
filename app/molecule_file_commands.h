#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "app/frm_moltherm.h"
#include "calc/molecule_description.h"
#include "engine/expected.h"

namespace moltherm::app {

// Opening and saving molecules in the window, on the window's own input entry points only: the
// boxes end up holding exactly what a user could have typed and stepped.

// Why the window cannot hold a molecule (a dropped imaginary mode, counts past its limits,
// degeneracies that do not add up to 3N-5 or 3N-6); nothing when it can.
std::optional<std::string> WhyWindowCannotHold(const MoleculeDescription& molecule);

// Puts a molecule into the boxes: in results mode "New Data" first, then the atom spinner, the
// shape, sigma, degeneracy and level steps and the typed texts. A molecule the window cannot
// hold is refused before anything changes, its message in the error box. Returns the message.
std::optional<std::string> OpenMolecule(frmMoltherm& form, const MoleculeDescription& molecule);

// Reads a molecule file or a quantum-chemistry output (told by its content) and opens it; a file
// that cannot be read gets its one-line message in the error box.
std::optional<std::string> OpenMoleculeFile(frmMoltherm& form, const std::filesystem::path& path);

// The molecule in the boxes, read with the checks of "Calc" (the temperature aside, which a
// molecule does not carry); the message "Calc" would give otherwise.
Expected<MoleculeDescription, std::string> MoleculeInBoxes(const frmMoltherm& form);

// Writes the boxes as a molecule file the command line reads. A box "Calc" would refuse, or a
// file that cannot be written, puts its message in the error box and writes nothing.
std::optional<std::string> SaveMoleculeFile(frmMoltherm& form, const std::filesystem::path& path);

}  // namespace moltherm::app
