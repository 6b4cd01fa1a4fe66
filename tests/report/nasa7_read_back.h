#pragma once

// The fits the NASA-7 texts are tested with, and the check that polynomials read back from a
// text follow the engine.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/nasa7.h"
#include "engine/reference_functions.h"
#include "report/nasa7_species.h"
#include "tests/support/typed_molecules.h"

namespace moltherm::testing {

struct FittedMolecule {
    Molecule molecule;
    Nasa7Species species;
};

inline FittedMolecule Fitted(const std::string& name, const std::string& formula, const Molecule& m,
                             std::optional<double> enthalpyOfFormation) {
    return {
        m,
        {name, *ParseFormula(formula), *FitNasa7(PhysicalConstants{}, m, {}, enthalpyOfFormation)}};
}

// Water from the lowest level, CO2 from its enthalpy of formation, the floppy molecule.
inline std::vector<FittedMolecule> FittedMolecules() {
    return {Fitted("H2O", "H2O", Water(), {}), Fitted("CO2", "CO2", CarbonDioxide(), -393510.0),
            Fitted("FLOPPY", "C2H4O2", FloppyMolecule(), {})};
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

// Polynomials read back from a text against the engine, at temperatures across both ranges:
// within the fit's reported deviations, and ranges and coefficients where the fit put them.
inline void ExpectFollowsTheEngine(const FittedMolecule& f, const Nasa7Temperatures& t,
                                   const Nasa7Coefficients& low, const Nasa7Coefficients& high) {
    const PhysicalConstants c;
    const Nasa7Fit& fit = f.species.fit;
    EXPECT_EQ(t.low, fit.temperatures.low);
    EXPECT_EQ(t.mid, fit.temperatures.mid);
    EXPECT_EQ(t.high, fit.temperatures.high);
    const double h298 = ComputeThermo(c, f.molecule, kReferenceTemperature)->total.h;
    for (const double T : {200.0, 298.15, 555.5, 999.0, 1001.0, 2222.2, 3000.0}) {
        const bool inHigh = T > t.mid;
        const Nasa7Value p = EvaluateNasa7(inHigh ? high : low, T);
        const Nasa7Deviation& d = inHigh ? fit.highDeviation : fit.lowDeviation;
        const Contribution exact = ComputeThermo(c, f.molecule, T)->total;
        const double R = c.gasConst;
        const std::string where = f.species.name + " at " + std::to_string(T) + " K";
        EXPECT_NEAR(p.cpOverR * R, exact.cp, d.cp + 1e-6) << where;
        EXPECT_NEAR(p.hOverRT * R * T, exact.h - h298 + fit.h298, d.h + 1e-3) << where;
        EXPECT_NEAR(p.sOverR * R, exact.s, d.s + 1e-6) << where;
    }
}

}  // namespace moltherm::testing
