#include "engine/thermo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <string>

namespace moltherm {
namespace {

const PhysicalConstants kC;

Molecule Atom(double molarMass) {
    Molecule m;
    m.molarMass = molarMass;
    return m;
}

Molecule Linear(double molarMass, double b, int sigma, std::vector<VibrationalMode> modes) {
    Molecule m = Atom(molarMass);
    m.atoms = modes.size() == 1 ? 2 : 3;
    m.sigma = sigma;
    m.rotationalConstants = {b, 0, 0};
    m.modes = std::move(modes);
    return m;
}

Molecule Water() {
    Molecule m = Atom(18.015);
    m.atoms = 3;
    m.shape = Shape::kNonlinear;
    m.sigma = 2;
    m.rotationalConstants = {14.5, 27.9, 9.28};
    m.modes = {{3657, 1}, {1595, 1}, {3756, 1}};
    return m;
}

Molecule TwoLevelAtom() {
    Molecule m = Atom(39.948);
    m.levels = {{0, 2}, {500, 2}};
    return m;
}

ThermoResults Ok(const Molecule& m, double T) {
    const auto r = ComputeThermo(kC, m, T);
    EXPECT_TRUE(r.has_value()) << "refused at " << T << " K";
    return r ? *r : ThermoResults{};
}

bool AllFinite(const ThermoResults& r) {
    for (const Contribution* x : {&r.trans, &r.rot, &r.vib, &r.elec, &r.total})
        for (double v : {x->q, x->u, x->s, x->cp, x->h, x->a, x->g})
            if (!std::isfinite(v)) return false;
    return true;
}

TEST(Constants, AreTheStoredLiterals) {
    // pi is the 15-digit decimal, not the double nearest to pi; transCoef carries the difference.
    EXPECT_EQ(kC.pi, 3.14159265358979);
    EXPECT_NE(kC.pi, M_PI);
    EXPECT_EQ(kC.avogadro, 6.0221367e23);
    EXPECT_EQ(kC.boltzmann, 1.380658e-23);
    EXPECT_EQ(kC.planck, 6.6260755e-34);
    EXPECT_EQ(kC.gasConst, 8.3145112119486);
    EXPECT_EQ(kC.stdPressure, 100000);
    EXPECT_EQ(kC.hcCm, 1.986447461038579e-23);
}

// Worked values at 298.15 K, as printed to the digits given.
struct WorkedValue {
    const char* name;
    std::function<Molecule()> molecule;
    std::function<double(const ThermoResults&)> value;
    double expected;
    double tolerance;
};

void PrintTo(const WorkedValue& p, std::ostream* os) {
    *os << p.name;
}

class WorkedValues : public ::testing::TestWithParam<WorkedValue> {};

TEST_P(WorkedValues, At298K) {
    const WorkedValue& w = GetParam();
    EXPECT_NEAR(w.value(Ok(w.molecule(), 298.15)), w.expected, w.tolerance);
}

const auto kArgon = [] { return Atom(39.948); };
const auto kN2Like = [] { return Linear(28, 2.0, 2, {{2000, 1}}); };

INSTANTIATE_TEST_SUITE_P(
    Thermo, WorkedValues,
    ::testing::Values(
        WorkedValue{"ArgonQTrans", kArgon, [](auto& r) { return r.trans.q / 1e7; }, 1.0056, 5e-5},
        WorkedValue{"ArgonSTrans", kArgon, [](auto& r) { return r.trans.s; }, 154.847, 5e-4},
        WorkedValue{"ArgonCpTrans", kArgon, [](auto& r) { return r.trans.cp; }, 20.786, 5e-4},
        WorkedValue{"ArgonHTrans", kArgon, [](auto& r) { return r.trans.h; }, 6197.429, 5e-4},
        WorkedValue{"ArgonATrans", kArgon, [](auto& r) { return r.trans.a; }, -42449.08, 5e-3},
        WorkedValue{"ArgonGTotal", kArgon, [](auto& r) { return r.total.g; }, -39970.11, 5e-3},
        WorkedValue{"ArgonSRot", kArgon, [](auto& r) { return r.rot.s + r.vib.s + r.elec.s; }, 0,
                    0},
        WorkedValue{"LinearQRot", kN2Like, [](auto& r) { return r.rot.q; }, 51.806, 5e-4},
        WorkedValue{"LinearQVib", kN2Like, [](auto& r) { return r.vib.q; }, 1.00006435, 5e-9},
        WorkedValue{"LinearSRot", kN2Like, [](auto& r) { return r.rot.s; }, 41.136, 5e-4},
        WorkedValue{"LinearSVib", kN2Like, [](auto& r) { return r.vib.s; }, 0.006, 5e-4},
        WorkedValue{"LinearCpVib", kN2Like, [](auto& r) { return r.vib.cp; }, 0.050, 5e-4},
        WorkedValue{"LinearSTotal", kN2Like, [](auto& r) { return r.total.s; }, 191.556, 5e-4},
        WorkedValue{"LinearCpTotal", kN2Like, [](auto& r) { return r.total.cp; }, 29.151, 5e-4},
        WorkedValue{"LinearUTotal", kN2Like, [](auto& r) { return r.total.u; }, 6198.97, 5e-3},
        WorkedValue{"LinearHTotal", kN2Like, [](auto& r) { return r.total.h; }, 8677.94, 5e-3},
        WorkedValue{"LinearATotal", kN2Like, [](auto& r) { return r.total.a; }, -50913.58, 5e-3},
        WorkedValue{"LinearGTotal", kN2Like, [](auto& r) { return r.total.g; }, -48434.60, 5e-3},
        WorkedValue{"LinearGRotIsARot", kN2Like, [](auto& r) { return r.rot.g - r.rot.a; }, 0, 0},
        WorkedValue{"WaterQRot", Water, [](auto& r) { return r.rot.q; }, 43.147, 5e-4},
        WorkedValue{"WaterSRot", Water, [](auto& r) { return r.rot.s; }, 43.773, 5e-4},
        WorkedValue{"WaterCpRot", Water, [](auto& r) { return r.rot.cp; }, 12.472, 5e-4},
        WorkedValue{"WaterURot", Water, [](auto& r) { return r.rot.u; }, 3718.457, 5e-4},
        WorkedValue{"WaterSTotal", Water, [](auto& r) { return r.total.s; }, 188.720, 5e-4},
        WorkedValue{"WaterCpTotal", Water, [](auto& r) { return r.total.cp; }, 33.482, 5e-4},
        WorkedValue{"DoubletSElec",
                    [] {
                        auto m = Atom(40);
                        m.levels = {{0, 2}};
                        return m;
                    },
                    [](auto& r) { return r.elec.s; }, 5.763, 5e-4},
        WorkedValue{"TwoLevelsQElec", TwoLevelAtom, [](auto& r) { return r.elec.q; }, 2.17912,
                    5e-6},
        WorkedValue{"TwoLevelsUElec", TwoLevelAtom, [](auto& r) { return r.elec.u; }, 491.664,
                    5e-4},
        WorkedValue{"TwoLevelsSElec", TwoLevelAtom, [](auto& r) { return r.elec.s; }, 8.125, 5e-4},
        WorkedValue{"TwoLevelsCpElec", TwoLevelAtom, [](auto& r) { return r.elec.cp; }, 3.652,
                    5e-4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Thermo, DegenerateRowEqualsRepeatedRows) {
    const ThermoResults a = Ok(Linear(44, 0.39, 2, {{667, 2}, {1388, 1}, {2349, 1}}), 500);
    const ThermoResults b =
        Ok(Linear(44, 0.39, 2, {{667, 1}, {667, 1}, {1388, 1}, {2349, 1}}), 500);
    EXPECT_NEAR(a.vib.q, b.vib.q, 1e-12 * b.vib.q);
    EXPECT_NEAR(a.vib.u, b.vib.u, 1e-9);
    EXPECT_NEAR(a.vib.s, b.vib.s, 1e-12);
    EXPECT_NEAR(a.vib.cp, b.vib.cp, 1e-12);
}

TEST(Thermo, AtomReadsNoRotationOrVibration) {
    Molecule ar = Atom(39.948);
    const ThermoResults clean = Ok(ar, 298.15);
    ar.rotationalConstants = {-1, 0, 0};  // whatever they hold, an atom does not read them
    ar.modes = {{-5, 0}};
    ar.sigma = 0;
    EXPECT_EQ(Ok(ar, 298.15).total.g, clean.total.g);
}

// Cp = dH/dT and S = -dG/dT (q is at constant pressure), by central differences, across
// contributions and temperatures.
struct Identity {
    const char* name;
    std::function<Molecule()> molecule;
    double temperature;
};
void PrintTo(const Identity& p, std::ostream* os) {
    *os << p.name;
}

class Identities : public ::testing::TestWithParam<Identity> {};

TEST_P(Identities, HeatCapacityAndEntropyAreDerivatives) {
    const Identity& p = GetParam();
    const Molecule m = p.molecule();
    const double T = p.temperature, dT = T * 1e-5;
    const ThermoResults up = Ok(m, T + dT), down = Ok(m, T - dT), at = Ok(m, T);
    const auto columns = [](const ThermoResults& r) {
        return std::array{r.trans, r.rot, r.vib, r.elec, r.total};
    };
    for (std::size_t k = 0; k < 5; ++k) {
        const Contribution u = columns(up)[k], d = columns(down)[k], c = columns(at)[k];
        const double cp = (u.h - d.h) / (2 * dT), s = -(u.g - d.g) / (2 * dT);
        EXPECT_NEAR(cp, c.cp, 1e-5 * std::max(1.0, std::abs(c.cp))) << "column " << k;
        EXPECT_NEAR(s, c.s, 1e-5 * std::max(1.0, std::abs(c.s))) << "column " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Thermo, Identities,
                         ::testing::Values(Identity{"WaterRoomTemperature", Water, 298.15},
                                           Identity{"WaterHot", Water, 2500},
                                           Identity{"LowModeCold",
                                                    [] {
                                                        return Linear(44, 0.39, 2, {{20, 2}});
                                                    },
                                                    10},
                                           Identity{"TwoLevels", TwoLevelAtom, 400},
                                           Identity{"HighLevelCold", TwoLevelAtom, 30}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Thermo, OverflowSafeTermsMatchTheFormulasOnBothSidesOfOverflow) {
    // exp(x) overflows a double past x = 709.78; extended precision still holds it.
    const Molecule m = Linear(28, 2.0, 2, {{2500, 1}});
    for (double x : {709.70, 709.78, 709.79, 720.0}) {
        const double T = 2500 * kC.hcCm / (x * kC.boltzmann);
        const ThermoResults r = Ok(m, T);
        const long double xv = 2500 * kC.hcCm / (kC.boltzmann * T);
        const long double uExpected = kC.gasConst * T * xv / (std::exp(xv) - 1);
        EXPECT_NEAR(r.vib.u / uExpected, 1, 1e-9) << x;
        EXPECT_GE(r.vib.cp, 0) << x;
        EXPECT_LT(r.vib.cp, 1e-290) << x;
    }
    for (double T : {1.0, 5.07, 0.01}) {  // far past overflow: the terms vanish
        const ThermoResults r = Ok(m, T);
        EXPECT_EQ(r.vib.q, 1) << T;
        EXPECT_EQ(r.vib.cp, 0) << T;
        EXPECT_LT(r.vib.s, 1e-300) << T;
    }
}

TEST(Thermo, TinyWavenumberKeepsItsDigits) {
    // Below x = 1e-7, 1 - e^-x loses digits; the mode tends to the classical R per degeneracy.
    const ThermoResults r = Ok(Linear(28, 2.0, 1, {{1e-9, 1}}), 298.15);
    const double x = 1e-9 * kC.hcCm / (kC.boltzmann * 298.15);
    EXPECT_NEAR(r.vib.q * x, 1, 1e-9);
    EXPECT_NEAR(r.vib.cp / kC.gasConst, 1, 1e-9);
    EXPECT_NEAR(r.vib.u / r.RT, 1, 1e-9);
}

// Extreme inputs: computed where the true values are doubles, refused naming the input at fault.
struct Extreme {
    const char* name;
    std::function<Molecule()> molecule;
    double temperature;
    std::optional<ThermoFault> fault;
};

void PrintTo(const Extreme& p, std::ostream* os) {
    *os << p.name;
}

class ExtremeInputs : public ::testing::TestWithParam<Extreme> {};

TEST_P(ExtremeInputs, ComputeOrBlameTheInput) {
    const Extreme& e = GetParam();
    const auto r = ComputeThermo(kC, e.molecule(), e.temperature);
    if (e.fault) {
        ASSERT_FALSE(r.has_value());
        EXPECT_EQ(r.error(), *e.fault);
    } else {
        ASSERT_TRUE(r.has_value()) << static_cast<int>(r.error());
        EXPECT_TRUE(AllFinite(*r));
    }
}

Molecule WithModes(int atoms, double wavenumber) {
    Molecule m = Linear(100, 0.1, 1, {});
    m.atoms = atoms;
    m.modes = {{wavenumber, VibrationalModeCount(atoms, Shape::kLinear)}};
    return m;
}

INSTANTIATE_TEST_SUITE_P(
    Thermo, ExtremeInputs,
    ::testing::Values(
        Extreme{"TinyWavenumber",
                [] {
                    return Linear(28, 2, 2, {{1e-20, 1}});
                },
                298.15,
                {}},
        Extreme{"HugeLevelEnergy",
                [] {
                    auto m = Atom(40);
                    m.levels = {{0, 1}, {1e160, 3}};
                    return m;
                },
                298.15,
                {}},
        Extreme{"TinyRotationalConstant",
                [] {
                    return Linear(28, 1e-300, 2, {{2000, 1}});
                },
                298.15, ThermoFault::kRotationalConstant},
        Extreme{"TinyNonlinearConstants",
                [] {
                    auto m = Water();
                    m.rotationalConstants = {1e-120, 1e-120, 1e-120};
                    return m;
                },
                298.15,
                {}},
        Extreme{"HugeMolarMass", [] { return Atom(1e187); }, 298.15, ThermoFault::kMolarMass},
        Extreme{"LargestMoleculeLowModes", [] { return WithModes(limits::kMaxAtoms, 10); }, 298.15,
                ThermoFault::kVibrationalFrequency},
        Extreme{"LargestMoleculeOrdinaryModes",
                [] { return WithModes(limits::kMaxAtoms, 3000); },
                298.15,
                {}},
        Extreme{"HugeTemperature", Water, 1e200, ThermoFault::kTemperature},
        Extreme{"TinyTemperature", Water, 1e-300, ThermoFault::kTemperature},
        Extreme{"ZeroTemperature", Water, 0, ThermoFault::kTemperature},
        Extreme{"ColdAtomOfMass1", [] { return Atom(1); }, 1.09e-128, {}},
        Extreme{"ColdAtomOneLevel", [] { return Atom(1e6); }, 1e-200, ThermoFault::kTemperature},
        Extreme{"ZeroWavenumber",
                [] {
                    return Linear(28, 2, 2, {{0, 1}});
                },
                298.15, ThermoFault::kVibrationalFrequency},
        Extreme{"ZeroDegeneracy",
                [] {
                    return Linear(28, 2, 2, {{100, 0}});
                },
                298.15, ThermoFault::kDegeneracy}),
    [](const auto& info) { return std::string(info.param.name); });

// Random molecules with extreme values at temperatures an ordinary molecule computes at: never
// a temperature fault, never a NaN or an infinity.
TEST(Thermo, RandomExtremeInputsNeverBlameAWorkingTemperature) {
    std::mt19937_64 random(20261207);
    const auto logUniform = [&](double lo, double hi) {
        return std::pow(10.0, std::uniform_real_distribution<double>(lo, hi)(random));
    };
    for (int run = 0; run < 3000; ++run) {
        Molecule m = Atom(logUniform(0, 308));
        m.levels = {{0, 1}, {logUniform(-300, 308), 1 + static_cast<int>(random() % 5)}};
        if (random() % 4 != 0) {
            m.atoms = 2 + static_cast<int>(random() % 50);
            m.shape = m.atoms > 2 && random() % 2 ? Shape::kNonlinear : Shape::kLinear;
            m.sigma = 1 + static_cast<int>(random() % 12);
            m.rotationalConstants = {logUniform(-300, 300), logUniform(-300, 300),
                                     logUniform(-300, 300)};
            m.modes = {{logUniform(-300, 300), VibrationalModeCount(m.atoms, m.shape)}};
        }
        const double T = logUniform(-100, 100);
        if (!ComputeThermo(kC, Water(), T)) continue;
        const auto r = ComputeThermo(kC, m, T);
        if (r) {
            EXPECT_TRUE(AllFinite(*r)) << "run " << run;
        } else {
            EXPECT_NE(r.error(), ThermoFault::kTemperature) << "run " << run << " at " << T;
        }
    }
}

}  // namespace
}  // namespace moltherm
