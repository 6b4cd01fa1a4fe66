#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/calc_input.h"
#include "engine/thermo.h"
#include "tests/support/worked_examples.h"

namespace moltherm::testing {

// A molecule as the user types it, read and prepared the way "Calc" does.
struct TypedMolecule {
    CalcInputTexts texts;
    PhysicalConstants constants;
    MolecularData data;

    explicit TypedMolecule(CalcInputTexts typed) : texts(std::move(typed)) {}

    // Returns the refusal's message, or "" when the data were stored and the coefficients set.
    std::string read() {
        data.nModes = static_cast<std::int16_t>(std::max<std::size_t>(1, texts.wavenumbers.size()));
        data.lastLevel = static_cast<std::int16_t>(texts.energies.size() - 1);
        const auto error = ReadCalcInput(constants, texts, data);
        if (error) return *error;
        StoreCoefficients(constants, texts.nonlinear, data);
        return "";
    }

    ThermoOutcome compute(const std::string& temperature) const {
        return ComputeThermo(constants, data, temperature,
                             DegeneracyTexts{texts.vibDegeneracies, texts.elecDegeneracies});
    }

    ThermoResults computeOk(const std::string& temperature = "298.15") {
        EXPECT_EQ(read(), "");
        const ThermoOutcome outcome = compute(temperature);
        EXPECT_FALSE(outcome.error.has_value()) << *outcome.error;
        return outcome.results;
    }
};

inline CalcInputTexts LinearTexts(const std::string& molarMass, const std::string& rot,
                                  const std::string& sigma, std::vector<std::string> wavenumbers) {
    CalcInputTexts t = DiatomicTexts("X", molarMass, sigma, rot, "");
    t.atomCount = wavenumbers.size() == 1 ? "2" : "3";
    t.vibDegeneracies.assign(wavenumbers.size(), "1");
    t.wavenumbers = std::move(wavenumbers);
    return t;
}

}  // namespace moltherm::testing
