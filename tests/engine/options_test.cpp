#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "engine/thermo.h"

namespace moltherm {
namespace {

const PhysicalConstants kC;

Molecule Water() {
    Molecule m;
    m.atoms = 3;
    m.molarMass = 18.015;
    m.shape = Shape::kNonlinear;
    m.sigma = 2;
    m.rotationalConstants = {27.877, 14.512, 9.285};
    m.modes = {{3657, 1}, {1595, 1}, {3756, 1}};
    return m;
}

Molecule LowMode() {  // a diatomic with one 50 1/cm mode
    Molecule m;
    m.atoms = 2;
    m.molarMass = 200;
    m.rotationalConstants = {0.05, 0, 0};
    m.modes = {{50, 1}};
    return m;
}

ThermoResults At(const Molecule& m, double T, const ThermoOptions& o = {}) {
    const auto r = ComputeThermo(kC, m, T, o);
    EXPECT_TRUE(r.has_value());
    return r ? *r : ThermoResults{};
}

ThermoOptions Pressure(double value, PressureUnit unit) {
    ThermoOptions o;
    o.standardState = {StandardState::Kind::kPressure, value, unit};
    return o;
}

TEST(Options, OneAtmosphereLowersTheTranslationalEntropyOnly) {
    const ThermoResults bar = At(Water(), 298.15),
                        atm = At(Water(), 298.15, Pressure(1, PressureUnit::kAtm));
    EXPECT_NEAR(atm.trans.s - bar.trans.s, -0.10944379905549, 1e-9);
    EXPECT_NEAR(atm.total.s - bar.total.s, -0.10944379905549, 1e-9);
    EXPECT_EQ(atm.total.u, bar.total.u);
    EXPECT_EQ(atm.total.h, bar.total.h);
    EXPECT_EQ(atm.total.cp, bar.total.cp);
    // Every spelling of the same pressure is the same standard state.
    const ThermoResults pa = At(Water(), 298.15, Pressure(101325, PressureUnit::kPa));
    const ThermoResults torr = At(Water(), 298.15, Pressure(760, PressureUnit::kTorr));
    EXPECT_NEAR(pa.total.g, atm.total.g, 1e-9);
    EXPECT_NEAR(torr.total.g, atm.total.g, 1e-9);
    EXPECT_EQ(At(Water(), 298.15, Pressure(100, PressureUnit::kKPa)).total.g, bar.total.g);
}

TEST(Options, OneMolarRaisesGByRTln24_79) {
    ThermoOptions molar;
    molar.standardState = {StandardState::Kind::kConcentration, 1, PressureUnit::kBar};
    const ThermoResults bar = At(Water(), 298.15), m = At(Water(), 298.15, molar);
    EXPECT_NEAR((m.total.g - bar.total.g) / (7958.561695589195), 1, 1e-9);  // RT ln 24.79
    EXPECT_NEAR(m.trans.a - bar.trans.a, m.total.g - bar.total.g, 1e-6);
    EXPECT_EQ(m.total.h, bar.total.h);
}

TEST(Options, ZeroPointEnergyShiftsEnergiesAndQButNotEntropy) {
    ThermoOptions zpe;
    zpe.zeroPointEnergy = true;
    EXPECT_NEAR(ZeroPointEnergy(kC, Water(), zpe), 53879.81234247108, 1e-6);
    const ThermoResults plain = At(Water(), 500), shifted = At(Water(), 500, zpe);
    const double e0 = 53879.81234247108;
    for (auto [with, without] : {std::pair{shifted.vib, plain.vib}, {shifted.total, plain.total}}) {
        EXPECT_NEAR(with.u - without.u, e0, 1e-6);
        EXPECT_NEAR(with.h - without.h, e0, 1e-6);
        EXPECT_NEAR(with.g - without.g, e0, 1e-6);
        EXPECT_NEAR(with.s, without.s, 1e-9);
        EXPECT_EQ(with.cp, without.cp);
    }
    EXPECT_NEAR(shifted.vib.q / plain.vib.q, std::exp(-e0 / plain.RT), 1e-12);
    // E0 takes its own factor, and the frequency factor by default; wavenumbers as given.
    zpe.frequencyScale = 0.96;
    EXPECT_NEAR(ZeroPointEnergy(kC, Water(), zpe), 0.96 * e0, 1e-6);
    zpe.zpeScale = 0.95;
    zpe.raiseLowModesTo = 2000;
    EXPECT_NEAR(ZeroPointEnergy(kC, Water(), zpe), 0.95 * e0, 1e-6);
}

TEST(Options, ScaleAndRaiseAreTheMoleculeWithOtherWavenumbers) {
    ThermoOptions o;
    o.frequencyScale = 0.9;
    o.raiseLowModesTo = 1500;  // 1595 * 0.9 = 1435.5 is raised, the others are not
    Molecule changed = Water();
    changed.modes = {{3657 * 0.9, 1}, {1500, 1}, {3756 * 0.9, 1}};
    const ThermoResults a = At(Water(), 400, o), b = At(changed, 400);
    EXPECT_NEAR(a.vib.s, b.vib.s, 1e-12);
    EXPECT_NEAR(a.vib.u, b.vib.u, 1e-9);
    EXPECT_NEAR(a.vib.cp, b.vib.cp, 1e-12);
    EXPECT_NEAR(a.total.g, b.total.g, 1e-9);
}

TEST(Options, QuasiRrhoAgreesWithTheFormulas) {
    ThermoOptions o;
    o.qrrhoEntropyCutoff = 100;
    o.qrrhoEnthalpyCutoff = 100;
    const ThermoResults harmonic = At(LowMode(), 298.15), r = At(LowMode(), 298.15, o);
    EXPECT_NEAR(r.vib.s / 15.138210133146842, 1, 1e-6);  // w S_HO + (1 - w) S_FR, w = 1/17
    EXPECT_NEAR(r.vib.u / 1295.511302731465, 1, 1e-6);   // w U_HO + (1 - w) RT/2
    EXPECT_NEAR(r.vib.cp / 4.399434156665372, 1, 1e-6);
    EXPECT_EQ(r.vib.q, harmonic.vib.q);  // q stays harmonic
    EXPECT_NEAR(r.vib.g, r.vib.h - 298.15 * r.vib.s, 1e-9);
    // A cutoff far below the mode leaves the harmonic values.
    o.qrrhoEntropyCutoff = o.qrrhoEnthalpyCutoff = 1e-3;
    const ThermoResults near = At(LowMode(), 298.15, o);
    EXPECT_NEAR(near.vib.s, harmonic.vib.s, 1e-9);
    EXPECT_NEAR(near.vib.u, harmonic.vib.u, 1e-6);
}

// Cp = dH/dT under every option. Where one partition function gives S and the free energies,
// S = -dG/dT at constant pressure and S = -dA/dT at constant concentration (constant volume);
// the quasi-RRHO S and U are interpolated separately, so neither holds there.
enum class EntropyIdentity { kNone, kGibbs, kHelmholtz };
struct OptionCase {
    const char* name;
    std::function<ThermoOptions()> options;
    EntropyIdentity entropy;
};
void PrintTo(const OptionCase& c, std::ostream* os) {
    *os << c.name;
}

class OptionIdentities : public ::testing::TestWithParam<OptionCase> {};

TEST_P(OptionIdentities, DerivativesHold) {
    const ThermoOptions o = GetParam().options();
    for (double T : {120.0, 298.15, 1500.0}) {
        const double dT = T * 1e-5;
        const ThermoResults up = At(LowMode(), T + dT, o), down = At(LowMode(), T - dT, o),
                            at = At(LowMode(), T, o);
        EXPECT_NEAR((up.total.h - down.total.h) / (2 * dT), at.total.cp, 1e-5 * at.total.cp) << T;
        if (GetParam().entropy == EntropyIdentity::kNone) continue;
        const auto energy =
            GetParam().entropy == EntropyIdentity::kGibbs ? &Contribution::g : &Contribution::a;
        const double slope = -(up.total.*energy - down.total.*energy) / (2 * dT);
        EXPECT_NEAR(slope, at.total.s, 1e-5 * at.total.s) << T;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, OptionIdentities,
    ::testing::Values(
        OptionCase{"Atm", [] { return Pressure(1, PressureUnit::kAtm); }, EntropyIdentity::kGibbs},
        OptionCase{
            "Molar",
            [] {
                ThermoOptions o;
                o.standardState = {StandardState::Kind::kConcentration, 1, PressureUnit::kBar};
                return o;
            },
            EntropyIdentity::kHelmholtz},
        OptionCase{"Scale",
                   [] {
                       ThermoOptions o;
                       o.frequencyScale = 0.96;
                       return o;
                   },
                   EntropyIdentity::kGibbs},
        OptionCase{"Zpe",
                   [] {
                       ThermoOptions o;
                       o.zeroPointEnergy = true;
                       return o;
                   },
                   EntropyIdentity::kGibbs},
        OptionCase{"Raise",
                   [] {
                       ThermoOptions o;
                       o.raiseLowModesTo = 100;
                       return o;
                   },
                   EntropyIdentity::kGibbs},
        OptionCase{"QuasiEntropy",
                   [] {
                       ThermoOptions o;
                       o.qrrhoEntropyCutoff = 100;
                       return o;
                   },
                   EntropyIdentity::kNone},
        OptionCase{"QuasiEnergyWithZpe",
                   [] {
                       ThermoOptions o;
                       o.qrrhoEnthalpyCutoff = 100;
                       o.zeroPointEnergy = true;
                       return o;
                   },
                   EntropyIdentity::kNone}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace moltherm
