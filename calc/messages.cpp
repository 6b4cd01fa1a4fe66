#include "calc/messages.h"

#include "report/option_lines.h"

namespace moltherm::messages {

std::string AlreadyScaled(double factor) {
    return "Frequencies already scaled by " + ShortestText(factor) +
           " in the file: no second factor";
}

const char* ForFault(ThermoFault fault) {
    switch (fault) {
        case ThermoFault::kTemperature:
            return kInvalidTemperature;
        case ThermoFault::kMolarMass:
            return kInvalidMolarMass;
        case ThermoFault::kElectronicEnergy:
            return kInvalidEnergy;
        case ThermoFault::kRotationalConstant:
            return kInvalidRotConst;
        case ThermoFault::kVibrationalFrequency:
            return kInvalidFrequency;
        case ThermoFault::kAtomCount:
            return kInvalidAtomCount;
        case ThermoFault::kSymmetryNumber:
            return kInvalidSigma;
        case ThermoFault::kDegeneracy:
            return kInvalidDegeneracy;
    }
    return kInvalidTemperature;
}

}  // namespace moltherm::messages
