#include "engine/nasa7.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "engine/reference_functions.h"
#include "tests/support/typed_molecules.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;
const PhysicalConstants kC;
const double R = kC.gasConst;

Molecule Ethane() {
    return NonlinearMolecule(8, 30.07, {2.67, 0.6608, 0.6608}, 6,
                             {{2954, 1},
                              {1388, 1},
                              {995, 1},
                              {289, 1},
                              {2896, 1},
                              {1379, 1},
                              {2969, 2},
                              {1468, 2},
                              {1190, 2},
                              {2985, 2},
                              {1469, 2},
                              {822, 2}});
}

struct FitCase {
    const char* name;
    std::function<Molecule()> molecule;
    Nasa7Temperatures temperatures;
    std::optional<double> enthalpyOfFormation;  // [J/mol]
    Nasa7Deviation limit;                       // what the fit must reach in both ranges
};

void PrintTo(const FitCase& c, std::ostream* os) {
    *os << c.name;
}

class Nasa7Fits : public ::testing::TestWithParam<FitCase> {
  protected:
    void SetUp() override {
        const auto fit = FitNasa7(kC, GetParam().molecule(), GetParam().temperatures,
                                  GetParam().enthalpyOfFormation);
        ASSERT_TRUE(fit.has_value());
        fit_ = *fit;
        molecule_ = GetParam().molecule();
        h298_ = ComputeThermo(kC, molecule_, kReferenceTemperature)->total.h;
    }

    // The exact values on the polynomials' enthalpy scale.
    Contribution Exact(double T) const {
        Contribution exact = ComputeThermo(kC, molecule_, T)->total;
        exact.h += GetParam().enthalpyOfFormation.value_or(h298_) - h298_;
        return exact;
    }

    const Nasa7Coefficients& RangeOf(double T) const {
        return T <= fit_.temperatures.mid ? fit_.low : fit_.high;
    }

    Nasa7Fit fit_;
    Molecule molecule_;
    double h298_ = 0;
};

TEST_P(Nasa7Fits, StayWithinTheirLimitsAndReportTheirDeviations) {
    const Nasa7Deviation& limit = GetParam().limit;
    for (const Nasa7Deviation* d : {&fit_.lowDeviation, &fit_.highDeviation}) {
        EXPECT_LE(d->cp, limit.cp);
        EXPECT_LE(d->h, limit.h);
        EXPECT_LE(d->s, limit.s);
    }
    // Between the check's points too (2 % slack): ends, odd temperatures, both sides of TMID.
    const Nasa7Temperatures& t = fit_.temperatures;
    for (const double f : {0.0, 0.0013, 0.271, 0.5, 0.9997, 1.0}) {
        for (const bool high : {false, true}) {
            const double T = high ? t.mid + f * (t.high - t.mid) : t.low + f * (t.mid - t.low);
            const Nasa7Deviation& reported = high ? fit_.highDeviation : fit_.lowDeviation;
            const Nasa7Value p = EvaluateNasa7(high ? fit_.high : fit_.low, T);
            const Contribution e = Exact(T);
            EXPECT_LE(std::fabs(p.cpOverR * R - e.cp), 1.02 * reported.cp + 1e-9) << T;
            EXPECT_LE(std::fabs(p.hOverRT * R * T - e.h), 1.02 * reported.h + 1e-6) << T;
            EXPECT_LE(std::fabs(p.sOverR * R - e.s), 1.02 * reported.s + 1e-9) << T;
        }
    }
}

TEST_P(Nasa7Fits, AreContinuousAtTheMiddleTemperature) {
    const double Tm = fit_.temperatures.mid, dT = 1e-3;
    const Nasa7Value low = EvaluateNasa7(fit_.low, Tm), high = EvaluateNasa7(fit_.high, Tm);
    EXPECT_NEAR(low.cpOverR, high.cpOverR, 1e-10 * high.cpOverR);
    EXPECT_NEAR(low.hOverRT, high.hOverRT, 1e-10 * std::fabs(high.hOverRT));
    EXPECT_NEAR(low.sOverR, high.sOverR, 1e-10 * high.sOverR);
    const auto slope = [&](const Nasa7Coefficients& a) {
        return (EvaluateNasa7(a, Tm + dT).cpOverR - EvaluateNasa7(a, Tm - dT).cpOverR) / (2 * dT);
    };
    EXPECT_NEAR(slope(fit_.low), slope(fit_.high), 1e-7 * high.cpOverR / Tm);
}

TEST_P(Nasa7Fits, TakeTheReferenceEnthalpyAndEntropyExactly) {
    const FitCase& c = GetParam();
    EXPECT_EQ(fit_.fromEnthalpyOfFormation, c.enthalpyOfFormation.has_value());
    EXPECT_EQ(fit_.h298, c.enthalpyOfFormation.value_or(h298_));
    // At 298.15 K, or at the end of the low range nearest to it.
    const double T =
        std::clamp(kReferenceTemperature, fit_.temperatures.low, fit_.temperatures.mid);
    const Nasa7Value p = EvaluateNasa7(fit_.low, T);
    const Contribution e = Exact(T);
    EXPECT_NEAR(p.hOverRT * R * T, e.h, 1e-9 * std::max(1e4, std::fabs(e.h)));
    EXPECT_NEAR(p.sOverR * R, e.s, 1e-10 * e.s);
}

// Cp = dH/dT and Cp/T = dS/dT of the polynomials themselves, by central differences.
TEST_P(Nasa7Fits, EnthalpyAndEntropyFormsIntegrateTheHeatCapacity) {
    const Nasa7Temperatures& t = fit_.temperatures;
    for (const double T : {t.low + 1, 0.5 * (t.low + t.mid), t.mid + 1, t.high - 1}) {
        const double dT = 1e-3;
        const Nasa7Coefficients& a = RangeOf(T);
        const Nasa7Value at = EvaluateNasa7(a, T), up = EvaluateNasa7(a, T + dT),
                         down = EvaluateNasa7(a, T - dT);
        const double dH = (up.hOverRT * (T + dT) - down.hOverRT * (T - dT)) / (2 * dT);
        EXPECT_NEAR(dH, at.cpOverR, 1e-6 * at.cpOverR) << T;
        EXPECT_NEAR((up.sOverR - down.sOverR) / (2 * dT), at.cpOverR / T, 1e-6 * at.cpOverR / T)
            << T;
    }
}

constexpr Nasa7Temperatures kDefault{};
constexpr Nasa7Deviation kExact{1e-9, 1e-6, 1e-9};
// What the fits reach, with a margin of about a half: small molecules lie far inside the targets.
constexpr Nasa7Deviation kWaterReach{0.03, 5, 0.006};
constexpr Nasa7Deviation kCarbonDioxideReach{0.075, 15, 0.025};
constexpr Nasa7Deviation kChlorineReach{0.04, 8, 0.007};
// Eight atoms and eighteen modes: no quartic follows Cp from 200 to 1000 K within 0.25.
constexpr Nasa7Deviation kEthaneReach{0.35, 70, 0.07};

INSTANTIATE_TEST_SUITE_P(
    Engine, Nasa7Fits,
    ::testing::Values(
        FitCase{"Water", Water, kDefault, {}, kWaterReach},
        FitCase{"WaterWithEnthalpyOfFormation", Water, kDefault, -241826.0, kWaterReach},
        FitCase{"CarbonDioxide", CarbonDioxide, kDefault, {}, kCarbonDioxideReach},
        FitCase{"Chlorine", Chlorine, kDefault, {}, kChlorineReach},
        FitCase{"Argon", Argon, kDefault, {}, kExact},
        FitCase{"FloppyWith20PerCmMode", FloppyMolecule, kDefault, {}, kNasa7Targets},
        FitCase{"Ethane", Ethane, kDefault, {}, kEthaneReach},
        FitCase{"ReferenceBelowTheLowRange", Water, {400, 1000, 3000}, {}, kWaterReach},
        FitCase{"NarrowRanges", Chlorine, {290, 300, 310}, 1000.0, {1e-4, 1e-3, 1e-5}},
        FitCase{"WideHighRange", CarbonDioxide, {300, 1000, 6000}, {}, {0.3, 60, 0.1}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedFit {
    const char* name;
    Nasa7Temperatures temperatures;
    std::optional<double> enthalpyOfFormation;
    double molarMass;
    Nasa7Fault fault;
};

void PrintTo(const RefusedFit& c, std::ostream* os) {
    *os << c.name;
}

class Nasa7Refusals : public ::testing::TestWithParam<RefusedFit> {};

TEST_P(Nasa7Refusals, NameTheCause) {
    const RefusedFit& c = GetParam();
    Molecule m = Water();
    m.molarMass = c.molarMass;
    const auto fit = FitNasa7(kC, m, c.temperatures, c.enthalpyOfFormation);
    ASSERT_FALSE(fit.has_value());
    EXPECT_EQ(fit.error().problem, c.fault.problem);
    if (c.fault.problem == Nasa7Problem::kThermo) {
        EXPECT_EQ(fit.error().thermo, c.fault.thermo);
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr Nasa7Fault kBadTemperatures{Nasa7Problem::kTemperatures};

INSTANTIATE_TEST_SUITE_P(
    Engine, Nasa7Refusals,
    ::testing::Values(
        RefusedFit{"ZeroLow", {0, 1000, 3000}, {}, 18, kBadTemperatures},
        RefusedFit{"LowIsMid", {1000, 1000, 3000}, {}, 18, kBadTemperatures},
        RefusedFit{"MidAboveHigh", {200, 3000, 1000}, {}, 18, kBadTemperatures},
        RefusedFit{"HighBeyondLimit", {200, 1000, 100000.5}, {}, 18, kBadTemperatures},
        RefusedFit{"NaNMid", {200, kNaN, 3000}, {}, 18, kBadTemperatures},
        RefusedFit{"NaNEnthalpy", kDefault, kNaN, 18, {Nasa7Problem::kEnthalpyOfFormation}},
        RefusedFit{"Massless", kDefault, {}, 0, {Nasa7Problem::kThermo, ThermoFault::kMolarMass}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace moltherm
