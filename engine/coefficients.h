#pragma once

#include "engine/constants.h"
#include "engine/molecule.h"

namespace moltherm {

// q_trans/N = TranslationalCoefficient * T^2.5 at 1 bar [K^-2.5]; molarMass [g/mol]:
// (2 pi m k / h^2)^1.5 k / p0 with m = molarMass / (1000 NA) [kg].
double TranslationalCoefficient(const PhysicalConstants& c, double molarMass);

struct RotationalCoefficient {
    double rotCoef;      // [K^-rotExponent]
    double rotExponent;  // 1.0 linear, 1.5 non-linear
};

// q_rot = rotCoef * T^rotExponent; constants [1/cm].
//   linear:     rotCoef = k / (B hc) / sigma
//   non-linear: rotCoef = sqrt(pi / (A B C)) (k / hc)^1.5 / sigma
RotationalCoefficient LinearRotation(const PhysicalConstants& c, double rotConst1, double sigma);
RotationalCoefficient NonlinearRotation(const PhysicalConstants& c, double rotConst1,
                                        double rotConst2, double rotConst3, double sigma);
// The one that fits the molecule's shape (an atom's is never read).
RotationalCoefficient RotationOf(const PhysicalConstants& c, const Molecule& molecule);

}  // namespace moltherm
