#pragma once

// Fits to write as NASA-7 texts, readers of the Chemkin and Cantera texts, and the check that
// polynomials read back from a text follow the engine.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/reference_functions.h"
#include "report/nasa7_notes.h"
#include "tests/support/typed_molecules.h"

namespace moltherm::testing {

struct FittedMolecule {
    Molecule molecule;
    Nasa7Species species;
};

// Water from the lowest level, CO2 from its enthalpy of formation, the floppy molecule.
inline std::vector<FittedMolecule> FittedMolecules() {
    const auto fitted = [](const char* name, const char* formula, const Molecule& m,
                           std::optional<double> formation) {
        return FittedMolecule{m, {name, *ParseFormula(formula), *FitNasa7({}, m, {}, formation)}};
    };
    return {fitted("H2O", "H2O", Water(), {}), fitted("CO2", "CO2", CarbonDioxide(), -393510),
            fitted("FLOPPY", "C2H4O2", FloppyMolecule(), {})};
}

// A hand-made fit whose every digit is known.
inline Nasa7Species HandmadeSpecies() {
    Nasa7Species s{"HOCl", *ParseFormula("HOCl"), {}};
    s.fit.low = {3.5, -1.25e-3, 2.5e-6, -1.5e-9, 3.125e-13, -1234.5, 6.75};
    s.fit.high = {4.25, 1.5e-3, -4.5e-7, 6.25e-11, -4e-15, -1500.25, 1.125};
    s.fit.lowDeviation = {0.0125, 2.5, 0.0035};
    s.fit.highDeviation = {0.02, 4.75, 0.0045};
    s.fit.h298 = 9904.5;
    return s;
}

// What a reader of a text finds for one species.
struct ReadSpecies {
    std::string name, composition;  // composition as "H2 O1"
    Nasa7Temperatures temperatures;
    Nasa7Coefficients low{}, high{};
};

inline std::string Word(const std::string& columns) {
    std::string word;
    std::istringstream(columns) >> word;
    return word;
}

// Reads a Chemkin text's entries back by their columns, checking the fixed characters on the way.
inline std::vector<ReadSpecies> ReadChemkinEntries(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (line.rfind('!', 0) != 0) lines.push_back(line);
    EXPECT_EQ(lines.front() + lines.back(), "THERMOEND");
    std::vector<ReadSpecies> read;
    for (std::size_t at = 2; at + 4 < lines.size(); at += 4) {
        std::vector<double> values;  // high a1-a7, low a1-a7
        for (std::size_t k = 0; k < 4; ++k) {
            const std::string& line = lines[at + k];
            EXPECT_EQ(line.size(), 80u) << line;
            EXPECT_EQ(line.substr(79), std::to_string(k + 1)) << line;
            for (std::size_t f = 0; k > 0 && f < (k == 3 ? 4u : 5u); ++f)
                values.push_back(std::stod(line.substr(15 * f, 15)));
        }
        const std::string& first = lines[at];
        EXPECT_EQ(first.substr(18, 6) + first[44], "      G");
        ReadSpecies s{Word(first.substr(0, 18)),
                      "",
                      {std::stod(first.substr(45, 10)), std::stod(first.substr(65, 8)),
                       std::stod(first.substr(55, 10))}};
        for (std::size_t pair = 0; pair < 4; ++pair) {
            const std::string symbol = Word(first.substr(24 + 5 * pair, 2));
            if (symbol.empty()) continue;
            s.composition += (s.composition.empty() ? "" : " ") + symbol +
                             std::to_string(std::stoi(first.substr(26 + 5 * pair, 3)));
        }
        std::copy_n(values.begin(), 7, s.high.begin());
        std::copy_n(values.begin() + 7, 7, s.low.begin());
        read.push_back(s);
    }
    return read;
}

// "[1.5, -2e-05]" -> its numbers.
inline std::vector<double> Numbers(const std::string& list) {
    EXPECT_EQ(list.front() + std::string(1, list.back()), "[]") << list;
    std::vector<double> numbers;
    std::istringstream in(list.substr(1, list.size() - 2));
    for (std::string item; std::getline(in, item, ',');) numbers.push_back(std::stod(item));
    return numbers;
}

// Reads the Cantera layout report/cantera_yaml.h gives (not YAML in general), checking its fixed
// lines.
inline std::vector<ReadSpecies> ReadCanteraSpecies(const std::string& text) {
    std::istringstream in(text);
    std::vector<ReadSpecies> read;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("- name: \"", 0) != 0) continue;
        std::string lines[9];
        for (std::string& l : lines) std::getline(in, l);
        EXPECT_EQ(lines[1] + lines[2] + lines[4] + lines[5],
                  "  thermo:    model: NASA7    reference-pressure: 1 bar    data:");
        ReadSpecies s{line.substr(9, line.size() - 10), "", {}};
        std::istringstream composition(lines[0].substr(lines[0].find('{') + 1));
        for (std::string symbol, count; composition >> symbol >> count;)
            s.composition += (s.composition.empty() ? "" : " ") +
                             symbol.substr(0, symbol.size() - 1) +
                             count.substr(0, count.size() - 1);
        const std::vector<double> ranges = Numbers(lines[3].substr(lines[3].find('[')));
        s.temperatures = {ranges.at(0), ranges.at(1), ranges.at(2)};
        std::copy_n(Numbers(lines[6].substr(6)).begin(), 7, s.low.begin());
        std::copy_n(Numbers(lines[7].substr(6)).begin(), 7, s.high.begin());
        read.push_back(s);
    }
    return read;
}

// The read species against the fit (digits kept to `relative`) and the engine, at temperatures
// across both ranges, within the fit's reported deviations.
inline void ExpectFollowsTheEngine(const FittedMolecule& f, const ReadSpecies& read,
                                   const char* composition, double relative) {
    const PhysicalConstants c;
    const Nasa7Fit& fit = f.species.fit;
    SCOPED_TRACE(f.species.name);
    EXPECT_EQ(read.name, f.species.name);
    EXPECT_EQ(read.composition, composition);
    EXPECT_EQ(std::tuple(read.temperatures.low, read.temperatures.mid, read.temperatures.high),
              std::tuple(fit.temperatures.low, fit.temperatures.mid, fit.temperatures.high));
    for (std::size_t k = 0; k < 7; ++k) {
        EXPECT_NEAR(read.low[k], fit.low[k], relative * std::fabs(fit.low[k])) << k;
        EXPECT_NEAR(read.high[k], fit.high[k], relative * std::fabs(fit.high[k])) << k;
    }
    const double h298 = ComputeThermo(c, f.molecule, kReferenceTemperature)->total.h;
    for (const double T : {200.0, 298.15, 555.5, 999.0, 1001.0, 2222.2, 3000.0}) {
        const bool high = T > read.temperatures.mid;
        const Nasa7Value p = EvaluateNasa7(high ? read.high : read.low, T);
        const Nasa7Deviation& d = high ? fit.highDeviation : fit.lowDeviation;
        const Contribution exact = ComputeThermo(c, f.molecule, T)->total;
        EXPECT_NEAR(p.cpOverR * c.gasConst, exact.cp, d.cp + 1e-6) << T;
        EXPECT_NEAR(p.hOverRT * c.gasConst * T, exact.h - h298 + fit.h298, d.h + 1e-3) << T;
        EXPECT_NEAR(p.sOverR * c.gasConst, exact.s, d.s + 1e-6) << T;
    }
}

}  // namespace moltherm::testing
