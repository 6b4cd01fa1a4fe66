#pragma once

#include <array>
#include <vector>

namespace moltherm {

enum class Shape { kLinear, kNonlinear };

// One row of vibrational modes sharing a wavenumber.
struct VibrationalMode {
    double wavenumber = 0;  // [1/cm]
    int degeneracy = 1;
};

// One electronic level, measured from the ground level.
struct ElectronicLevel {
    double energy = 0;  // [1/cm]
    int degeneracy = 1;
};

// One molecule in the ideal-gas state, as the engine computes it. An atom (atoms == 1) has no
// rotation and no vibration: its shape, sigma, rotational constants and modes are not read.
struct Molecule {
    int atoms = 1;
    double molarMass = 0;  // [g/mol]
    Shape shape = Shape::kLinear;
    int sigma = 1;  // rotational symmetry number
    // [1/cm]; a linear molecule has one (the first), a non-linear one three.
    std::array<double, 3> rotationalConstants{};
    std::vector<VibrationalMode> modes;
    std::vector<ElectronicLevel> levels{ElectronicLevel{}};
};

// The rules every molecule keeps, in one place.
namespace limits {
// 3N - 5 vibrational modes of a linear molecule must fit a 16-bit count: 3 * 10924 - 5 = 32767.
inline constexpr int kMaxAtoms = 10924;
// The degeneracies of one molecule's vibrational rows, and of its electronic levels, add up to
// at most this (16-bit counts).
inline constexpr int kMaxDegeneracySum = 32767;
// Largest index of a row or level (16-bit index).
inline constexpr int kMaxRowIndex = 32767;
}  // namespace limits

// An atom or a diatomic molecule can only be linear.
constexpr bool MustBeLinear(int atoms) {
    return atoms <= 2;
}

// The number of vibrational modes, counted with their degeneracies: 3N - 5 for a linear
// molecule, 3N - 6 for a non-linear one, 0 for an atom.
constexpr int VibrationalModeCount(int atoms, Shape shape) {
    if (atoms <= 1) return 0;
    return 3 * atoms - (shape == Shape::kLinear ? 5 : 6);
}

}  // namespace moltherm
