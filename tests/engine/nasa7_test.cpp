#include "engine/nasa7.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "engine/reference_functions.h"
#include "engine/temperature_grid.h"
#include "tests/support/typed_molecules.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;
const PhysicalConstants kC;
const double R = kC.gasConst;

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
        return {std::fabs(p.cpOverR * R - e.cp),
                std::fabs(p.hOverRT * R * T - (e.h - h298 + c.enthalpyOfFormation.value_or(h298))),
                std::fabs(p.sOverR * R - e.s)};
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
    FitCase{"Water", Water, kDefault, {}, kWater},
    FitCase{"WaterWithEnthalpyOfFormation", Water, kDefault, -241826.0, kWater},
    FitCase{"CarbonDioxide", CarbonDioxide, kDefault, {}, kCarbonDioxide},
    FitCase{"Chlorine", Chlorine, kDefault, {}, kChlorine},
    FitCase{"Argon", Argon, kDefault, {}, kExact},
    FitCase{"FloppyWith20PerCmMode", FloppyMolecule, kDefault, {}, kNasa7Targets},
    FitCase{"Ethane", Ethane, kDefault, {}, kEthane},
    FitCase{"ReferenceBelowTheLowRange", Water, {400, 1000, 3000}, {}, kWater},
    FitCase{"NarrowRanges", Chlorine, {290, 300, 310}, 1000.0, {1e-4, 1e-3, 1e-5}},
    FitCase{"WideHighRange", CarbonDioxide, {300, 1000, 6000}, {}, {0.3, 60, 0.1}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The options reach every exact value: scaled frequencies fit as the scaled molecule does, bit for
// bit; the zero-point energy moves H(298.15 K) and a6 alone.
TEST(Nasa7Options, AreTheEnginesOptions) {
    ThermoOptions scaled;
    scaled.frequencyScale = 0.9;
    Molecule scaledWater = Water();
    for (VibrationalMode& mode : scaledWater.modes) mode.wavenumber *= 0.9;
    const Nasa7Fit byOption = *FitNasa7(kC, Water(), kDefault, {}, scaled);
    const Nasa7Fit byMolecule = *FitNasa7(kC, scaledWater, kDefault);
    EXPECT_EQ(byOption.low, byMolecule.low);
    EXPECT_EQ(byOption.high, byMolecule.high);

    ThermoOptions zpe;
    zpe.zeroPointEnergy = true;
    const Nasa7Fit plain = *FitNasa7(kC, Water(), kDefault);
    const Nasa7Fit withZpe = *FitNasa7(kC, Water(), kDefault, {}, zpe);
    const double e0 = ZeroPointEnergy(kC, Water(), zpe);
    EXPECT_FALSE(plain.zeroPointEnergy);
    EXPECT_TRUE(withZpe.zeroPointEnergy);
    EXPECT_NEAR(withZpe.h298 - plain.h298, e0, 1e-9 * e0);
    EXPECT_NEAR(withZpe.low[5] - plain.low[5], e0 / R, 1e-9 * e0 / R);
    EXPECT_NEAR(withZpe.high[5] - plain.high[5], e0 / R, 1e-9 * e0 / R);
}

struct RefusedFit {
    const char* name;
    Nasa7Temperatures temperatures;
    std::optional<double> enthalpyOfFormation;
    double molarMass;
    Nasa7Fault fault;
};

class Nasa7Refusals : public ::testing::TestWithParam<RefusedFit> {};

TEST_P(Nasa7Refusals, NameTheCause) {
    Molecule m = Water();
    m.molarMass = GetParam().molarMass;
    const auto fit = FitNasa7(kC, m, GetParam().temperatures, GetParam().enthalpyOfFormation);
    ASSERT_FALSE(fit.has_value());
    EXPECT_EQ(fit.error().problem, GetParam().fault.problem);
    EXPECT_EQ(fit.error().thermo, GetParam().fault.thermo);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr Nasa7Fault kBadRanges{Nasa7Problem::kTemperatures};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Engine, Nasa7Refusals, ::testing::Values(
    RefusedFit{"ZeroLow", {0, 1000, 3000}, {}, 18, kBadRanges},
    RefusedFit{"LowIsMid", {1000, 1000, 3000}, {}, 18, kBadRanges},
    RefusedFit{"MidAboveHigh", {200, 3000, 1000}, {}, 18, kBadRanges},
    RefusedFit{"HighBeyondLimit", {200, 1000, 100000.5}, {}, 18, kBadRanges},
    RefusedFit{"NaNMid", {200, kNaN, 3000}, {}, 18, kBadRanges},
    RefusedFit{"NaNEnthalpy", kDefault, kNaN, 18, {Nasa7Problem::kEnthalpyOfFormation}},
    RefusedFit{"Massless", kDefault, {}, 0, {Nasa7Problem::kThermo, ThermoFault::kMolarMass}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

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
                         ::testing::Values(ReferenceCase{"WaterCold", Water, 100},
                                  ReferenceCase{"ArgonHot", Argon, 1000},
                                  ReferenceCase{"FloppyHot", FloppyMolecule, 2500}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReferenceFunctions, AreZeroAndTheEntropyAtTrAndRefuseWhatTheEngineRefuses) {
    const ReferenceFunctions f = *ComputeReferenceFunctions(kC, Water(), 298.15);
    EXPECT_EQ(f.hMinusHr, 0);
    EXPECT_EQ(f.gibbsEnergyFunction, ComputeThermo(kC, Water(), 298.15)->total.s);
    Molecule massless = Argon();
    massless.molarMass = 0;
    EXPECT_EQ(ComputeReferenceFunctions(kC, massless, 500).error(), ThermoFault::kMolarMass);
    EXPECT_EQ(ComputeReferenceFunctions(kC, Argon(), 0).error(), ThermoFault::kTemperature);
}

struct GridCase {
    const char* name;
    double start, stop, step;
    std::size_t count;
    bool endsOnStop;
    std::optional<GridFault> fault;
};

class TemperatureGrid : public ::testing::TestWithParam<GridCase> {};

TEST_P(TemperatureGrid, ExpandsOrRefuses) {
    const GridCase& g = GetParam();
    const auto grid = ExpandTemperatureGrid(g.start, g.stop, g.step);
    ASSERT_EQ(grid.has_value(), !g.fault);
    if (g.fault) {
        EXPECT_EQ(grid.error(), *g.fault);
        return;
    }
    ASSERT_EQ(grid->size(), g.count);
    // START + k STEP bit for bit (no running sum), but a last point within 1e-9 of STOP is STOP.
    for (std::size_t k = 0; k + 1 < g.count; ++k)
        ASSERT_EQ((*grid)[k], g.start + static_cast<double>(k) * g.step) << k;
    EXPECT_EQ(grid->back(), g.endsOnStop ? g.stop : g.start + (g.count - 1.0) * g.step);
}

constexpr double kInf = std::numeric_limits<double>::infinity();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Engine, TemperatureGrid, ::testing::Values(
    GridCase{"Hundreds", 300, 1000, 100, 8, true, {}},
    GridCase{"StopOffTheGrid", 300, 1050, 100, 8, false, {}},
    GridCase{"StopJustBelowAPoint", 300, 999.9999, 100, 7, false, {}},
    // 0.1 + 2 * 0.1 is 0.30000000000000004, and 298.15 + 3 * 0.1 is not 298.45.
    GridCase{"TenthsEndOnStop", 0.1, 0.3, 0.1, 3, true, {}},
    GridCase{"TenthsAboveRoomTemperature", 298.15, 298.45, 0.1, 4, true, {}},
    GridCase{"ThousandTenths", 0, 100, 0.1, 1001, true, {}},
    GridCase{"SinglePoint", 298.15, 298.15, 5, 1, true, {}},
    GridCase{"StepBeyondStop", 300, 400, 1000, 1, false, {}},
    GridCase{"MostPoints", 1, 100000, 1, 100000, true, {}},
    GridCase{"OnePointTooMany", 1, 100001, 1, 0, false, GridFault::kTooManyPoints},
    GridCase{"HugeQuotient", 1, 1e300, 1e-300, 0, false, GridFault::kTooManyPoints},
    GridCase{"StopBelowStart", 1000, 300, 100, 0, false, GridFault::kEmpty},
    GridCase{"ZeroStep", 300, 1000, 0, 0, false, GridFault::kStep},
    GridCase{"NegativeStep", 1000, 300, -100, 0, false, GridFault::kStep},
    GridCase{"InfiniteStop", 300, kInf, 100, 0, false, GridFault::kNotFinite},
    GridCase{"InfiniteStep", 300, 1000, kInf, 0, false, GridFault::kNotFinite}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace moltherm
