#include "engine/calc_input.h"

#include <cmath>

#include "engine/coefficients.h"
#include "engine/number_text.h"
#include "engine/thermo.h"

namespace moltherm {
namespace {

using Error = std::optional<std::string>;

const std::string& TextAt(const std::vector<std::string>& texts, std::size_t index) {
    static const std::string empty;
    return index < texts.size() ? texts[index] : empty;
}

bool UsableCoefficient(double value) {
    return std::isfinite(value) && value > 0;
}

// What the computation would refuse, attributed to the field that causes it.
Error CheckComputable(const PhysicalConstants& c, const CalcInputTexts& in,
                      const MolecularData& data) {
    MolecularData trial = data;
    StoreCoefficients(c, in.nonlinear, trial);
    if (!UsableCoefficient(trial.transCoef)) return messages::kInvalidMolarMass;
    if (data.nAtoms > 1 && !UsableCoefficient(trial.rotCoef)) return messages::kInvalidRotConst;
    const ThermoOutcome outcome = ComputeThermoAt(
        c, trial, data.temperature, DegeneracyTexts{in.vibDegeneracies, in.elecDegeneracies});
    return outcome.error;
}

}  // namespace

Error ReadCalcInput(const PhysicalConstants& c, const CalcInputTexts& in, MolecularData& data) {
    if (in.name.empty()) return messages::kUnnamed;

    const auto atoms = ParseWholeNumber(in.atomCount);
    if (!atoms || *atoms < 1) return messages::kInvalidAtomCount;
    data.nAtoms = *atoms;

    if (in.temperature.empty()) return messages::kNoTemperature;
    const auto temperature = ParseNumber(in.temperature);
    if (!temperature) return kInvalidTemperature;
    data.temperature = *temperature;
    if (data.temperature < 0) return kNegativeTemperature;
    if (data.temperature == 0) return kInvalidTemperature;

    if (in.molarMass.empty()) return messages::kNoMolarMass;
    const auto molarMass = ParseNumber(in.molarMass);
    if (!molarMass) return messages::kInvalidMolarMass;
    data.molarMass = *molarMass;
    if (data.molarMass < 1.0) return messages::kInvalidMolarMass;

    data.elecEnergy.assign(static_cast<std::size_t>(data.lastLevel) + 1, 0.0);
    for (int i = 0; i <= data.lastLevel; ++i) {
        const auto energy = ParseNumber(TextAt(in.energies, i));
        if (!energy) return messages::kInvalidEnergy;
        data.elecEnergy[i] = *energy;
    }
    for (int i = 0; i <= data.lastLevel; ++i)
        if (data.elecEnergy[i] < 0) return messages::kInvalidEnergy;

    const auto sigma = ParseWholeNumber(in.sigma);
    if (!sigma || *sigma < 1) return messages::kInvalidSigma;
    data.sigma = *sigma;

    if (data.nAtoms > 1) {
        const auto rot1 = ParseNumber(in.rotConsts[0]);
        if (!rot1) return messages::kInvalidRotConst;
        data.rotConst1 = *rot1;
        if (in.nonlinear) {
            const auto rot2 = ParseNumber(in.rotConsts[1]);
            if (!rot2) return messages::kInvalidRotConst;
            data.rotConst2 = *rot2;
            const auto rot3 = ParseNumber(in.rotConsts[2]);
            if (!rot3) return messages::kInvalidRotConst;
            data.rotConst3 = *rot3;
        }
        // A zero constant would divide by zero in the rotational coefficient.
        if (data.rotConst1 <= 0 || (in.nonlinear && (data.rotConst2 <= 0 || data.rotConst3 <= 0)))
            return messages::kInvalidRotConst;

        data.vibFreq.assign(static_cast<std::size_t>(data.nModes) + 1, 0.0);
        for (int i = 1; i <= data.nModes; ++i) {
            const auto frequency = ParseNumber(TextAt(in.wavenumbers, i - 1));
            if (!frequency) return messages::kInvalidFrequency;
            data.vibFreq[i] = *frequency;
        }
        // A zero wavenumber has no finite vibrational terms (e^x - 1 = 0).
        for (int i = 1; i <= data.nModes; ++i)
            if (data.vibFreq[i] <= 0) return messages::kInvalidFrequency;
    }
    return CheckComputable(c, in, data);
}

void StoreCoefficients(const PhysicalConstants& c, bool nonlinear, MolecularData& data) {
    data.transCoef = TranslationalCoefficient(c, data.molarMass);
    if (data.nAtoms <= 1) return;
    const double sigma = data.sigma;
    const RotationalCoefficient rot =
        nonlinear ? NonlinearRotation(c, data.rotConst1, data.rotConst2, data.rotConst3, sigma)
                  : LinearRotation(c, data.rotConst1, sigma);
    data.rotCoef = rot.rotCoef;
    data.rotExponent = rot.rotExponent;
}

}  // namespace moltherm
