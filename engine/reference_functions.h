#pragma once

#include "engine/constants.h"
#include "engine/expected.h"
#include "engine/molecule.h"
#include "engine/results.h"
#include "engine/thermo.h"

namespace moltherm {

// The reference temperature Tr of thermochemical tables [K].
inline constexpr double kReferenceTemperature = 298.15;

// The functions thermochemical tables list beside Cp and S, for the total:
//   hMinusHr             H(T) - H(Tr)               [J/mol]
//   gibbsEnergyFunction  -[G(T) - H(Tr)] / T        [J/(K mol)]
// evaluated as S(T) - [H(T) - H(Tr)] / T, which is S itself at Tr.
struct ReferenceFunctions {
    double hMinusHr = 0;
    double gibbsEnergyFunction = 0;
};

// From the grids at T and at Tr, so that a table of many temperatures computes Tr once.
ReferenceFunctions ReferenceFunctionsOf(double temperature, const ThermoResults& atTemperature,
                                        const ThermoResults& atReference);

// Computes both grids; a refusal names the input at fault, as ComputeThermo does.
Expected<ReferenceFunctions, ThermoFault> ComputeReferenceFunctions(const PhysicalConstants& c,
                                                                    const Molecule& molecule,
                                                                    double temperature);

}  // namespace moltherm
