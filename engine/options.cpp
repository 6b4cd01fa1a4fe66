#include "engine/options.h"

namespace moltherm {

double StandardState::pascal() const {
    switch (unit) {
        case PressureUnit::kBar:
            return value * 100000;
        case PressureUnit::kAtm:
            return value * 101325;
        case PressureUnit::kPa:
            return value;
        case PressureUnit::kKPa:
            return value * 1000;
        case PressureUnit::kMPa:
            return value * 1e6;
        case PressureUnit::kTorr:
            return value * (101325.0 / 760);
    }
    return value;
}

}  // namespace moltherm
