#include "calc/calc_input.h"

#include "calc/messages.h"
#include "calc/number_text.h"
#include "engine/coefficients.h"
#include "engine/thermo.h"

namespace moltherm {
namespace {

using Read = Expected<Molecule, std::string>;

std::string_view TextAt(std::span<const std::string> texts, std::size_t index) {
    return index < texts.size() ? std::string_view(texts[index]) : std::string_view();
}

std::optional<int> Degeneracy(std::string_view text) {
    const auto value = ParseWholeNumber(text);
    if (!value || *value < 1) return std::nullopt;
    return *value;
}

}  // namespace

Read ReadCalcInput(const PhysicalConstants& c, const CalcInputTexts& in, MolecularData& data,
                   const ThermoOptions& options) {
    using namespace messages;
    if (in.name.empty()) return Unexpected{kUnnamed};

    const auto atoms = ParseWholeNumber(in.atomCount);
    if (!atoms || *atoms < 1) return Unexpected{kInvalidAtomCount};
    data.nAtoms = *atoms;

    if (in.temperature.empty()) return Unexpected{kNoTemperature};
    const auto temperature = ParseNumber(in.temperature);
    if (!temperature) return Unexpected{kInvalidTemperature};
    data.temperature = *temperature;
    if (data.temperature < 0) return Unexpected{kNegativeTemperature};
    if (data.temperature == 0) return Unexpected{kInvalidTemperature};

    if (in.molarMass.empty()) return Unexpected{kNoMolarMass};
    const auto molarMass = ParseNumber(in.molarMass);
    if (!molarMass) return Unexpected{kInvalidMolarMass};
    data.molarMass = *molarMass;
    if (data.molarMass < 1.0) return Unexpected{kInvalidMolarMass};

    data.elecEnergy.assign(static_cast<std::size_t>(data.lastLevel) + 1, 0.0);
    for (int i = 0; i <= data.lastLevel; ++i) {
        const auto energy = ParseNumber(TextAt(in.energies, i));
        if (!energy) return Unexpected{kInvalidEnergy};
        data.elecEnergy[i] = *energy;
    }
    for (int i = 0; i <= data.lastLevel; ++i)
        if (data.elecEnergy[i] < 0) return Unexpected{kInvalidEnergy};

    const auto sigma = ParseWholeNumber(in.sigma);
    if (!sigma || *sigma < 1) return Unexpected{kInvalidSigma};
    data.sigma = *sigma;

    if (data.nAtoms > 1) {
        data.shape = in.nonlinear ? Shape::kNonlinear : Shape::kLinear;
        const int boxes = in.nonlinear ? 3 : 1;
        double* constants[] = {&data.rotConst1, &data.rotConst2, &data.rotConst3};
        for (int k = 0; k < boxes; ++k) {
            const auto value = ParseNumber(in.rotConsts[k]);
            if (!value) return Unexpected{kInvalidRotConst};
            *constants[k] = *value;
        }
        // A zero constant would divide by zero in the rotational coefficient.
        for (int k = 0; k < boxes; ++k)
            if (*constants[k] <= 0) return Unexpected{kInvalidRotConst};

        data.vibFreq.assign(static_cast<std::size_t>(data.nModes) + 1, 0.0);
        for (int i = 1; i <= data.nModes; ++i) {
            const auto frequency = ParseNumber(TextAt(in.wavenumbers, i - 1));
            if (!frequency) return Unexpected{kInvalidFrequency};
            data.vibFreq[i] = *frequency;
        }
        // A zero wavenumber has no finite vibrational terms (e^x - 1 = 0).
        for (int i = 1; i <= data.nModes; ++i)
            if (data.vibFreq[i] <= 0) return Unexpected{kInvalidFrequency};
    }

    Read molecule = MoleculeOf(data, in.vibDegeneracies, in.elecDegeneracies);
    if (!molecule) return molecule;
    // Refused here, before the window changes, rather than by the first table.
    const auto trial = ComputeThermo(c, *molecule, data.temperature, options);
    if (!trial) return Unexpected{ForFault(trial.error())};
    return molecule;
}

Read MoleculeOf(const MolecularData& data, std::span<const std::string> vibDegeneracies,
                std::span<const std::string> elecDegeneracies) {
    Molecule m;
    m.atoms = data.nAtoms;
    m.molarMass = data.molarMass;
    m.shape = data.shape;
    m.sigma = data.sigma;
    m.rotationalConstants = {data.rotConst1, data.rotConst2, data.rotConst3};
    m.levels.clear();
    for (int i = 0; i <= data.lastLevel; ++i) {
        const auto degeneracy = Degeneracy(TextAt(elecDegeneracies, i));
        if (!degeneracy) return Unexpected{messages::kInvalidDegeneracy};
        m.levels.push_back({data.elecEnergy[i], *degeneracy});
    }
    if (data.nAtoms > 1) {
        for (int i = 1; i <= data.nModes; ++i) {
            const auto degeneracy = Degeneracy(TextAt(vibDegeneracies, i - 1));
            if (!degeneracy) return Unexpected{messages::kInvalidDegeneracy};
            m.modes.push_back({data.vibFreq[i], *degeneracy});
        }
    }
    return m;
}

std::optional<std::string> TemperatureProblem(std::string_view text) {
    if (text.empty()) return messages::kNoTemperature;
    const auto temperature = ParseNumber(text);
    if (!temperature || *temperature == 0) return messages::kInvalidTemperature;
    if (*temperature < 0) return messages::kNegativeTemperature;
    return std::nullopt;
}

void StoreCoefficients(const PhysicalConstants& c, MolecularData& data) {
    data.transCoef = TranslationalCoefficient(c, data.molarMass);
    if (data.nAtoms <= 1) return;
    const double sigma = data.sigma;
    const RotationalCoefficient rot =
        data.shape == Shape::kNonlinear
            ? NonlinearRotation(c, data.rotConst1, data.rotConst2, data.rotConst3, sigma)
            : LinearRotation(c, data.rotConst1, sigma);
    data.rotCoef = rot.rotCoef;
    data.rotExponent = rot.rotExponent;
}

}  // namespace moltherm
