#include "engine/coefficients.h"

#include <cmath>

namespace moltherm {

double TranslationalCoefficient(const PhysicalConstants& c, double molarMass) {
    const double numerator = ((c.pi + c.pi) * molarMass) * c.boltzmann;
    const double denominator = ((c.avogadro * 1000) * c.planck) * c.planck;
    return std::pow(numerator / denominator, 1.5) * c.boltzmann / c.stdPressure;
}

RotationalCoefficient LinearRotation(const PhysicalConstants& c, double rotConst1, double sigma) {
    return {c.boltzmann / (rotConst1 * c.hcCm) / sigma, 1.0};
}

RotationalCoefficient NonlinearRotation(const PhysicalConstants& c, double rotConst1,
                                        double rotConst2, double rotConst3, double sigma) {
    const double rotCoef = std::sqrt(c.pi / (rotConst1 * rotConst2 * rotConst3)) *
                           std::pow(c.boltzmann / c.hcCm, 1.5) / sigma;
    return {rotCoef, 1.5};
}

}  // namespace moltherm
