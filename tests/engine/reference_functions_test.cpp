#include "engine/reference_functions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/support/typed_molecules.h"

namespace moltherm {
namespace {

const PhysicalConstants kC;

struct ReferenceCase {
    const char* name;
    std::function<Molecule()> molecule;
    double temperature;
};

class ReferenceFunctionsAt : public ::testing::TestWithParam<ReferenceCase> {};

// Their definitions through G (not S), and d(H - Hr)/dT = Cp, d(gef)/dT = (H - Hr)/T^2.
TEST_P(ReferenceFunctionsAt, FollowTheirDefinitions) {
    const Molecule m = GetParam().molecule();
    const double T = GetParam().temperature, dT = 1e-4 * T;
    const Contribution at = ComputeThermo(kC, m, T)->total;
    const double hr = ComputeThermo(kC, m, kReferenceTemperature)->total.h;
    const ReferenceFunctions f = *ComputeReferenceFunctions(kC, m, T);
    const ReferenceFunctions up = *ComputeReferenceFunctions(kC, m, T + dT);
    const ReferenceFunctions down = *ComputeReferenceFunctions(kC, m, T - dT);
    EXPECT_NEAR(f.hMinusHr, at.h - hr, 1e-9 * at.h);
    EXPECT_NEAR(f.gibbsEnergyFunction, -(at.g - hr) / T, 1e-9 * at.s);
    EXPECT_NEAR((up.hMinusHr - down.hMinusHr) / (2 * dT), at.cp, 1e-6 * at.cp);
    EXPECT_NEAR((up.gibbsEnergyFunction - down.gibbsEnergyFunction) / (2 * dT),
                f.hMinusHr / (T * T), 1e-6 * at.cp / T);
}

INSTANTIATE_TEST_SUITE_P(Engine, ReferenceFunctionsAt,
                         ::testing::Values(ReferenceCase{"WaterCold", testing::Water, 100},
                                           ReferenceCase{"ArgonHot", testing::Argon, 1000},
                                           ReferenceCase{"FloppyHot", testing::FloppyMolecule,
                                                         2500}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReferenceFunctions, AreZeroAndTheEntropyAtTrAndRefuseWhatTheEngineRefuses) {
    const ReferenceFunctions f = *ComputeReferenceFunctions(kC, testing::Water(), 298.15);
    EXPECT_EQ(f.hMinusHr, 0);
    EXPECT_EQ(f.gibbsEnergyFunction, ComputeThermo(kC, testing::Water(), 298.15)->total.s);
    Molecule massless = testing::Argon();
    massless.molarMass = 0;
    EXPECT_EQ(ComputeReferenceFunctions(kC, massless, 500).error(), ThermoFault::kMolarMass);
    EXPECT_EQ(ComputeReferenceFunctions(kC, testing::Argon(), 0).error(),
              ThermoFault::kTemperature);
}

}  // namespace
}  // namespace moltherm
