#include "cli/molecule_calc.h"

#include "calc/messages.h"
#include "calc/session.h"

namespace moltherm::cli {
namespace {

bool IsTemperatureMessage(std::string_view message) {
    return message == messages::kNoTemperature || message == messages::kInvalidTemperature ||
           message == messages::kNegativeTemperature;
}

std::string AtTemperature(std::string_view temperatureText, const std::string& message) {
    if (!IsTemperatureMessage(message)) return message;
    return "temperature \"" + std::string(temperatureText) + "\": " + message;
}

}  // namespace

MoleculeOutcome CalculateMolecule(const PhysicalConstants& constants, MoleculeEntry entry,
                                  std::span<const std::string> temperatures,
                                  std::string_view stamp) {
    MoleculeOutcome outcome;
    outcome.entry = std::move(entry);
    CalcInputTexts& texts = outcome.entry.texts;
    texts.temperature = temperatures.front();

    CalcSession session(constants);
    session.record().nModes = outcome.entry.nModes;
    session.record().lastLevel = outcome.entry.lastLevel;
    const auto finish = [&](const Expected<Done, std::string>& step, std::string_view at) {
        outcome.data = session.record();
        if (step) return true;
        outcome.results.clear();
        outcome.error = AtTemperature(at, step.error());
        return false;
    };
    if (!finish(session.Read(texts), texts.temperature)) return outcome;
    session.BuildSummary(texts, stamp);
    session.StoreCoefficients();
    session.ClearTables();
    outcome.results.reserve(temperatures.size());
    for (const std::string& temperature : temperatures) {
        const auto added =
            session.AddTable(temperature, texts.vibDegeneracies, texts.elecDegeneracies);
        if (!finish(added, temperature)) return outcome;
        outcome.results.push_back({session.record().temperature, session.results()});
    }
    outcome.report = session.reportText();
    return outcome;
}

}  // namespace moltherm::cli
