#include "cli/molecule_calc.h"

#include "calc/message_text.h"
#include "calc/messages.h"
#include "calc/molecule_reader.h"
#include "calc/session.h"
#include "engine/reference_functions.h"
#include "engine/thermo.h"

namespace moltherm::cli {
namespace {

bool IsTemperatureMessage(std::string_view message) {
    return message == messages::kNoTemperature || message == messages::kInvalidTemperature ||
           message == messages::kNegativeTemperature;
}

std::string AtTemperature(std::string_view temperatureText, const std::string& message) {
    if (!IsTemperatureMessage(message)) return message;
    return "temperature \"" + Shortened(std::string(temperatureText)) + "\": " + message;
}

}  // namespace

MoleculeOutcome CalculateMolecule(const PhysicalConstants& constants, MoleculeEntry entry,
                                  std::span<const std::string> temperatures, std::string_view stamp,
                                  const ThermoOptions& options,
                                  const std::optional<MoleculeProblem>& problem) {
    MoleculeOutcome outcome;
    outcome.entry = std::move(entry);
    CalcInputTexts& texts = outcome.entry.texts;
    texts.temperature = temperatures.front();

    CalcSession session(constants);
    session.SetOptions(options);
    session.SetPrescaled(outcome.entry.frequencyScaleApplied);
    session.record().nModes = outcome.entry.nModes;
    session.record().lastLevel = outcome.entry.lastLevel;
    const auto read = session.Read(texts);
    outcome.data = session.record();
    // A problem of the file refuses the molecule unless the window refuses an earlier box.
    if (problem && !(!read && WindowMessageFirst(read.error(), *problem))) {
        outcome.error = problem->message;
        return outcome;
    }
    if (!read) {
        outcome.error = AtTemperature(texts.temperature, read.error());
        return outcome;
    }
    // Read succeeded, so every degeneracy converts.
    outcome.molecule = *MoleculeOf(session.record(), texts.vibDegeneracies, texts.elecDegeneracies);
    const auto atReference =
        ComputeThermo(constants, outcome.molecule, kReferenceTemperature, options);
    if (!atReference)
        outcome.referenceProblem =
            std::string("at 298.15 K: ") + messages::ForFault(atReference.error());
    session.BuildSummary(texts, stamp);
    session.StoreCoefficients();
    session.ClearTables();
    outcome.results.reserve(temperatures.size());
    for (const std::string& temperature : temperatures) {
        const auto added =
            session.AddTable(temperature, texts.vibDegeneracies, texts.elecDegeneracies);
        outcome.data = session.record();
        if (!added) {
            outcome.results.clear();
            outcome.error = AtTemperature(temperature, added.error());
            return outcome;
        }
        const double t = session.record().temperature;
        outcome.results.push_back({temperature, t, session.results(), std::nullopt});
        if (atReference)
            outcome.results.back().reference =
                ReferenceFunctionsOf(t, session.results(), *atReference);
    }
    outcome.report = session.reportText();
    return outcome;
}

}  // namespace moltherm::cli
