#pragma once

// The worked examples every layer's tests check against: the molecules as typed, and the exact
// report texts they give (CR LF line ends, the date "12/5/2026" and time "3:04:05 AM").

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "calc/calc_input.h"
#include "calc/session.h"

namespace moltherm {
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(CalcInputTexts, name, atomCount, temperature, molarMass,
                                   energies, sigma, nonlinear, rotConsts, wavenumbers,
                                   vibDegeneracies, elecDegeneracies)
}  // namespace moltherm

namespace moltherm::testing {

inline const std::string kReportDate = "12/5/2026";
inline const std::string kReportTime = "3:04:05 AM";

// A worked example's texts by its name, from tests/data/worked_examples.json.
inline CalcInputTexts ExampleTexts(const std::string& name) {
    std::ifstream in(MOLTHERM_TEST_DATA "/worked_examples.json");
    return nlohmann::json::parse(in, nullptr, false, true).at(name).get<CalcInputTexts>();
}
inline CalcInputTexts ArgonTexts() {
    return ExampleTexts("Ar");
}
inline CalcInputTexts HclTexts() {
    return ExampleTexts("HCl");
}
inline CalcInputTexts Cl2Texts() {
    return ExampleTexts("Cl2");
}
inline CalcInputTexts WaterTexts() {
    return ExampleTexts("H2O");
}

// The rows and levels a worked example's texts have.
inline MolecularData RecordOf(const CalcInputTexts& texts) {
    MolecularData record;
    record.nModes =
        static_cast<std::int16_t>(texts.wavenumbers.empty() ? 1 : texts.wavenumbers.size());
    record.lastLevel = static_cast<std::int16_t>(texts.energies.size() - 1);
    return record;
}
// The session after "Calc" of a worked example (the rows and levels its texts have).
inline CalcSession CalculatedSession(const CalcInputTexts& texts) {
    CalcSession session;
    session.record() = RecordOf(texts);
    if (!session.Calc(texts, kReportDate + "  " + kReportTime)) std::abort();
    return session;
}

// The molecule a worked example's texts describe, as "Calc" reads it.
inline Molecule TypedMolecule(const CalcInputTexts& texts) {
    MolecularData record = RecordOf(texts);
    auto molecule = ReadCalcInput(PhysicalConstants{}, texts, record);
    if (!molecule) std::abort();
    return *molecule;
}

// An expected report text from tests/data/reports, kept there with LF line ends: CR LF here.
inline std::string ExpectedReport(const std::string& file) {
    std::ifstream in(MOLTHERM_TEST_DATA "/reports/" + file, std::ios::binary);
    std::string text;
    for (std::string line; std::getline(in, line);) text += line + "\r\n";
    if (text.empty()) std::abort();  // no such file
    return text;
}

// The results grid of a worked example at a temperature, as "New T" computes it.
inline ThermoResults ResultsAt(const CalcInputTexts& texts, const std::string& temperature) {
    CalcSession session = CalculatedSession(texts);
    if (!session.AddTable(temperature, texts.vibDegeneracies, texts.elecDegeneracies)) std::abort();
    return session.results();
}

// Cl2 at 298.15 K, then at 1000 K: the two tables below the summary.
inline const std::string kCl2Tables = ExpectedReport("cl2_tables.txt");

inline const std::string kHclSummary = ExpectedReport("hcl_summary.txt");

inline const std::string kArgonSummary = ExpectedReport("argon_summary.txt");

}  // namespace moltherm::testing
