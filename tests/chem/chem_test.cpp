#include <gtest/gtest.h>

#include <Eigen/Dense>

#include <cmath>
#include <ostream>
#include <random>
#include <string>

#include "chem/elements.h"
#include "chem/formula.h"
#include "chem/inertia.h"
#include "chem/point_group.h"
#include "chem/rigid_rotor.h"
#include "chem/symmetry_operations.h"
#include "molecules.h"
#include "tests/support/data_rows.h"

namespace moltherm::chem {
namespace {

using namespace moltherm::chem::testing;

class ElementLookup : public ::testing::TestWithParam<moltherm::testing::Json> {};

TEST_P(ElementLookup, SymbolInAnyCaseAndNumberFindTheSameRecord) {
    const auto& row = GetParam();
    const Element* bySymbol = ElementBySymbol(row["typed"].get<std::string>());
    ASSERT_NE(bySymbol, nullptr);
    EXPECT_EQ(bySymbol, ElementByNumber(row["number"]));
    EXPECT_EQ(bySymbol->number, row["number"]);
    EXPECT_EQ(bySymbol->symbol, row["symbol"].get<std::string>());
    EXPECT_DOUBLE_EQ(bySymbol->isotopeMass, row["isotopeMass"]);
    EXPECT_DOUBLE_EQ(bySymbol->standardWeight, row["standardWeight"]);
}

INSTANTIATE_TEST_SUITE_P(Elements, ElementLookup,
                         ::testing::ValuesIn(moltherm::testing::DataRows("elements")),
                         moltherm::testing::RowName);

TEST(ElementLookup, EveryNumberHasItsOwnSymbolAndMassesNearItsMassNumber) {
    for (int z = 1; z <= 92; ++z) {
        const Element* e = ElementByNumber(z);
        ASSERT_NE(e, nullptr) << z;
        EXPECT_EQ(e->number, z);
        EXPECT_EQ(ElementBySymbol(e->symbol), e) << e->symbol;
        // A mass never strays more than 0.1 u from a whole number for the isotope, and the
        // weight of a mixture lies within 3 u of it: catches a slipped digit or a swapped row.
        EXPECT_LT(std::abs(e->isotopeMass - std::round(e->isotopeMass)), 0.1) << e->symbol;
        EXPECT_LT(std::abs(e->standardWeight - e->isotopeMass), 3.0) << e->symbol;
        EXPECT_GT(e->standardWeight, z > 1 ? ElementByNumber(z - 1)->standardWeight - 2 : 0) << z;
    }
    for (const char* s : {"", "X", "Xx", "C1", "Cl ", " H", "Hee", "D"})
        EXPECT_EQ(ElementBySymbol(s), nullptr) << '"' << s << '"';
    for (int z : {-1, 0, 93, 1000}) EXPECT_EQ(ElementByNumber(z), nullptr) << z;
}

class HillFormulaOf : public ::testing::TestWithParam<moltherm::testing::Json> {};

TEST_P(HillFormulaOf, CarbonThenHydrogenThenAlphabetical) {
    EXPECT_EQ(HillFormula(NamedMolecule(GetParam()["molecule"])), GetParam()["hill"]);
}

INSTANTIATE_TEST_SUITE_P(Molecules, HillFormulaOf,
                         ::testing::ValuesIn(moltherm::testing::DataRows("hill_formulas")),
                         moltherm::testing::RowName);

TEST(HillFormula, AnUnknownElementIsAQuestionMark) {
    EXPECT_EQ(HillFormula(std::vector<Atom>{At("O", 0, 0, 0), Atom{0, {1, 0, 0}, 1}}), "?O");
}

class RotationalConstantsOf : public ::testing::TestWithParam<moltherm::testing::Json> {};

TEST_P(RotationalConstantsOf, AgreeWithTheReference) {
    const auto& row = GetParam();
    const std::vector<double> b = RotationalConstants(NamedMolecule(row["molecule"]));
    const double unit = row.contains("GHz") ? 29.9792458 : 1;  // c in [cm/ns]
    const std::vector<double> printed = row.contains("GHz") ? row["GHz"] : row["perCm"];
    ASSERT_EQ(b.size(), printed.size());
    for (std::size_t i = 0; i < b.size(); ++i)
        EXPECT_NEAR(b[i] * unit, printed[i], row["relativeTolerance"].get<double>() * printed[i])
            << i;
}

INSTANTIATE_TEST_SUITE_P(Molecules, RotationalConstantsOf,
                         ::testing::ValuesIn(moltherm::testing::DataRows("rotational_constants")),
                         moltherm::testing::RowName);

TEST(PrincipalMoments, PlanarMoleculesObeyThePerpendicularAxisTheorem) {
    for (const auto& atoms :
         {Geometry("Water"), Geometry("Benzene"), Geometry("Ethylene"), Geometry("BoricAcid")}) {
        const Vector3 m = PrincipalMoments(atoms).moments;
        EXPECT_LE(m[0], m[1]);
        EXPECT_NEAR(m[2], m[0] + m[1], 1e-5 * m[2]);
    }
}

TEST(PrincipalMoments, AxesAreOrthonormalEigenvectorsOfTheTensor) {
    const std::vector<Atom> atoms = Geometry("HydrogenPeroxide");
    const Matrix3 tensor = InertiaTensor(atoms);
    const Eigen::Map<const Eigen::Matrix<double, 3, 3, Eigen::RowMajor>> t(tensor[0].data());
    const PrincipalAxes p = PrincipalMoments(atoms);
    for (int k = 0; k < 3; ++k) {
        const Eigen::Map<const Eigen::Vector3d> axis(p.axes[k].data());
        EXPECT_LT((t * axis - p.moments[k] * axis).lpNorm<Eigen::Infinity>(), 1e-12) << k;
        EXPECT_NEAR(axis.norm(), 1, 1e-12) << k;
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
    EXPECT_NEAR(MolarMass(Geometry("Water")), 18.01056468403, 1e-9);
    EXPECT_NEAR(MolarMass(HeavyWater()), 19.01684142992, 1e-9);
    EXPECT_EQ(MolarMass({}), 0);
    const Vector3 c = CentreOfMass(HeavyWater());
    EXPECT_NEAR(c[1], (0.790649 * 1.00782503223 - 0.790649 * kDeuterium) / 19.01684142992, 1e-12);
    EXPECT_LT(RotationalConstants(HeavyWater())[2], RotationalConstants(Geometry("Water"))[2]);
}

// A row of point_groups.json as the molecule's atoms and what they must give.
struct SymmetryRow {
    std::vector<Atom> atoms;
    std::string group;
    int sigma, order;
    Shape shape;
};

SymmetryRow Read(const moltherm::testing::Json& row) {
    const std::string shape = row["shape"];
    return {NamedMolecule(row["molecule"]), row["group"], row["sigma"], row["order"],
            shape == "atom"     ? Shape::Atom
            : shape == "linear" ? Shape::Linear
                                : Shape::Nonlinear};
}

class PointGroupOf : public ::testing::TestWithParam<moltherm::testing::Json> {};

// The rigid rotor a molecule file describes gathers the same group, shape, formula, mass and
// constants.
TEST_P(PointGroupOf, NameSigmaOrderAndShape) {
    const SymmetryRow row = Read(GetParam());
    const PointGroup g = PerceivePointGroup(row.atoms);
    EXPECT_EQ(g.name, row.group);
    EXPECT_EQ(g.symmetryNumber, row.sigma);
    EXPECT_EQ(g.order, row.order);
    EXPECT_EQ(ShapeOf(row.atoms), row.shape);
    const RigidRotor r = DescribeRigidRotor(row.atoms);
    EXPECT_EQ(r.pointGroup.name + std::to_string(r.pointGroup.symmetryNumber),
              row.group + std::to_string(row.sigma));
    EXPECT_EQ(r.shape, row.shape);
    EXPECT_EQ(r.formula, HillFormula(row.atoms));
    EXPECT_EQ(r.molarMass, MolarMass(row.atoms));
    EXPECT_EQ(r.rotationalConstants, RotationalConstants(row.atoms));
}

// A random rotation (uniform quaternion) and translation, then coordinates rounded to 4 decimals.
std::vector<Atom> MovedAndRounded(std::vector<Atom> atoms, unsigned seed, bool round) {
    std::mt19937 rng(seed);
    std::normal_distribution<double> gauss;
    const double w = gauss(rng), x = gauss(rng), y = gauss(rng), z = gauss(rng);
    const Eigen::Matrix3d r = Eigen::Quaterniond(w, x, y, z).normalized().toRotationMatrix();
    const Eigen::Vector3d shift(gauss(rng) * 10, gauss(rng) * 10, gauss(rng) * 10);
    for (Atom& a : atoms) {
        const Eigen::Vector3d v = shift + r * Eigen::Vector3d(a.position.data());
        for (int i = 0; i < 3; ++i) a.position[i] = round ? std::round(v[i] * 1e4) / 1e4 : v[i];
    }
    return atoms;
}

TEST_P(PointGroupOf, SameAfterRandomRotationAndTranslationRoundedToFourDecimals) {
    const SymmetryRow row = Read(GetParam());
    for (unsigned seed : {1u, 2u, 3u}) {
        const PointGroup g = PerceivePointGroup(MovedAndRounded(row.atoms, seed, true));
        EXPECT_EQ(g.name + std::to_string(g.symmetryNumber), row.group + std::to_string(row.sigma))
            << "seed " << seed;
    }
    const Vector3 before = PrincipalMoments(row.atoms).moments;
    const Vector3 after = PrincipalMoments(MovedAndRounded(row.atoms, 7, false)).moments;
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(after[k], before[k], 1e-9 * (1 + before[2])) << k;
}

INSTANTIATE_TEST_SUITE_P(Molecules, PointGroupOf,
                         ::testing::ValuesIn(moltherm::testing::DataRows("point_groups")),
                         moltherm::testing::RowName);

TEST(PointGroupTolerance, OptimisationScatterIsForgivenAndTheToleranceIsHonoured) {
    // Every coordinate of methane moved by up to 2e-3 Angstrom, as an unsymmetrised optimisation
    // may leave it: still Td.
    std::vector<Atom> jittered = Geometry("Methane");
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> shift(-2e-3, 2e-3);
    for (Atom& a : jittered)
        for (double& x : a.position) x += shift(rng);
    EXPECT_EQ(PerceivePointGroup(jittered).name, "Td");
    // A 0.05 Angstrom stretch is a distortion at the default tolerance, scatter at a wider one.
    EXPECT_EQ(PerceivePointGroup(MethaneStretched(), 0.1).name, "Td");
    EXPECT_EQ(PerceivePointGroup(Geometry("Water"), 1e-7).name, "C2v");
    // Real outputs optimised without symmetry need the default: the scatter of these two
    // exceeds 1e-3 and 1e-5 Angstrom.
    EXPECT_EQ(PerceivePointGroup(Geometry("Neopentane"), 1e-3).name, "C1");
    EXPECT_EQ(PerceivePointGroup(Geometry("Ethane"), 1e-5).name, "C1");
    // Positions that are not numbers give C1.
    std::vector<Atom> broken = Geometry("Water");
    broken[1].position[0] = std::nan("");
    EXPECT_EQ(
        PerceivePointGroup(broken).name + std::to_string(PerceivePointGroup(broken).symmetryNumber),
        "C11");
    EXPECT_EQ(FindSymmetryOperations(broken, kSymmetryTolerance).size(), 1u);
}

TEST(SymmetryOperations, AreOrthogonalMapsOfTheMoleculeWithTheIdentityFirst) {
    for (const auto& atoms : {Geometry("Ammonia"), Geometry("Benzene"), Fullerene()}) {
        const auto ops = FindSymmetryOperations(atoms, kSymmetryTolerance);
        ASSERT_FALSE(ops.empty());
        EXPECT_TRUE(ops.front().proper);
        for (std::size_t i = 0; i < atoms.size(); ++i) EXPECT_EQ(ops.front().image[i], int(i));
        for (const SymmetryOperation& op : ops) {
            const Eigen::Map<const Eigen::Matrix<double, 3, 3, Eigen::RowMajor>> m(
                op.matrix.data());
            EXPECT_NEAR(m.determinant(), op.proper ? 1 : -1, 1e-9);
            EXPECT_TRUE((m * m.transpose()).isIdentity(1e-9));
            EXPECT_TRUE(MapsOntoItself(atoms, op.matrix, kSymmetryTolerance));
        }
    }
}

}  // namespace
}  // namespace moltherm::chem
