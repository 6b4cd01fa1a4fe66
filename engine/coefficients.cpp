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
    const double product = rotConst1 * rotConst2 * rotConst3;
    // Three tiny constants can underflow to 0 while the coefficient itself is representable.
    const double root = product > 0 ? std::sqrt(c.pi / product)
                                    : std::exp(0.5 * (std::log(c.pi) - std::log(rotConst1) -
                                                      std::log(rotConst2) - std::log(rotConst3)));
    return {root * std::pow(c.boltzmann / c.hcCm, 1.5) / sigma, 1.5};
}

RotationalCoefficient RotationOf(const PhysicalConstants& c, const Molecule& m) {
    const auto& b = m.rotationalConstants;
    return m.shape == Shape::kNonlinear ? NonlinearRotation(c, b[0], b[1], b[2], m.sigma)
                                        : LinearRotation(c, b[0], m.sigma);
}

}  // namespace moltherm
