#include "engine/thermo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "molecule_fixture.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;

TEST(Constants, PiIsTheStoredDecimalNotTheNearestDouble) {
    // transCoef and the non-linear rotCoef carry pi's last-bit difference.
    EXPECT_EQ(PhysicalConstants{}.pi, 3.14159265358979);
    EXPECT_NE(PhysicalConstants{}.pi, M_PI);
}

TEST(Thermo, ArgonAtomHasOnlyTranslation) {
    TypedMolecule ar(ArgonTexts());
    const ThermoResults r = ar.computeOk();
    EXPECT_NEAR(r.trans.q / 1e7, 1.0056, 5e-5);
    EXPECT_NEAR(r.trans.s, 154.847, 5e-4);
    EXPECT_NEAR(r.trans.cp, 20.786, 5e-4);
    EXPECT_NEAR(r.trans.u, 3718.457, 5e-4);
    EXPECT_NEAR(r.trans.h, 6197.429, 5e-4);
    EXPECT_NEAR(r.trans.a, -42449.08, 5e-3);
    EXPECT_NEAR(r.trans.g, -39970.11, 5e-3);
    for (const Contribution* x : {&r.rot, &r.vib, &r.elec}) {
        EXPECT_EQ(x->q, 1);
        for (double v : {x->u, x->s, x->cp, x->h, x->a, x->g}) EXPECT_EQ(v, 0);
    }
    EXPECT_EQ(r.total.s, r.trans.s);
    EXPECT_EQ(r.total.g, r.trans.g);
    EXPECT_EQ(r.total.q, r.trans.q);
}

TEST(Thermo, LinearMoleculeWorkedCase) {
    TypedMolecule m(LinearTexts("28", "2.0", "2", {"2000"}));
    const ThermoResults r = m.computeOk();
    EXPECT_NEAR(r.rot.q, 51.806, 5e-4);
    EXPECT_NEAR(r.vib.q, 1.00006435, 5e-9);
    EXPECT_NEAR(r.rot.s, 41.136, 5e-4);
    EXPECT_NEAR(r.vib.s, 0.006, 5e-4);
    EXPECT_NEAR(r.rot.cp, 8.315, 5e-4);
    EXPECT_NEAR(r.vib.cp, 0.050, 5e-4);
    EXPECT_NEAR(r.total.s, 191.556, 5e-4);
    EXPECT_NEAR(r.total.cp, 29.151, 5e-4);
    EXPECT_NEAR(r.total.u, 6198.97, 5e-3);
    EXPECT_NEAR(r.total.h, 8677.94, 5e-3);
    EXPECT_NEAR(r.total.a, -50913.58, 5e-3);
    EXPECT_NEAR(r.total.g, -48434.60, 5e-3);
    // Rotational and vibrational G equal A: pV belongs to translation alone.
    EXPECT_EQ(r.rot.g, r.rot.a);
    EXPECT_EQ(r.vib.g, r.vib.a);
    EXPECT_EQ(r.total.h, r.total.u + r.RT);
}

TEST(Thermo, NonlinearWaterWorkedCase) {
    TypedMolecule m(WaterTexts());
    m.texts.rotConsts = {"14.5", "27.9", "9.28"};
    const ThermoResults r = m.computeOk();
    EXPECT_NEAR(r.rot.q, 43.147, 5e-4);
    EXPECT_NEAR(r.rot.s, 43.773, 5e-4);
    EXPECT_NEAR(r.rot.cp, 12.472, 5e-4);
    EXPECT_EQ(r.rot.u, r.trans.u);
    EXPECT_NEAR(r.rot.u, 3718.457, 5e-4);
    EXPECT_NEAR(r.total.s, 188.720, 5e-4);
    EXPECT_NEAR(r.total.cp, 33.482, 5e-4);
}

TEST(Thermo, ElectronicLevels) {
    TypedMolecule doublet(ArgonTexts());
    doublet.texts.elecDegeneracies = {"2"};
    ThermoResults r = doublet.computeOk();
    EXPECT_EQ(r.elec.q, 2);
    EXPECT_EQ(r.elec.u, 0);
    EXPECT_EQ(r.elec.cp, 0);
    EXPECT_NEAR(r.elec.s, 5.763, 5e-4);

    TypedMolecule two(ArgonTexts());
    two.texts.energies = {"0", "500"};
    two.texts.elecDegeneracies = {"2", "2"};
    r = two.computeOk();
    EXPECT_NEAR(r.elec.q, 2.17912, 5e-6);
    EXPECT_NEAR(r.elec.u, 491.664, 5e-4);
    EXPECT_NEAR(r.elec.s, 8.125, 5e-4);
    EXPECT_NEAR(r.elec.cp, 3.652, 5e-4);
}

TEST(Thermo, DegenerateRowEqualsRepeatedRows) {
    TypedMolecule one(LinearTexts("44", "0.39", "2", {"667", "1388", "2349"}));
    one.texts.vibDegeneracies = {"2", "1", "1"};
    TypedMolecule two(LinearTexts("44", "0.39", "2", {"667", "667", "1388", "2349"}));
    const ThermoResults a = one.computeOk("500");
    const ThermoResults b = two.computeOk("500");
    EXPECT_NEAR(a.vib.q, b.vib.q, 1e-12 * b.vib.q);
    EXPECT_NEAR(a.vib.u, b.vib.u, 1e-9);
    EXPECT_NEAR(a.vib.s, b.vib.s, 1e-12);
    EXPECT_NEAR(a.vib.cp, b.vib.cp, 1e-12);
}

TEST(Thermo, AtomIgnoresRotationAndVibration) {
    TypedMolecule ar(ArgonTexts());
    ASSERT_EQ(ar.read(), "");
    const ThermoResults clean = ar.compute("298.15").results;
    ar.data.rotCoef = -1;  // whatever they hold, an atom does not read them
    ar.data.rotExponent = 7;
    ar.data.nModes = 1;
    ar.data.vibFreq = {0, -5};
    const DegeneracyTexts degeneracies{{}, ar.texts.elecDegeneracies};
    const ThermoOutcome outcome = ComputeThermo(ar.constants, ar.data, "298.15", degeneracies);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.results.total.g, clean.total.g);
}

TEST(Thermo, TemperatureTextIsCheckedOnEveryComputation) {
    TypedMolecule ar(ArgonTexts());
    ASSERT_EQ(ar.read(), "");
    const std::pair<const char*, const char*> cases[] = {
        {"abc", "Invalid Temperature"},    {"", "Invalid Temperature"},
        {"-1", "Negative temperature"},    {"-0.5", "Negative temperature"},
        {"0", "Invalid Temperature"},      {"1e300", "Invalid Temperature"},
        {"1e-300", "Invalid Temperature"},
    };
    for (const auto& [text, message] : cases) {
        const ThermoOutcome outcome = ar.compute(text);
        ASSERT_TRUE(outcome.error.has_value()) << text;
        EXPECT_EQ(*outcome.error, message) << text;
    }
    EXPECT_EQ(ar.compute("-1").temperature, -1.0);  // a negative temperature is still stored
    EXPECT_FALSE(ar.compute("abc").temperature.has_value());
}

TEST(Thermo, OverflowSafeTermsMatchTheFormulasOnBothSidesOfOverflow) {
    // exp(x) overflows a double past x = 709.78; extended precision still holds it.
    TypedMolecule m(LinearTexts("28", "2.0", "2", {"2500"}));
    ASSERT_EQ(m.read(), "");
    const PhysicalConstants& c = m.constants;
    for (double x : {709.70, 709.78, 709.79, 720.0}) {
        const double T = 2500 * c.hcCm / (x * c.boltzmann);
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", T);
        const ThermoOutcome outcome = m.compute(text);
        ASSERT_TRUE(outcome.ok()) << x;
        const long double xv = 2500 * c.hcCm / (c.boltzmann * outcome.temperature.value());
        const long double e = std::exp(xv);
        const long double uExpected = c.gasConst * *outcome.temperature * xv / (e - 1);
        EXPECT_NEAR(outcome.results.vib.u / uExpected, 1, 1e-9) << x;
        // Cp is ~1e-300 here: the written u^2 e^x underflows to 0 before exp(x) overflows.
        EXPECT_GE(outcome.results.vib.cp, 0) << x;
        EXPECT_LT(outcome.results.vib.cp, 1e-290) << x;
    }
    for (const char* t : {"1", "5.07", "0.01"}) {  // far past overflow: the terms vanish
        const ThermoResults r = m.computeOk(t);
        EXPECT_EQ(r.vib.q, 1) << t;
        EXPECT_LT(r.vib.s, 1e-300) << t;
    }
}

TEST(Thermo, NeverReturnsNonFiniteResults) {
    TypedMolecule m(LinearTexts("28", "2.0", "2", {"2000"}));
    ASSERT_EQ(m.read(), "");
    for (const char* t : {"1e-30", "1e-5", "1e5", "1e11", "1e20", "1e100", "1.7e308"}) {
        const ThermoOutcome outcome = m.compute(t);
        if (!outcome.ok()) {
            EXPECT_EQ(*outcome.error, "Invalid Temperature") << t;
            continue;
        }
        const ThermoResults& r = outcome.results;
        for (const Contribution* x : {&r.trans, &r.rot, &r.vib, &r.elec, &r.total})
            for (double v : {x->q, x->u, x->s, x->cp, x->h, x->a, x->g})
                EXPECT_TRUE(std::isfinite(v)) << t;
    }
}

TEST(Thermo, DegeneracyTextThatIsNotANumberIsAMessage) {
    TypedMolecule m(LinearTexts("28", "2.0", "2", {"2000"}));
    ASSERT_EQ(m.read(), "");
    m.texts.vibDegeneracies = {"x"};
    EXPECT_EQ(m.compute("298.15").error, "Invalid degeneracy");
    m.texts.vibDegeneracies = {"1"};
    m.texts.elecDegeneracies = {"0"};
    EXPECT_EQ(m.compute("298.15").error, "Invalid degeneracy");
    m.texts.elecDegeneracies = {"1"};
    m.data.nModes = 2;  // more rows than were stored: refused, never read past the end
    EXPECT_EQ(m.compute("298.15").error, "Rows and levels do not match the stored data");
}

}  // namespace
}  // namespace moltherm
