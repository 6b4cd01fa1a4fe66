#include "chem/inertia.h"

#include <gtest/gtest.h>

#include <ostream>

#include "molecules.h"

namespace moltherm::chem {
namespace {

using namespace moltherm::chem::testing;

constexpr double kGHzPerInverseCm = 29.9792458;  // c in [cm/ns]

// Rotational constants printed beside a geometry, or known from spectroscopy.
struct RotorRow {
    std::string name;
    std::vector<Atom> atoms;
    std::vector<double> constants;  // [1/cm], descending
    double relativeTolerance;
};

void PrintTo(const RotorRow& row, std::ostream* os) {
    *os << row.name;
}

std::vector<double> FromGHz(std::vector<double> ghz) {
    for (double& b : ghz) b /= kGHzPerInverseCm;
    return ghz;
}

class RotationalConstantsOf : public ::testing::TestWithParam<RotorRow> {};

TEST_P(RotationalConstantsOf, AgreeWithTheReference) {
    const RotorRow& row = GetParam();
    const std::vector<double> b = RotationalConstants(row.atoms);
    ASSERT_EQ(b.size(), row.constants.size());
    for (std::size_t i = 0; i < b.size(); ++i) {
        EXPECT_NEAR(b[i], row.constants[i], row.relativeTolerance * row.constants[i]) << i;
    }
}

// Gaussian prints 6 to 10 digits, computed with masses and constants a little different from
// ours (1e-6); the printed coordinates cost another 1e-6.
INSTANTIATE_TEST_SUITE_P(
    Molecules, RotationalConstantsOf,
    ::testing::Values(
        RotorRow{"Argon", {At("Ar", 0, 0, 0)}, {}, 0},
        RotorRow{"HCl_spectroscopic", HydrogenChloride(), {10.5934}, 1e-5},
        RotorRow{"HCN_Gaussian09", HydrogenCyanide(), FromGHz({43.5180532}), 1e-5},
        RotorRow{"H2O_Gaussian16", Water(), FromGHz({795.3367043, 401.0831699, 266.6255997}), 1e-5},
        RotorRow{"C6H6_Gaussian16", Benzene(), FromGHz({5.75236, 5.75200, 2.87609}), 1e-5},
        RotorRow{"allene_Gaussian09", Allene(), FromGHz({143.96949, 8.78162, 8.78162}), 1e-5}),
    [](const auto& info) { return info.param.name; });

TEST(PrincipalMoments, PlanarMoleculesObeyThePerpendicularAxisTheorem) {
    for (const auto& atoms : {Water(), Benzene(), Ethylene(), BoricAcid()}) {
        const Vector3 m = PrincipalMoments(atoms).moments;
        EXPECT_LE(m[0], m[1]);
        EXPECT_NEAR(m[2], m[0] + m[1], 1e-5 * m[2]);
    }
}

TEST(PrincipalMoments, AxesAreOrthonormalEigenvectorsOfTheTensor) {
    const std::vector<Atom> atoms = HydrogenPeroxide();
    const Matrix3 tensor = InertiaTensor(atoms);
    const PrincipalAxes p = PrincipalMoments(atoms);
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < 3; ++i) {
            double ia = 0;
            for (int j = 0; j < 3; ++j) ia += tensor[i][j] * p.axes[k][j];
            EXPECT_NEAR(ia, p.moments[k] * p.axes[k][i], 1e-12) << k << i;
        }
        double norm = 0;
        for (double x : p.axes[k]) norm += x * x;
        EXPECT_NEAR(norm, 1, 1e-12);
    }
}

TEST(InertiaTensor, DiatomicHasReducedMassTimesDistanceSquared) {
    // Centred on the centre of mass: off-centre input, off-diagonal terms along a tilted bond.
    const std::vector<Atom> hd = {Isotope(kDeuterium, At("H", 1, 2, 3)), At("H", 1.5, 2.5, 3.5)};
    const double mu = kDeuterium * hd[1].mass / (kDeuterium + hd[1].mass);
    const Matrix3 t = InertiaTensor(hd);
    EXPECT_NEAR(t[0][0], mu * 0.5, 1e-12);
    EXPECT_NEAR(t[0][1], -mu * 0.25, 1e-12);
    EXPECT_NEAR(t[1][2], t[2][1], 1e-15);
    const Vector3 m = PrincipalMoments(hd).moments;
    EXPECT_NEAR(m[0], 0, 1e-12);
    EXPECT_NEAR(m[2], mu * 0.75, 1e-12);
}

TEST(MolarMass, SumsTheMassesEachAtomCarries) {
    EXPECT_NEAR(MolarMass(Water()), 18.01056468403, 1e-9);
    EXPECT_NEAR(MolarMass(HeavyWater()), 19.01684142992, 1e-9);
    EXPECT_EQ(MolarMass({}), 0);
    const Vector3 c = CentreOfMass(HeavyWater());
    EXPECT_NEAR(c[1], (0.790649 * 1.00782503223 - 0.790649 * kDeuterium) / 19.01684142992, 1e-12);
}

}  // namespace
}  // namespace moltherm::chem
