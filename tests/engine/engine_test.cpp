#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <random>
#include <string>

#include "engine/nasa7.h"
#include "engine/reference_functions.h"
#include "engine/temperature_grid.h"
#include "engine/thermo.h"
#include "tests/support/data_rows.h"
#include "tests/support/typed_molecules.h"

namespace moltherm {
namespace {

using testing::DataRows;
using testing::Json;
using testing::Number;
using testing::RowName;

const PhysicalConstants kC;

Molecule Atom(double molarMass, std::vector<ElectronicLevel> levels = {{}}) {
    Molecule m = testing::TypedMolecule(1, molarMass, Shape::kLinear, {}, 1, {});
    m.levels = std::move(levels);
    return m;
}

Molecule Linear(double molarMass, double b, int sigma, std::vector<VibrationalMode> modes) {
    const int atoms = modes.size() == 1 ? 2 : 3;
    return testing::TypedMolecule(atoms, molarMass, Shape::kLinear, {b}, sigma, std::move(modes));
}

Molecule Water() {
    return testing::TypedMolecule(3, 18.015, Shape::kNonlinear, {14.5, 27.9, 9.28}, 2,
                                  {{3657, 1}, {1595, 1}, {3756, 1}});
}

Molecule TwoLevelAtom() {
    return Atom(39.948, {{0, 2}, {500, 2}});
}

ThermoResults Ok(const Molecule& m, double T, const ThermoOptions& o = {}) {
    const auto r = ComputeThermo(kC, m, T, o);
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

Molecule Argon() {
    return Atom(39.948);
}
Molecule N2Like() {
    return Linear(28, 2.0, 2, {{2000, 1}});
}
Molecule Doublet() {
    return Atom(40, {{0, 2}});
}
using R = ThermoResults;
using C = Contribution;

class WorkedValues : public ::testing::TestWithParam<Json> {};

TEST_P(WorkedValues, At298K) {
    const Json& w = GetParam();
    const std::map<std::string, Molecule (*)()> molecules = {{"Argon", Argon},
                                                             {"N2Like", N2Like},
                                                             {"Water", Water},
                                                             {"Doublet", Doublet},
                                                             {"TwoLevelAtom", TwoLevelAtom}};
    const std::map<std::string, Contribution R::*> parts = {{"trans", &R::trans},
                                                            {"rot", &R::rot},
                                                            {"vib", &R::vib},
                                                            {"elec", &R::elec},
                                                            {"total", &R::total}};
    const std::map<std::string, double C::*> fields = {{"q", &C::q}, {"s", &C::s}, {"cp", &C::cp},
                                                       {"u", &C::u}, {"h", &C::h}, {"a", &C::a},
                                                       {"g", &C::g}};
    const ThermoResults r = Ok(molecules.at(w["molecule"])(), 298.15);
    EXPECT_NEAR(r.*parts.at(w["part"]).*fields.at(w["field"]), w["expected"], w["tolerance"]);
}

INSTANTIATE_TEST_SUITE_P(Thermo, WorkedValues, ::testing::ValuesIn(DataRows("worked_values")),
                         RowName);

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
    const ThermoResults n2 = Ok(N2Like(), 298.15);  // pV belongs to translation alone
    EXPECT_EQ(n2.rot.g, n2.rot.a);
}

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

// The faults by name, in their enum's order.
const char* const kFaults[] = {
    "Temperature",          "MolarMass", "ElectronicEnergy", "RotationalConstant",
    "VibrationalFrequency", "AtomCount", "SymmetryNumber",   "Degeneracy"};

// A molecule of a row (see extreme_inputs.json); what a row leaves out is an atom's default.
Molecule FromRow(const Json& m) {
    Molecule r = Atom(m["molarMass"]);
    r.atoms = m.value("atoms", 1);
    r.shape = m.value("nonlinear", false) ? Shape::kNonlinear : Shape::kLinear;
    r.sigma = m.value("sigma", 1);
    const std::vector<double> b = m.value("b", std::vector<double>{});
    std::copy(b.begin(), b.end(), r.rotationalConstants.begin());
    for (const Json& mode : m.value("modes", Json::array())) r.modes.push_back({mode[0], mode[1]});
    if (m.contains("levels")) r.levels.clear();
    for (const Json& level : m.value("levels", Json::array()))
        r.levels.push_back({level[0], level[1]});
    return r;
}

class ExtremeInputs : public ::testing::TestWithParam<Json> {};

TEST_P(ExtremeInputs, ComputeOrBlameTheInput) {
    const Json& e = GetParam();
    const auto r = ComputeThermo(kC, FromRow(e["molecule"]), e["temperature"]);
    EXPECT_EQ(r ? Json() : Json(kFaults[static_cast<int>(r.error())]), e["fault"]);
    EXPECT_TRUE(!r || AllFinite(*r));
}

INSTANTIATE_TEST_SUITE_P(Thermo, ExtremeInputs, ::testing::ValuesIn(DataRows("extreme_inputs")),
                         RowName);

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

constexpr double kE0 = 53879.81234247108;  // 1/2 NA hc (3657 + 1595 + 3756) [J/mol]
constexpr StandardState kMolar{StandardState::Kind::kConcentration, 1, PressureUnit::kBar};

Molecule LowMode() {  // a diatomic with one 50 1/cm mode
    return testing::TypedMolecule(2, 200, Shape::kLinear, {0.05}, 1, {{50, 1}});
}

// Options that differ from the defaults only where `set` changes them.
template <class Set>
ThermoOptions With(Set set) {
    ThermoOptions o;
    set(o);
    return o;
}
ThermoOptions Pressure(double value, PressureUnit unit) {
    return With([&](auto& o) { o.standardState = {StandardState::Kind::kPressure, value, unit}; });
}

TEST(Options, OneAtmosphereLowersTheTranslationalEntropyOnly) {
    const ThermoResults bar = Ok(testing::Water(), 298.15),
                        atm = Ok(testing::Water(), 298.15, Pressure(1, PressureUnit::kAtm));
    EXPECT_NEAR(atm.trans.s - bar.trans.s, -0.10944379905549, 1e-9);  // -R ln 1.01325
    EXPECT_NEAR(atm.total.s - bar.total.s, -0.10944379905549, 1e-9);
    EXPECT_EQ(atm.total.h, bar.total.h);
    EXPECT_EQ(atm.total.cp, bar.total.cp);
    // Every spelling of the same pressure is the same standard state.
    EXPECT_NEAR(Ok(testing::Water(), 298.15, Pressure(101325, PressureUnit::kPa)).total.g,
                atm.total.g, 1e-9);
    EXPECT_NEAR(Ok(testing::Water(), 298.15, Pressure(760, PressureUnit::kTorr)).total.g,
                atm.total.g, 1e-9);
    EXPECT_EQ(Ok(testing::Water(), 298.15, Pressure(100, PressureUnit::kKPa)).total.g, bar.total.g);
}

TEST(Options, OneMolarRaisesGByRTln24_79) {
    const ThermoResults bar = Ok(testing::Water(), 298.15),
                        m = Ok(testing::Water(), 298.15,
                               With([](auto&o) { o.standardState = kMolar; }));
    EXPECT_NEAR((m.total.g - bar.total.g) / (7958.561695589195), 1, 1e-9);  // RT ln 24.79
    EXPECT_NEAR(m.trans.a - bar.trans.a, m.total.g - bar.total.g, 1e-6);
    EXPECT_EQ(m.total.h, bar.total.h);
}

TEST(Options, ZeroPointEnergyShiftsEnergiesAndQButNotEntropy) {
    ThermoOptions zpe = With([](auto& o) { o.zeroPointEnergy = true; });
    EXPECT_NEAR(ZeroPointEnergy(kC, testing::Water(), zpe), kE0, 1e-6);
    const ThermoResults plain = Ok(testing::Water(), 500), shifted = Ok(testing::Water(), 500, zpe);
    for (auto [with, without] : {std::pair{shifted.vib, plain.vib}, {shifted.total, plain.total}}) {
        EXPECT_NEAR(with.u - without.u, kE0, 1e-6);
        EXPECT_NEAR(with.h - without.h, kE0, 1e-6);
        EXPECT_NEAR(with.g - without.g, kE0, 1e-6);
        EXPECT_NEAR(with.s, without.s, 1e-9);
        EXPECT_EQ(with.cp, without.cp);
    }
    EXPECT_NEAR(shifted.vib.q / plain.vib.q, std::exp(-kE0 / plain.RT), 1e-12);
    // E0 takes its own factor, and the frequency factor by default; wavenumbers as given.
    zpe.frequencyScale = 0.96;
    EXPECT_NEAR(ZeroPointEnergy(kC, testing::Water(), zpe), 0.96 * kE0, 1e-6);
    zpe.zpeScale = 0.95;
    zpe.raiseLowModesTo = 2000;
    EXPECT_NEAR(ZeroPointEnergy(kC, testing::Water(), zpe), 0.95 * kE0, 1e-6);
}

TEST(Options, ScaleAndRaiseAreTheMoleculeWithOtherWavenumbers) {
    // 1595 * 0.9 = 1435.5 is raised to 1500, the others are not.
    Molecule changed = testing::Water();
    changed.modes = {{3657 * 0.9, 1}, {1500, 1}, {3756 * 0.9, 1}};
    const auto scaleAndRaise = [](auto& o) { o.frequencyScale = 0.9, o.raiseLowModesTo = 1500; };
    const ThermoResults a = Ok(testing::Water(), 400, With(scaleAndRaise)), b = Ok(changed, 400);
    EXPECT_NEAR(a.vib.s, b.vib.s, 1e-12);
    EXPECT_NEAR(a.vib.u, b.vib.u, 1e-9);
    EXPECT_NEAR(a.vib.cp, b.vib.cp, 1e-12);
    EXPECT_NEAR(a.total.g, b.total.g, 1e-9);
}

TEST(Options, QuasiRrhoAgreesWithTheFormulas) {
    ThermoOptions o = With([](auto& q) { q.qrrhoEntropyCutoff = q.qrrhoEnthalpyCutoff = 100; });
    const ThermoResults harmonic = Ok(LowMode(), 298.15), r = Ok(LowMode(), 298.15, o);
    EXPECT_NEAR(r.vib.s / 15.138210133146842, 1, 1e-6);  // w S_HO + (1 - w) S_FR, w = 1/17
    EXPECT_NEAR(r.vib.u / 1295.511302731465, 1, 1e-6);   // w U_HO + (1 - w) RT/2
    EXPECT_NEAR(r.vib.cp / 4.399434156665372, 1, 1e-6);
    EXPECT_EQ(r.vib.q, harmonic.vib.q);  // q stays harmonic
    EXPECT_NEAR(r.vib.g, r.vib.h - 298.15 * r.vib.s, 1e-9);
    // A cutoff far below the mode leaves the harmonic values.
    o.qrrhoEntropyCutoff = o.qrrhoEnthalpyCutoff = 1e-3;
    const ThermoResults near = Ok(LowMode(), 298.15, o);
    EXPECT_NEAR(near.vib.s, harmonic.vib.s, 1e-9);
    EXPECT_NEAR(near.vib.u, harmonic.vib.u, 1e-6);
}

// Cp = dH/dT and S = -dG/dT (q is at constant pressure), by central differences, across
// contributions, temperatures and options. At constant concentration (constant volume)
// S = -dA/dT; the quasi-RRHO S and U are interpolated separately, so neither holds there.
// Options of a row (see identities.json).
ThermoOptions OptionsFromRow(const Json& o) {
    ThermoOptions r;
    if (o.value("atm", false)) r = Pressure(1, PressureUnit::kAtm);
    if (o.value("molar", false)) r.standardState = kMolar;
    r.frequencyScale = o.value("scale", 1.0);
    r.zeroPointEnergy = o.value("zpe", false);
    if (o.contains("raise")) r.raiseLowModesTo = o["raise"].get<double>();
    if (o.contains("qrrhoEntropy")) r.qrrhoEntropyCutoff = o["qrrhoEntropy"].get<double>();
    if (o.contains("qrrhoEnthalpy")) r.qrrhoEnthalpyCutoff = o["qrrhoEnthalpy"].get<double>();
    return r;
}

class Identities : public ::testing::TestWithParam<Json> {};

TEST_P(Identities, HeatCapacityAndEntropyAreDerivatives) {
    const Json& p = GetParam();
    const Molecule m = FromRow(p["molecule"]);
    const ThermoOptions options = OptionsFromRow(p["options"]);
    double C::*entropyFrom = p["entropyFrom"] == "a" ? &C::a : &C::g;
    for (const double T : p["temperatures"]) {
        const double dT = T * 1e-5;
        const ThermoResults up = Ok(m, T + dT, options), down = Ok(m, T - dT, options),
                            at = Ok(m, T, options);
        for (auto part : {&R::trans, &R::rot, &R::vib, &R::elec, &R::total}) {
            const C u = up.*part, d = down.*part, c = at.*part;
            EXPECT_NEAR((u.h - d.h) / (2 * dT), c.cp, 1e-5 * std::max(1.0, std::abs(c.cp))) << T;
            if (p["entropyFrom"].is_null()) continue;
            EXPECT_NEAR(-(u.*entropyFrom - d.*entropyFrom) / (2 * dT), c.s,
                        1e-5 * std::max(1.0, std::abs(c.s)))
                << T;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Thermo, Identities, ::testing::ValuesIn(DataRows("identities")), RowName);

const double kR = kC.gasConst;

struct FitCase {
    const char* name;
    std::function<Molecule()> molecule;
    Nasa7Temperatures temperatures;
    std::optional<double> enthalpyOfFormation;  // [J/mol]
    Nasa7Deviation limit;                       // what the fit must reach in both ranges
};

class Nasa7Fits : public ::testing::TestWithParam<FitCase> {
  protected:
    void SetUp() override {
        const FitCase& c = GetParam();
        const auto fit = FitNasa7(kC, c.molecule(), c.temperatures, c.enthalpyOfFormation);
        ASSERT_TRUE(fit.has_value());
        fit_ = *fit;
    }

    // The exact values, H on the polynomials' scale, against a range's polynomial at T.
    Nasa7Deviation DeviationAt(double T, bool high) const {
        const FitCase& c = GetParam();
        const Contribution e = ComputeThermo(kC, c.molecule(), T)->total;
        const double h298 = ComputeThermo(kC, c.molecule(), kReferenceTemperature)->total.h;
        const Nasa7Value p = EvaluateNasa7(high ? fit_.high : fit_.low, T);
        return {std::fabs(p.cpOverR * kR - e.cp),
                std::fabs(p.hOverRT * kR * T - (e.h - h298 + c.enthalpyOfFormation.value_or(h298))),
                std::fabs(p.sOverR * kR - e.s)};
    }

    Nasa7Fit fit_;
};

// The reported deviations lie within the limits and bound the deviations between the check's
// points too (2 % slack): range ends, odd temperatures, both sides of TMID.
TEST_P(Nasa7Fits, StayWithinTheirLimitsAndReportTheirDeviations) {
    const Nasa7Temperatures& t = fit_.temperatures;
    for (const bool high : {false, true}) {
        const Nasa7Deviation& reported = high ? fit_.highDeviation : fit_.lowDeviation;
        EXPECT_TRUE(reported.cp <= GetParam().limit.cp && reported.h <= GetParam().limit.h &&
                    reported.s <= GetParam().limit.s)
            << high;
        for (const double f : {0.0, 0.0013, 0.271, 0.5, 0.9997, 1.0}) {
            const double T = high ? t.mid + f * (t.high - t.mid) : t.low + f * (t.mid - t.low);
            const Nasa7Deviation d = DeviationAt(T, high);
            EXPECT_LE(d.cp, 1.02 * reported.cp + 1e-9) << T;
            EXPECT_LE(d.h, 1.02 * reported.h + 1e-6) << T;
            EXPECT_LE(d.s, 1.02 * reported.s + 1e-9) << T;
        }
    }
}

// Cp, dCp/dT, H and S continuous at TMID; H and S exact at 298.15 K or the low end nearest it.
TEST_P(Nasa7Fits, JoinAtTheMiddleAndMatchTheReference) {
    const double Tm = fit_.temperatures.mid, dT = 1e-3;
    const Nasa7Value low = EvaluateNasa7(fit_.low, Tm), high = EvaluateNasa7(fit_.high, Tm);
    EXPECT_NEAR(low.cpOverR, high.cpOverR, 1e-10 * high.cpOverR);
    EXPECT_NEAR(low.hOverRT, high.hOverRT, 1e-10 * std::fabs(high.hOverRT));
    EXPECT_NEAR(low.sOverR, high.sOverR, 1e-10 * high.sOverR);
    const auto slope = [&](const Nasa7Coefficients& a) {
        return (EvaluateNasa7(a, Tm + dT).cpOverR - EvaluateNasa7(a, Tm - dT).cpOverR) / (2 * dT);
    };
    EXPECT_NEAR(slope(fit_.low), slope(fit_.high), 1e-7 * high.cpOverR / Tm);

    const auto& formation = GetParam().enthalpyOfFormation;
    EXPECT_EQ(fit_.fromEnthalpyOfFormation, formation.has_value());
    const Molecule m = GetParam().molecule();
    EXPECT_EQ(fit_.h298, formation.value_or(ComputeThermo(kC, m, 298.15)->total.h));
    const double match = std::clamp(298.15, fit_.temperatures.low, Tm);
    const Nasa7Deviation d = DeviationAt(match, false);
    EXPECT_LE(d.h, 1e-9 * std::max(1e4, std::fabs(fit_.h298)));
    EXPECT_LE(d.s, 1e-10 * ComputeThermo(kC, m, match)->total.s);
}

constexpr Nasa7Temperatures kDefault{};
// What the fits reach, with a margin of about a half: small molecules lie far inside the targets,
// ethane's eighteen modes beyond what a quartic follows from 200 to 1000 K.
constexpr Nasa7Deviation kWater{0.03, 5, 0.006}, kCarbonDioxide{0.075, 15, 0.025},
    kChlorine{0.04, 8, 0.007}, kEthane{0.35, 70, 0.07}, kExact{1e-9, 1e-6, 1e-9};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Engine, Nasa7Fits, ::testing::Values(
    FitCase{"Water", testing::Water, kDefault, {}, kWater},
    FitCase{"WaterWithEnthalpyOfFormation", testing::Water, kDefault, -241826.0, kWater},
    FitCase{"CarbonDioxide", testing::CarbonDioxide, kDefault, {}, kCarbonDioxide},
    FitCase{"Chlorine", testing::Chlorine, kDefault, {}, kChlorine},
    FitCase{"Argon", testing::Argon, kDefault, {}, kExact},
    FitCase{"FloppyWith20PerCmMode", testing::FloppyMolecule, kDefault, {}, kNasa7Targets},
    FitCase{"Ethane", testing::Ethane, kDefault, {}, kEthane},
    FitCase{"ReferenceBelowTheLowRange", testing::Water, {400, 1000, 3000}, {}, kWater},
    FitCase{"NarrowRanges", testing::Chlorine, {290, 300, 310}, 1000.0, {1e-4, 1e-3, 1e-5}},
    FitCase{"WideHighRange", testing::CarbonDioxide, {300, 1000, 6000}, {}, {0.3, 60, 0.1}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The options reach every exact value: scaled frequencies fit as the scaled molecule does, bit for
// bit; the zero-point energy moves H(298.15 K) and a6 alone.
TEST(Nasa7Options, AreTheEnginesOptions) {
    ThermoOptions scaled;
    scaled.frequencyScale = 0.9;
    Molecule scaledWater = testing::Water();
    for (VibrationalMode& mode : scaledWater.modes) mode.wavenumber *= 0.9;
    const Nasa7Fit byOption = *FitNasa7(kC, testing::Water(), kDefault, {}, scaled);
    const Nasa7Fit byMolecule = *FitNasa7(kC, scaledWater, kDefault);
    EXPECT_EQ(byOption.low, byMolecule.low);
    EXPECT_EQ(byOption.high, byMolecule.high);

    ThermoOptions zpe;
    zpe.zeroPointEnergy = true;
    const Nasa7Fit plain = *FitNasa7(kC, testing::Water(), kDefault);
    const Nasa7Fit withZpe = *FitNasa7(kC, testing::Water(), kDefault, {}, zpe);
    const double e0 = ZeroPointEnergy(kC, testing::Water(), zpe);
    EXPECT_FALSE(plain.zeroPointEnergy);
    EXPECT_TRUE(withZpe.zeroPointEnergy);
    EXPECT_NEAR(withZpe.h298 - plain.h298, e0, 1e-9 * e0);
    EXPECT_NEAR(withZpe.low[5] - plain.low[5], e0 / kR, 1e-9 * e0 / kR);
    EXPECT_NEAR(withZpe.high[5] - plain.high[5], e0 / kR, 1e-9 * e0 / kR);
}

class Nasa7Refusals : public ::testing::TestWithParam<Json> {};

TEST_P(Nasa7Refusals, NameTheCause) {
    const Json& row = GetParam();
    Molecule m = testing::Water();
    m.molarMass = row["molarMass"];
    const Json& t = row["temperatures"];
    const Json& h = row["enthalpyOfFormation"];
    const auto fit = FitNasa7(kC, m, {Number(t[0]), Number(t[1]), Number(t[2])},
                              h.is_null() ? std::optional<double>() : Number(h));
    ASSERT_FALSE(fit.has_value());
    const char* const problems[] = {"Temperatures", "EnthalpyOfFormation", "Thermo"};
    const std::string fault = problems[static_cast<int>(fit.error().problem)];
    EXPECT_EQ(
        fault == "Thermo" ? fault + " " + kFaults[static_cast<int>(fit.error().thermo)] : fault,
        row["fault"]);
}

INSTANTIATE_TEST_SUITE_P(Engine, Nasa7Refusals, ::testing::ValuesIn(DataRows("nasa7_fit_refusals")),
                         RowName);

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

class TemperatureGrid : public ::testing::TestWithParam<Json> {};

TEST_P(TemperatureGrid, ExpandsOrRefuses) {
    const Json& g = GetParam();
    const double start = Number(g["start"]), stop = Number(g["stop"]), step = Number(g["step"]);
    const auto grid = ExpandTemperatureGrid(start, stop, step);
    ASSERT_EQ(grid.has_value(), g["fault"].is_null());
    if (!grid) {
        const std::map<std::string, GridFault> faults = {
            {"NotFinite", GridFault::kNotFinite},
            {"Step", GridFault::kStep},
            {"Empty", GridFault::kEmpty},
            {"TooManyPoints", GridFault::kTooManyPoints}};
        EXPECT_EQ(grid.error(), faults.at(g["fault"]));
        return;
    }
    const std::size_t count = g["count"];
    ASSERT_EQ(grid->size(), count);
    // START + k STEP bit for bit (no running sum), but a last point within 1e-9 of STOP is STOP.
    for (std::size_t k = 0; k + 1 < count; ++k)
        ASSERT_EQ((*grid)[k], start + static_cast<double>(k) * step) << k;
    EXPECT_EQ(grid->back(), g["endsOnStop"] ? stop : start + (count - 1.0) * step);
}

INSTANTIATE_TEST_SUITE_P(Engine, TemperatureGrid,
                         ::testing::ValuesIn(DataRows("temperature_grids")), RowName);

}  // namespace
}  // namespace moltherm
