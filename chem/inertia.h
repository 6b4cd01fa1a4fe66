#pragma once

#include <array>
#include <span>
#include <vector>

#include "chem/atom.h"

namespace moltherm::chem {

using Vector3 = std::array<double, 3>;
using Matrix3 = std::array<Vector3, 3>;  // row-major

// Sum of the atoms' masses: [u] per molecule, the same number as [g/mol].
double MolarMass(std::span<const Atom> atoms);

// Mass-weighted mean position [Angstrom]; the origin for an empty list.
Vector3 CentreOfMass(std::span<const Atom> atoms);

// I = sum m (|r|^2 E - r r^T) over positions r relative to the centre of mass [u Angstrom^2].
Matrix3 InertiaTensor(std::span<const Atom> atoms);

// The eigenvalues of the inertia tensor in ascending order [u Angstrom^2] and the unit axis of
// each: axes[i] belongs to moments[i].
struct PrincipalAxes {
    Vector3 moments{0, 0, 0};
    Matrix3 axes{Vector3{1, 0, 0}, Vector3{0, 1, 0}, Vector3{0, 0, 1}};
};
PrincipalAxes PrincipalMoments(std::span<const Atom> atoms);

enum class Shape { Atom, Linear, Nonlinear };

// A molecule is linear when its smallest principal moment is below kLinearMomentRatio times its
// largest. Rounding a linear molecule's coordinates to 4 decimals leaves at most 5e-9 (4e-7 at
// 3 decimals); CuCN as Gaussian optimised it, 0.36 degrees from linear and treated as bent by
// Gaussian, has 1.4e-6, and HCCH bent by 0.5 degrees at one end 4.7e-6.
inline constexpr double kLinearMomentRatio = 1e-7;
Shape ShapeOf(std::span<const Atom> atoms);
Shape ShapeOf(const PrincipalAxes& principal, std::size_t atomCount);

// Rotational constants [1/cm], B = h / (8 pi^2 c I) with h, N_A and c = hcCm / planck from
// PhysicalConstants: none for an atom, one for a linear molecule (from the mean of its two equal
// moments), three in descending order (A >= B >= C) for a non-linear one.
std::vector<double> RotationalConstants(std::span<const Atom> atoms);
std::vector<double> RotationalConstants(const PrincipalAxes& principal, Shape shape);

}  // namespace moltherm::chem
