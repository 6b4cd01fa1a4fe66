#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chem/atom.h"
#include "qcio/qc_result.h"
#include "qcio/result.h"

// What every reader shares: unit conversions, atoms from what a file prints, and the messages
// for what a file lacks.
namespace moltherm::qcio {

inline constexpr double kBohrToAngstrom = 0.529177210903;  // CODATA 2018 Bohr radius [Angstrom]
inline constexpr double kLightSpeedCmPerNs = 29.9792458;   // c [cm/ns]: B[1/cm] = B[GHz] / c

// An atom of atomic number z at a position [Angstrom], with the mass the file printed or else
// that of the most abundant isotope; nothing when z names no element.
std::optional<chem::Atom> MakeAtom(int z, const std::array<double, 3>& position,
                                   std::optional<double> mass = std::nullopt);

// The same from an element label ("C", "Cl", "H12").
std::optional<chem::Atom> MakeAtom(std::string_view label, const std::array<double, 3>& position,
                                   std::optional<double> mass = std::nullopt);

// Rotational constants as the file printed them, converted to 1/cm; of a linear molecule's
// "0 B B" only B is kept.
std::vector<double> RotConstsFromGHz(const std::vector<double>& ghz);
std::vector<double> RotConstsFromMHz(const std::vector<double>& mhz);
std::vector<double> NonZero(const std::vector<double>& values);

// "water.log: <what>".
Failure FileFailure(std::string_view fileName, std::string_view what);

inline constexpr std::string_view kNoGeometry = "no geometry found";
inline constexpr std::string_view kNoFrequencies = "no frequencies found (is it a frequency job?)";

// The last checks every reader's result passes: frequencies, a geometry, and values in range.
// (Every number comes from ParseDouble, finite, times a factor of at most 1: none is infinite.)
Result<QcResult> CheckReadResult(QcResult result, std::string_view fileName);

}  // namespace moltherm::qcio
