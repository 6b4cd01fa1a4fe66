#include "chem/rigid_rotor.h"

#include <gtest/gtest.h>

#include "molecules.h"

namespace moltherm::chem {
namespace {

using namespace moltherm::chem::testing;

TEST(RigidRotor, WaterAndItsIsotopologueDifferInMassConstantsAndSigma) {
    const RigidRotor h2o = DescribeRigidRotor(Water());
    const RigidRotor hdo = DescribeRigidRotor(HeavyWater());
    EXPECT_EQ(h2o.formula, "H2O");
    EXPECT_EQ(hdo.formula, "H2O");
    EXPECT_NEAR(h2o.molarMass, 18.01056468403, 1e-9);
    EXPECT_NEAR(hdo.molarMass, 19.01684142992, 1e-9);
    EXPECT_EQ(h2o.shape, Shape::Nonlinear);
    EXPECT_EQ(h2o.rotationalConstants, RotationalConstants(Water()));
    EXPECT_EQ(hdo.rotationalConstants, RotationalConstants(HeavyWater()));
    EXPECT_LT(hdo.rotationalConstants[2], h2o.rotationalConstants[2]);
    EXPECT_EQ(h2o.pointGroup.name, "C2v");
    EXPECT_EQ(h2o.pointGroup.symmetryNumber, 2);
    EXPECT_EQ(hdo.pointGroup.name, "Cs");
    EXPECT_EQ(hdo.pointGroup.symmetryNumber, 1);
}

TEST(RigidRotor, LinearMoleculeHasOneConstantAndAnAtomNone) {
    const RigidRotor co2 = DescribeRigidRotor(CarbonDioxide());
    EXPECT_EQ(co2.shape, Shape::Linear);
    ASSERT_EQ(co2.rotationalConstants.size(), 1u);
    EXPECT_NEAR(co2.rotationalConstants[0], 0.3902, 1e-4);  // B_e of CO2 with r = 1.162
    EXPECT_EQ(co2.pointGroup.symmetryNumber, 2);
    const RigidRotor ar = DescribeRigidRotor(std::vector<Atom>{At("Ar", 0, 0, 0)});
    EXPECT_EQ(ar.shape, Shape::Atom);
    EXPECT_TRUE(ar.rotationalConstants.empty());
    EXPECT_EQ(ar.formula, "Ar");
}

}  // namespace
}  // namespace moltherm::chem
