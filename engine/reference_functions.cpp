#include "engine/reference_functions.h"

namespace moltherm {

ReferenceFunctions ReferenceFunctionsOf(double temperature, const ThermoResults& atTemperature,
                                        const ThermoResults& atReference) {
    ReferenceFunctions f;
    f.hMinusHr = atTemperature.total.h - atReference.total.h;
    f.gibbsEnergyFunction = atTemperature.total.s - f.hMinusHr / temperature;
    return f;
}

Expected<ReferenceFunctions, ThermoFault> ComputeReferenceFunctions(const PhysicalConstants& c,
                                                                    const Molecule& molecule,
                                                                    double temperature) {
    const auto atTemperature = ComputeThermo(c, molecule, temperature);
    if (!atTemperature) return Unexpected{atTemperature.error()};
    const auto atReference = ComputeThermo(c, molecule, kReferenceTemperature);
    if (!atReference) return Unexpected{atReference.error()};
    return ReferenceFunctionsOf(temperature, *atTemperature, *atReference);
}

}  // namespace moltherm
