#include "chem/point_group.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>

#include "chem/inertia.h"
#include "chem/symmetry_operations.h"
#include "molecules.h"

namespace moltherm::chem {
namespace {

using namespace moltherm::chem::testing;

struct SymmetryRow {
    std::string name;
    std::vector<Atom> atoms;
    std::string group;
    int sigma;
    int order;  // operations; 0 for linear molecules and atoms
    Shape shape;
};

void PrintTo(const SymmetryRow& row, std::ostream* os) {
    *os << row.name;
}

std::vector<SymmetryRow> Rows() {
    const auto nonlinear = Shape::Nonlinear;
    return {
        {"Argon", {At("Ar", 1, 2, 3)}, "Kh", 1, 0, Shape::Atom},
        {"HCl", HydrogenChloride(), "C∞v", 1, 0, Shape::Linear},
        {"HCN", HydrogenCyanide(), "C∞v", 1, 0, Shape::Linear},
        {"CO2", CarbonDioxide(), "D∞h", 2, 0, Shape::Linear},
        {"HCCH", Acetylene(), "D∞h", 2, 0, Shape::Linear},
        {"HCCH_bent_half_a_degree_at_both_ends", AcetyleneTransBent(), "C2h", 2, 4, nonlinear},
        {"HCCH_bent_half_a_degree_at_one_end", AcetyleneBentAtOneEnd(), "Cs", 1, 2, nonlinear},
        {"CuCN_bent_a_third_of_a_degree", CopperCyanide(), "Cs", 1, 2, nonlinear},
        {"H2O", Water(), "C2v", 2, 4, nonlinear},
        {"HDO", HeavyWater(), "Cs", 1, 2, nonlinear},
        {"NH3", Ammonia(), "C3v", 3, 6, nonlinear},
        {"H2O2", HydrogenPeroxide(), "C2", 2, 2, nonlinear},
        {"BOH3", BoricAcid(), "C3h", 3, 6, nonlinear},
        {"COH4_S4_conformer", OrthocarbonicAcid(), "S4", 2, 4, nonlinear},
        {"CH4", Methane(), "Td", 12, 24, nonlinear},
        {"CH4_one_bond_stretched", MethaneStretched(), "C3v", 3, 6, nonlinear},
        {"C2H4", Ethylene(), "D2h", 4, 8, nonlinear},
        {"C2H6_staggered", Ethane(), "D3d", 6, 12, nonlinear},
        {"C2H6_eclipsed", EthaneTwisted(60), "D3h", 6, 12, nonlinear},
        {"C2H6_twisted", EthaneTwisted(20), "D3", 6, 6, nonlinear},
        {"CHDT_CHDT_meso_anti", DideuterioditritioEthane(), "Ci", 1, 2, nonlinear},
        {"allene", Allene(), "D2d", 4, 8, nonlinear},
        {"isobutane", Isobutane(), "C3v", 3, 6, nonlinear},
        {"neopentane", Neopentane(), "Td", 12, 24, nonlinear},
        {"C6H6", Benzene(), "D6h", 12, 24, nonlinear},
        {"SF6", SulfurHexafluoride(), "Oh", 24, 48, nonlinear},
        {"C60", Fullerene(), "Ih", 60, 120, nonlinear},
    };
}

std::string RowName(const ::testing::TestParamInfo<SymmetryRow>& info) {
    return info.param.name;
}

class PointGroupOf : public ::testing::TestWithParam<SymmetryRow> {};

TEST_P(PointGroupOf, NameSigmaOrderAndShape) {
    const SymmetryRow& row = GetParam();
    const PointGroup g = PerceivePointGroup(row.atoms);
    EXPECT_EQ(g.name, row.group);
    EXPECT_EQ(g.symmetryNumber, row.sigma);
    EXPECT_EQ(g.order, row.order);
    EXPECT_EQ(ShapeOf(row.atoms), row.shape);
}

// A random rotation (uniform quaternion) and translation, then coordinates rounded to 4 decimals.
std::vector<Atom> MovedAndRounded(std::vector<Atom> atoms, unsigned seed, bool round) {
    std::mt19937 rng(seed);
    std::normal_distribution<double> gauss;
    double q[4];
    double norm = 0;
    for (double& c : q) {
        c = gauss(rng);
        norm += c * c;
    }
    for (double& c : q) c /= std::sqrt(norm);
    const double w = q[0], x = q[1], y = q[2], z = q[3];
    const double r[3][3] = {{1 - 2 * (y * y + z * z), 2 * (x * y - w * z), 2 * (x * z + w * y)},
                            {2 * (x * y + w * z), 1 - 2 * (x * x + z * z), 2 * (y * z - w * x)},
                            {2 * (x * z - w * y), 2 * (y * z + w * x), 1 - 2 * (x * x + y * y)}};
    const double shift[3] = {gauss(rng) * 10, gauss(rng) * 10, gauss(rng) * 10};
    for (Atom& a : atoms) {
        const auto p = a.position;
        for (int i = 0; i < 3; ++i) {
            double v = shift[i];
            for (int j = 0; j < 3; ++j) v += r[i][j] * p[j];
            a.position[i] = round ? std::round(v * 1e4) / 1e4 : v;
        }
    }
    return atoms;
}

TEST_P(PointGroupOf, SameAfterRandomRotationAndTranslationRoundedToFourDecimals) {
    const SymmetryRow& row = GetParam();
    for (unsigned seed : {1u, 2u, 3u}) {
        const PointGroup g = PerceivePointGroup(MovedAndRounded(row.atoms, seed, true));
        EXPECT_EQ(g.name, row.group) << "seed " << seed;
        EXPECT_EQ(g.symmetryNumber, row.sigma) << "seed " << seed;
    }
}

TEST_P(PointGroupOf, PrincipalMomentsUnchangedByRotationAndTranslation) {
    const SymmetryRow& row = GetParam();
    const Vector3 before = PrincipalMoments(row.atoms).moments;
    const Vector3 after = PrincipalMoments(MovedAndRounded(row.atoms, 7, false)).moments;
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(after[k], before[k], 1e-9 * (1 + before[2])) << k;
}

INSTANTIATE_TEST_SUITE_P(Molecules, PointGroupOf, ::testing::ValuesIn(Rows()), RowName);

TEST(PointGroupTolerance, OptimisationScatterIsForgivenAndTheToleranceIsHonoured) {
    // Every coordinate of methane moved by up to 2e-3 Angstrom, as an unsymmetrised optimisation
    // may leave it: still Td.
    std::vector<Atom> jittered = Methane();
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> shift(-2e-3, 2e-3);
    for (Atom& a : jittered) {
        for (double& x : a.position) x += shift(rng);
    }
    EXPECT_EQ(PerceivePointGroup(jittered).name, "Td");
    // A 0.05 Angstrom stretch is a distortion at the default tolerance, scatter at a wider one.
    EXPECT_EQ(PerceivePointGroup(MethaneStretched()).name, "C3v");
    EXPECT_EQ(PerceivePointGroup(MethaneStretched(), 0.1).name, "Td");
    EXPECT_EQ(PerceivePointGroup(Water(), 1e-7).name, "C2v");
    // Real outputs optimised without symmetry need the default: the scatter of these two
    // exceeds 1e-3 and 1e-5 Angstrom.
    EXPECT_EQ(PerceivePointGroup(Neopentane(), 1e-3).name, "C1");
    EXPECT_EQ(PerceivePointGroup(Ethane(), 1e-5).name, "C1");
}

TEST(PointGroupTolerance, PositionsThatAreNotNumbersGiveC1) {
    std::vector<Atom> broken = Water();
    broken[1].position[0] = std::nan("");
    EXPECT_EQ(PerceivePointGroup(broken).name, "C1");
    EXPECT_EQ(PerceivePointGroup(broken).symmetryNumber, 1);
    EXPECT_EQ(FindSymmetryOperations(broken, kSymmetryTolerance).size(), 1u);
}

TEST(SymmetryOperations, AreOrthogonalMapsOfTheMoleculeWithTheIdentityFirst) {
    for (const auto& atoms : {Ammonia(), Benzene(), Fullerene()}) {
        const auto ops = FindSymmetryOperations(atoms, kSymmetryTolerance);
        ASSERT_FALSE(ops.empty());
        EXPECT_TRUE(ops.front().proper);
        for (std::size_t i = 0; i < atoms.size(); ++i) EXPECT_EQ(ops.front().image[i], int(i));
        for (const SymmetryOperation& op : ops) {
            const auto& m = op.matrix;
            double det = m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6]) +
                         m[2] * (m[3] * m[7] - m[4] * m[6]);
            EXPECT_NEAR(det, op.proper ? 1 : -1, 1e-9);
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j) {
                    double dot = 0;
                    for (int k = 0; k < 3; ++k) dot += m[3 * i + k] * m[3 * j + k];
                    EXPECT_NEAR(dot, i == j ? 1 : 0, 1e-9);
                }
            }
            EXPECT_TRUE(MapsOntoItself(atoms, m, kSymmetryTolerance));
        }
    }
}

}  // namespace
}  // namespace moltherm::chem
