#include "cli/molecule_calc.h"

#include <string_view>

#include "cli/message_text.h"
#include "cli/molecule_reader.h"
#include "engine/thermo.h"

namespace moltherm::cli {
namespace {

bool IsTemperatureMessage(std::string_view message) {
    return message == messages::kNoTemperature || message == kInvalidTemperature ||
           message == kNegativeTemperature;
}

std::string AtTemperature(const std::string& temperatureText, const std::string& message) {
    return "temperature \"" + Shortened(temperatureText) + "\": " + message;
}

}  // namespace

MoleculeOutcome CalculateMolecule(const PhysicalConstants& constants, MoleculeEntry entry,
                                  std::span<const std::string> temperatures,
                                  const std::optional<MoleculeProblem>& problem) {
    MoleculeOutcome outcome;
    outcome.entry = std::move(entry);
    CalcInputTexts& texts = outcome.entry.texts;
    MolecularData& data = outcome.data;
    texts.temperature = temperatures.front();
    data.nModes = outcome.entry.nModes;
    data.lastLevel = outcome.entry.lastLevel;

    const auto error = ReadCalcInput(constants, texts, data);
    if (problem && !(error && WindowMessageFirst(*error, *problem))) {
        outcome.error = problem->message;
        return outcome;
    }
    if (error) {
        outcome.error =
            IsTemperatureMessage(*error) ? AtTemperature(texts.temperature, *error) : *error;
        return outcome;
    }
    StoreCoefficients(constants, texts.nonlinear, data);

    const DegeneracyTexts degeneracies{texts.vibDegeneracies, texts.elecDegeneracies};
    outcome.results.reserve(temperatures.size());
    for (const std::string& temperature : temperatures) {
        ThermoOutcome thermo = ComputeThermo(constants, data, temperature, degeneracies);
        if (!thermo.ok()) {
            outcome.results.clear();
            outcome.error = IsTemperatureMessage(*thermo.error)
                                ? AtTemperature(temperature, *thermo.error)
                                : *thermo.error;
            return outcome;
        }
        outcome.results.push_back({*thermo.temperature, thermo.results});
    }
    return outcome;
}

}  // namespace moltherm::cli
