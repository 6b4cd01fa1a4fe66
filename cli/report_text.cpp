#include "cli/report_text.h"

#include <span>
#include <string_view>

#include "report/results_table.h"

namespace moltherm::cli {

std::string SummaryWithStamp(SummaryInput in, const std::string& stamp) {
    constexpr std::string_view kHeading = "Moltherm Calculation   ";
    // The heading joins date and time with two blanks; with the whole stamp as the date and no
    // time, those two blanks are all that is left to take out.
    in.dateText = stamp;
    in.timeText.clear();
    std::string summary = FormatSummary(in);
    summary.erase(kHeading.size() + stamp.size(), 2);
    return summary;
}

std::string ReportText(const MoleculeOutcome& outcome, const std::string& stamp, double avogadro) {
    const MolecularData& data = outcome.data;
    const CalcInputTexts& texts = outcome.entry.texts;
    SummaryInput in;
    in.name = texts.name;
    in.nAtoms = data.nAtoms;
    in.linear = !texts.nonlinear;
    in.molarMass = data.molarMass;
    in.sigmaText = texts.sigma;
    in.rotConst1 = data.rotConst1;
    in.rotConst2 = data.rotConst2;
    in.rotConst3 = data.rotConst3;
    if (data.nAtoms > 1) in.vibFreq = std::span(data.vibFreq).subspan(1, data.nModes);
    in.vibDegeneracies = texts.vibDegeneracies;
    in.elecEnergy = std::span(data.elecEnergy).first(static_cast<std::size_t>(data.lastLevel) + 1);
    in.elecDegeneracies = texts.elecDegeneracies;

    std::string text = SummaryWithStamp(in, stamp);
    for (const TemperatureResult& result : outcome.results)
        text += FormatResultsTable(result.temperature, result.results, avogadro);
    return text;
}

}  // namespace moltherm::cli
