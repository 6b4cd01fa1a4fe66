#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calc/calc_input.h"
#include "calc/record.h"
#include "engine/constants.h"
#include "engine/expected.h"
#include "engine/options.h"
#include "engine/results.h"

namespace moltherm {

// One molecule's calculation as "Calc" and "New T" run it, for the window and the command line
// alike. "Calc" is the steps Read, BuildSummary, StoreCoefficients, ClearTables, AddTable in
// this order (the window switches its mode between them); "New T" is AddTable alone.
class CalcSession {
  public:
    explicit CalcSession(PhysicalConstants constants = {}) : constants_(constants) {}

    // The conventions of the next "Calc" and "New T" (the defaults: the textbook ones at 1 bar).
    void SetOptions(const ThermoOptions& options) { options_ = options; }
    const ThermoOptions& options() const { return options_; }
    // The factor the wavenumbers to be read already carry (an ORCA output says so), or nothing.
    // Read refuses a second factor, and the summary names this one.
    void SetPrescaled(std::optional<double> factor) { prescaled_ = factor; }
    std::optional<double> prescaled() const { return prescaled_; }

    // Reads and checks the boxes into the record (see ReadCalcInput); the first failure.
    Expected<Done, std::string> Read(const CalcInputTexts& texts);
    // summaryText from the record and the texts the summary copies (name, degeneracies).
    void BuildSummary(const CalcInputTexts& texts, std::string_view stamp);
    void StoreCoefficients();
    void ClearTables() { record_.tableText.clear(); }
    // Converts the temperature text and the degeneracy texts afresh, stores the temperature
    // (a refused number too), computes, and appends one results table: the computation of
    // ComputeThermoTable. A refusal leaves the tables as they were.
    Expected<Done, std::string> AddTable(std::string_view temperatureText,
                                         std::span<const std::string> vibDegeneracies,
                                         std::span<const std::string> elecDegeneracies);

    // The whole of "Calc": every step above, the first table at texts.temperature.
    Expected<Done, std::string> Calc(const CalcInputTexts& texts, std::string_view stamp);

    const PhysicalConstants& constants() const { return constants_; }
    const MolecularData& record() const { return record_; }
    MolecularData& record() { return record_; }
    const ThermoResults& results() const { return results_; }
    std::string reportText() const { return record_.summaryText + record_.tableText; }

  private:
    PhysicalConstants constants_;
    ThermoOptions options_;
    std::optional<double> prescaled_;
    MolecularData record_;
    ThermoResults results_;
};

}  // namespace moltherm
