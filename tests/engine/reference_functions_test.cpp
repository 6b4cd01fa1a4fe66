#include "engine/reference_functions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/support/typed_molecules.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;
const PhysicalConstants kC;

ThermoResults Grid(const Molecule& m, double T) {
    const auto r = ComputeThermo(kC, m, T);
    EXPECT_TRUE(r.has_value());
    return r ? *r : ThermoResults{};
}

ReferenceFunctions At(const Molecule& m, double T) {
    const auto f = ComputeReferenceFunctions(kC, m, T);
    EXPECT_TRUE(f.has_value());
    return f ? *f : ReferenceFunctions{};
}

struct ReferenceCase {
    const char* name;
    std::function<Molecule()> molecule;
    double temperature;
};

void PrintTo(const ReferenceCase& c, std::ostream* os) {
    *os << c.name;
}

class ReferenceFunctionsAt : public ::testing::TestWithParam<ReferenceCase> {};

// Their definitions through G rather than S, and their derivatives by central differences:
// d(H - Hr)/dT = Cp, d(gef)/dT = (H - Hr)/T^2.
TEST_P(ReferenceFunctionsAt, FollowTheirDefinitions) {
    const Molecule m = GetParam().molecule();
    const double T = GetParam().temperature, dT = 1e-4 * T;
    const ThermoResults at = Grid(m, T), reference = Grid(m, kReferenceTemperature);
    const ReferenceFunctions f = At(m, T);
    EXPECT_NEAR(f.hMinusHr, at.total.h - reference.total.h, 1e-9 * at.total.h);
    EXPECT_NEAR(f.gibbsEnergyFunction, -(at.total.g - reference.total.h) / T, 1e-9 * at.total.s);
    const ReferenceFunctions up = At(m, T + dT), down = At(m, T - dT);
    EXPECT_NEAR((up.hMinusHr - down.hMinusHr) / (2 * dT), at.total.cp, 1e-6 * at.total.cp);
    EXPECT_NEAR((up.gibbsEnergyFunction - down.gibbsEnergyFunction) / (2 * dT),
                f.hMinusHr / (T * T), 1e-6 * at.total.cp / T);
}

INSTANTIATE_TEST_SUITE_P(Engine, ReferenceFunctionsAt,
                         ::testing::Values(ReferenceCase{"WaterCold", Water, 100},
                                           ReferenceCase{"WaterHot", Water, 2500},
                                           ReferenceCase{"ArgonHot", Argon, 1000},
                                           ReferenceCase{"FloppyWarm", FloppyMolecule, 600}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReferenceFunctions, AtTheReferenceTemperatureAreZeroAndTheEntropy) {
    const ReferenceFunctions f = At(CarbonDioxide(), kReferenceTemperature);
    EXPECT_EQ(f.hMinusHr, 0);
    EXPECT_EQ(f.gibbsEnergyFunction, Grid(CarbonDioxide(), kReferenceTemperature).total.s);
}

TEST(ReferenceFunctions, AnAtomGainsFiveHalvesRPerKelvin) {
    const ReferenceFunctions f = At(Argon(), 1000);
    EXPECT_NEAR(f.hMinusHr, 2.5 * kC.gasConst * (1000 - 298.15), 1e-8);
}

TEST(ReferenceFunctions, RefusalsNameTheInputAtFault) {
    Molecule massless = Argon();
    massless.molarMass = 0;
    const auto noMass = ComputeReferenceFunctions(kC, massless, 500);
    ASSERT_FALSE(noMass.has_value());
    EXPECT_EQ(noMass.error(), ThermoFault::kMolarMass);
    const auto noTemperature = ComputeReferenceFunctions(kC, Argon(), 0);
    ASSERT_FALSE(noTemperature.has_value());
    EXPECT_EQ(noTemperature.error(), ThermoFault::kTemperature);
}

}  // namespace
}  // namespace moltherm
