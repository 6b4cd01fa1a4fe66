#include "calc/session.h"

#include "calc/messages.h"
#include "calc/number_text.h"
#include "engine/thermo.h"
#include "report/option_lines.h"
#include "report/results_table.h"
#include "report/summary.h"

namespace moltherm {

Expected<Done, std::string> CalcSession::Read(const CalcInputTexts& texts) {
    if (prescaled_ && options_.frequencyScale != 1)
        return Unexpected{messages::AlreadyScaled(*prescaled_)};
    auto molecule = ReadCalcInput(constants_, texts, record_, options_);
    if (!molecule) return Unexpected{molecule.error()};
    return Done{};
}

void CalcSession::BuildSummary(const CalcInputTexts& texts, std::string_view stamp) {
    const MolecularData& r = record_;
    SummaryInput summary;
    summary.stamp = stamp;
    summary.name = texts.name;
    summary.nAtoms = r.nAtoms;
    summary.linear = !texts.nonlinear;
    summary.molarMass = r.molarMass;
    summary.sigmaText = texts.sigma;
    summary.rotConst1 = r.rotConst1;
    summary.rotConst2 = r.rotConst2;
    summary.rotConst3 = r.rotConst3;
    if (r.nAtoms > 1) {
        summary.vibFreq = std::span<const double>(r.vibFreq).subspan(1, r.nModes);
        summary.vibDegeneracies = texts.vibDegeneracies;
    }
    summary.elecEnergy =
        std::span<const double>(r.elecEnergy).first(static_cast<std::size_t>(r.lastLevel) + 1);
    summary.elecDegeneracies = texts.elecDegeneracies;
    summary.standardState = StandardStateText(options_.standardState);
    if (!options_.isDefault()) {
        const auto molecule = MoleculeOf(r, texts.vibDegeneracies, texts.elecDegeneracies);
        const double e0 = molecule ? ZeroPointEnergy(constants_, *molecule, options_) : 0;
        summary.optionLines = OptionLines(options_, e0);
    }
    if (prescaled_) summary.optionLines.push_back(PrescaledLine(*prescaled_));
    record_.summaryText = FormatSummary(summary);
}

void CalcSession::StoreCoefficients() {
    moltherm::StoreCoefficients(constants_, record_);
}

Expected<Done, std::string> CalcSession::AddTable(std::string_view temperatureText,
                                                  std::span<const std::string> vibDegeneracies,
                                                  std::span<const std::string> elecDegeneracies) {
    const auto temperature = ParseNumber(temperatureText);
    if (!temperature) return Unexpected{std::string(messages::kInvalidTemperature)};
    // The record keeps the number read, a refused one too.
    record_.temperature = *temperature;
    if (*temperature < 0) return Unexpected{std::string(messages::kNegativeTemperature)};
    const auto molecule = MoleculeOf(record_, vibDegeneracies, elecDegeneracies);
    if (!molecule) return Unexpected{molecule.error()};
    const auto results = ComputeThermo(constants_, *molecule, *temperature, options_);
    if (!results) return Unexpected{std::string(messages::ForFault(results.error()))};
    results_ = *results;
    record_.tableText += FormatResultsTable(*temperature, results_, constants_.avogadro);
    return Done{};
}

Expected<Done, std::string> CalcSession::Calc(const CalcInputTexts& texts, std::string_view stamp) {
    if (auto read = Read(texts); !read) return read;
    BuildSummary(texts, stamp);
    StoreCoefficients();
    ClearTables();
    return AddTable(texts.temperature, texts.vibDegeneracies, texts.elecDegeneracies);
}

}  // namespace moltherm
