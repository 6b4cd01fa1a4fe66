#pragma once

#include <array>
#include <optional>

#include "engine/constants.h"
#include "engine/expected.h"
#include "engine/molecule.h"
#include "engine/options.h"
#include "engine/thermo.h"

namespace moltherm {

// The seven coefficients of one temperature range, T in K, R = PhysicalConstants::gasConst:
//   Cp/R = a1 + a2 T + a3 T^2 + a4 T^3 + a5 T^4
//   H/RT = a1 + a2 T/2 + a3 T^2/3 + a4 T^3/4 + a5 T^4/5 + a6/T
//   S/R  = a1 ln T + a2 T + a3 T^2/2 + a4 T^3/3 + a5 T^4/4 + a7
// (a1 is index 0.)
using Nasa7Coefficients = std::array<double, 7>;

// Cp/R, H/RT and S/R of one range at T [K].
struct Nasa7Value {
    double cpOverR = 0;
    double hOverRT = 0;
    double sOverR = 0;
};
Nasa7Value EvaluateNasa7(const Nasa7Coefficients& a, double temperature);

// TLOW < TMID < THIGH [K]: the low range is [TLOW, TMID], the high one [TMID, THIGH].
struct Nasa7Temperatures {
    double low = 200;
    double mid = 1000;
    double high = 3000;
};
// The highest THIGH a fit accepts [K].
inline constexpr double kMaxNasa7Temperature = 100000;

// The largest |polynomial - exact value| over one range, checked at most 1 K apart.
struct Nasa7Deviation {
    double cp = 0;  // [J/(K mol)]
    double h = 0;   // [J/mol]
    double s = 0;   // [J/(K mol)]
};

// The accuracy the fit aims at for ordinary molecules over 200-3000 K; its deviations are
// weighed against these.
inline constexpr Nasa7Deviation kNasa7Targets{0.25, 50, 0.12};

struct Nasa7Fit {
    Nasa7Temperatures temperatures;
    Nasa7Coefficients low{};
    Nasa7Coefficients high{};
    Nasa7Deviation lowDeviation;
    Nasa7Deviation highDeviation;
    // The polynomials' H(298.15 K) [J/mol]: the enthalpy of formation when one was given,
    // otherwise the engine's H(298.15 K), measured from the lowest level.
    double h298 = 0;
    bool fromEnthalpyOfFormation = false;
    // The options included the zero-point energy: without an enthalpy of formation, H is
    // measured from the bottom of the well instead of the lowest level.
    bool zeroPointEnergy = false;
};

enum class Nasa7Problem {
    kTemperatures,         // not 0 < TLOW < TMID < THIGH <= kMaxNasa7Temperature
    kEnthalpyOfFormation,  // infinite or not a number
    kThermo,               // the engine refused the molecule at a temperature of the fit
};
struct Nasa7Fault {
    Nasa7Problem problem = Nasa7Problem::kTemperatures;
    ThermoFault thermo = ThermoFault::kTemperature;  // read only for kThermo
};

// Fits both ranges to the engine's total Cp, H and S of `molecule`:
// - a1..a5 of both ranges, with Cp and dCp/dT continuous at TMID, by least squares on Cp, H and
//   S at points at most 10 K apart, each deviation divided by its target, reweighted toward the
//   smallest largest deviation (Lawson). Plain least squares on Cp alone leaves the largest Cp
//   deviations at the ends of a range: twice as large, and beyond the target for a molecule of
//   six atoms;
// - a6, a7 of the low range so that H and S are exact at 298.15 K (at the nearer end of the low
//   range when 298.15 K lies outside it), with H(298.15 K) = `enthalpyOfFormation` [J/mol] when
//   given, so that H(T) = enthalpyOfFormation + [H(T) - H(298.15 K)];
// - a6, a7 of the high range so that H and S are continuous at TMID.
// The exact values are those of ComputeThermo under `options`.
Expected<Nasa7Fit, Nasa7Fault> FitNasa7(const PhysicalConstants& c, const Molecule& molecule,
                                        const Nasa7Temperatures& temperatures,
                                        std::optional<double> enthalpyOfFormation = std::nullopt,
                                        const ThermoOptions& options = {});

}  // namespace moltherm
