#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/calc_input.h"
#include "engine/thermo.h"

namespace moltherm::testing {

// A molecule as the user types it, read and prepared the way "Calc" does.
struct TypedMolecule {
    CalcInputTexts texts;
    PhysicalConstants constants;
    MolecularData data;

    static TypedMolecule Atom(const std::string& molarMass) {
        TypedMolecule m;
        m.texts.name = "X";
        m.texts.atomCount = "1";
        m.texts.temperature = "298.15";
        m.texts.molarMass = molarMass;
        m.texts.energies = {"0"};
        m.texts.sigma = "1";
        m.texts.elecDegeneracies = {"1"};
        return m;
    }

    static TypedMolecule Linear(const std::string& molarMass, const std::string& rot,
                                const std::string& sigma, std::vector<std::string> wavenumbers) {
        TypedMolecule m = Atom(molarMass);
        m.texts.atomCount = wavenumbers.size() == 1 ? "2" : "3";
        m.texts.sigma = sigma;
        m.texts.rotConsts = {rot, "", ""};
        m.texts.vibDegeneracies.assign(wavenumbers.size(), "1");
        m.texts.wavenumbers = std::move(wavenumbers);
        return m;
    }

    void setLevels(std::vector<std::string> energies, std::vector<std::string> degeneracies) {
        texts.energies = std::move(energies);
        texts.elecDegeneracies = std::move(degeneracies);
    }

    // Returns the refusal's message, or "" when the data were stored and the coefficients set.
    std::string read() {
        data.nModes =
            static_cast<std::int16_t>(texts.wavenumbers.empty() ? 1 : texts.wavenumbers.size());
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

}  // namespace moltherm::testing
