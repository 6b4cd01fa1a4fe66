#pragma once

// Fits to write as NASA-7 texts, and the check that polynomials read back from a text follow the
// engine.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "engine/reference_functions.h"
#include "report/nasa7_species.h"
#include "tests/support/typed_molecules.h"

namespace moltherm::testing {

struct FittedMolecule {
    Molecule molecule;
    Nasa7Species species;
};

// Water from the lowest level, CO2 from its enthalpy of formation, the floppy molecule.
inline std::vector<FittedMolecule> FittedMolecules() {
    std::vector<FittedMolecule> fitted;
    for (const auto& [name, formula, molecule, formation] :
         {std::tuple{"H2O", "H2O", Water(), std::optional<double>()},
          std::tuple{"CO2", "CO2", CarbonDioxide(), std::optional<double>(-393510)},
          std::tuple{"FLOPPY", "C2H4O2", FloppyMolecule(), std::optional<double>()}})
        fitted.push_back({molecule,
                          {name, *ParseFormula(formula),
                           *FitNasa7(PhysicalConstants{}, molecule, {}, formation)}});
    return fitted;
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

// The read species against the fit (digits kept to `relative`) and the engine, at temperatures
// across both ranges, within the fit's reported deviations.
inline void ExpectFollowsTheEngine(const FittedMolecule& f, const ReadSpecies& read,
                                   const char* composition, double relative) {
    const PhysicalConstants c;
    const Nasa7Fit& fit = f.species.fit;
    SCOPED_TRACE(f.species.name);
    EXPECT_EQ(read.name, f.species.name);
    EXPECT_EQ(read.composition, composition);
    EXPECT_EQ(read.temperatures.low, fit.temperatures.low);
    EXPECT_EQ(read.temperatures.mid, fit.temperatures.mid);
    EXPECT_EQ(read.temperatures.high, fit.temperatures.high);
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
