#pragma once

#include "engine/constants.h"
#include "engine/expected.h"
#include "engine/molecule.h"
#include "engine/options.h"
#include "engine/results.h"

namespace moltherm {

// Why a molecule cannot be computed at a temperature: the input that is at fault.
enum class ThermoFault {
    kTemperature,           // not positive, or beyond what an ordinary molecule can be computed at
    kMolarMass,             // not positive, or the translational terms cannot be represented
    kElectronicEnergy,      // negative, or the electronic terms cannot be represented
    kRotationalConstant,    // not positive, or the rotational terms cannot be represented
    kVibrationalFrequency,  // not positive, or the vibrational terms cannot be represented
    kAtomCount,             // below 1
    kSymmetryNumber,        // below 1
    kDegeneracy,            // below 1, or no electronic level
};

// The results grid of one mole of the ideal gas of `molecule` at temperature T [K] and 1 bar.
//
// Energies are measured from the lowest vibrational level of every mode (no zero-point energy)
// and from the electronic levels as given; translation and rotation are classical. With
// x = hc nu / kT for a mode of wavenumber nu and degeneracy g, e a level energy [1/cm] with
// degeneracy g, R = gasConst, and q per molecule:
//
//   translation  q = transCoef T^2.5                         (in the volume kT/p0, p0 = 1 bar)
//                U = 3/2 RT                    [J/mol]
//                S = R ln q + 5/2 R            [J/(K mol)]
//                Cp = 5/2 R                    [J/(K mol)]
//                H = U + RT   (pV belongs to translation alone)
//   rotation     q = rotCoef T^r, r = 1 linear, 3/2 non-linear (1 and zeros for an atom)
//                U = r RT, S = U/T + R ln q, Cp = r R, H = U
//   vibration    q = prod (1 - e^-x)^-g
//                U = RT sum g x / (e^x - 1), S = U/T + R ln q, Cp = R sum g x^2 e^x / (e^x - 1)^2
//   electronic   q = sum g e^(-hc e / kT)
//                U = NA hc sum(e g e^(-hc e/kT)) / q, S = U/T + R ln q,
//                Cp = R (hc/kT)^2 mean(e^2) - U^2 / (R T^2)
//   total        q = product of the four; U, S, Cp sums; H = U + RT
//   every column A = U - TS, G = H - TS
//
// transCoef and rotCoef are those of engine/coefficients.h. The operations are grouped exactly
// as written above, in the order vibration, electronic, rotation, translation, totals: the
// report prints rounded decimals of these doubles, and a different grouping changes the last
// bits and so, now and then, a printed digit. Only where those forms cannot be evaluated in
// doubles (1 - e^-x and e^x - 1 rounding to 0 for x below 1e-7, e^x overflowing for x above
// about 709.78, a level too high to be populated, 0 * infinity) are equivalent forms used.
//
// `options` change the conventions as engine/options.h says; under every option A = U - TS and
// G = H - TS, and q is the harmonic one (from the bottom of the well with the zero-point
// energy), also under the quasi-RRHO options, which interpolate S and U per mode.
//
// Never returns a grid with NaN or infinity: a result that cannot be represented is refused
// with the input at fault. The temperature is blamed only when an ordinary molecule cannot be
// computed at it either.
Expected<ThermoResults, ThermoFault> ComputeThermo(const PhysicalConstants& c,
                                                   const Molecule& molecule, double temperature,
                                                   const ThermoOptions& options = {});

// E0 = 1/2 NA hc sum g nu F_zpe over the molecule's modes as given [J/mol]; 0 for an atom.
double ZeroPointEnergy(const PhysicalConstants& c, const Molecule& molecule,
                       const ThermoOptions& options);

}  // namespace moltherm
