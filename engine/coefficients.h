#pragma once

#include "engine/constants.h"

namespace moltherm {

// q_trans/N = TranslationalCoefficient * T^2.5 at 1 bar; molarMass [g/mol].
double TranslationalCoefficient(const PhysicalConstants& c, double molarMass);

struct RotationalCoefficient {
    double rotCoef;
    double rotExponent;  // 1.0 linear, 1.5 non-linear
};

// q_rot = rotCoef * T^rotExponent; constants [1/cm]; rotConst2 and 3 are read only when non-linear.
RotationalCoefficient LinearRotation(const PhysicalConstants& c, double rotConst1, double sigma);
RotationalCoefficient NonlinearRotation(const PhysicalConstants& c, double rotConst1,
                                        double rotConst2, double rotConst3, double sigma);

}  // namespace moltherm
