#include "engine/calc_input.h"

#include <gtest/gtest.h>

#include "molecule_fixture.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;

TypedMolecule Hcl() {
    return TypedMolecule(HclTexts());
}
TypedMolecule Water() {
    return TypedMolecule(WaterTexts());
}

// Each row breaks one thing of a good molecule; the message is that of the first failing check.
struct Broken {
    const char* what;
    void (*breakIt)(CalcInputTexts&);
    const char* message;
};

const Broken kBroken[] = {
    {"empty name", [](CalcInputTexts& t) { t.name = ""; }, "Molecule must be named"},
    {"name and temperature empty", [](CalcInputTexts& t) { t.name = "", t.temperature = ""; },
     "Molecule must be named"},
    {"empty temperature", [](CalcInputTexts& t) { t.temperature = ""; }, "No temperature entered"},
    {"letters for temperature", [](CalcInputTexts& t) { t.temperature = "warm"; },
     "Invalid Temperature"},
    {"negative temperature", [](CalcInputTexts& t) { t.temperature = "-0.5"; },
     "Negative temperature"},
    {"zero temperature", [](CalcInputTexts& t) { t.temperature = "0"; }, "Invalid Temperature"},
    {"temperature before molar mass",
     [](CalcInputTexts& t) { t.temperature = "x", t.molarMass = ""; }, "Invalid Temperature"},
    {"empty molar mass", [](CalcInputTexts& t) { t.molarMass = ""; }, "No molar mass entered"},
    {"letters for molar mass", [](CalcInputTexts& t) { t.molarMass = "heavy"; },
     "Invalid molar mass"},
    {"molar mass below 1", [](CalcInputTexts& t) { t.molarMass = "0.999"; }, "Invalid molar mass"},
    {"molar mass beyond a double", [](CalcInputTexts& t) { t.molarMass = "1e309"; },
     "Invalid molar mass"},
    {"molar mass too large to compute", [](CalcInputTexts& t) { t.molarMass = "1e300"; },
     "Invalid molar mass"},
    {"empty ground energy", [](CalcInputTexts& t) { t.energies = {""}; },
     "Invalid electronic energy"},
    {"negative energy before negative constant",
     [](CalcInputTexts& t) { t.energies = {"-1"}, t.rotConsts[0] = "-1"; },
     "Invalid electronic energy"},
    {"empty rotational constant", [](CalcInputTexts& t) { t.rotConsts[0] = ""; },
     "Invalid rotational constant"},
    {"negative rotational constant", [](CalcInputTexts& t) { t.rotConsts[0] = "-10"; },
     "Invalid rotational constant"},
    {"zero rotational constant", [](CalcInputTexts& t) { t.rotConsts[0] = "0"; },
     "Invalid rotational constant"},
    {"rotational constant too small to compute",
     [](CalcInputTexts& t) { t.rotConsts[0] = "1e-320"; }, "Invalid rotational constant"},
    {"constant before wavenumber",
     [](CalcInputTexts& t) { t.rotConsts[0] = "", t.wavenumbers = {""}; },
     "Invalid rotational constant"},
    {"empty wavenumber", [](CalcInputTexts& t) { t.wavenumbers = {""}; },
     "Invalid vibrational frequency"},
    {"negative wavenumber", [](CalcInputTexts& t) { t.wavenumbers = {"-2990"}; },
     "Invalid vibrational frequency"},
    {"zero wavenumber", [](CalcInputTexts& t) { t.wavenumbers = {"0"}; },
     "Invalid vibrational frequency"},
    {"temperature too high to compute", [](CalcInputTexts& t) { t.temperature = "1e200"; },
     "Invalid Temperature"},
    {"atom count not a number", [](CalcInputTexts& t) { t.atomCount = "two"; },
     "Invalid number of atoms"},
    {"symmetry number not a number", [](CalcInputTexts& t) { t.sigma = ""; },
     "Invalid symmetry number"},
};

TEST(ReadCalcInput, FirstFailingCheckGivesItsMessage) {
    for (const Broken& row : kBroken) {
        TypedMolecule m = Hcl();
        row.breakIt(m.texts);
        EXPECT_EQ(m.read(), row.message) << row.what;
    }
}

TEST(ReadCalcInput, BoundaryValuesPass) {
    for (const char* mass : {"1", "1.0", " 36.461 ", "3.6461e1"}) {
        TypedMolecule m = Hcl();
        m.texts.molarMass = mass;
        EXPECT_EQ(m.read(), "") << mass;
    }
    TypedMolecule blanks = Hcl();
    blanks.texts.name = "   ";  // only the empty name fails
    EXPECT_EQ(blanks.read(), "");
    TypedMolecule levels = Hcl();
    levels.texts.energies = {"0", "0", "0"};
    levels.texts.elecDegeneracies = {"1", "1", "1"};
    EXPECT_EQ(levels.read(), "");
}

TEST(ReadCalcInput, AtomReadsNoRotationalOrVibrationalBox) {
    TypedMolecule ar(ArgonTexts());
    ar.texts.rotConsts = {"", "junk", "-1"};
    ar.texts.wavenumbers = {"", "x"};
    ar.data.vibFreq = {0, 123, 456};
    ar.data.rotCoef = 42;
    EXPECT_EQ(ar.read(), "");
    EXPECT_EQ(ar.data.vibFreq.size(), 3u);  // not re-dimensioned for an atom
    EXPECT_EQ(ar.data.vibFreq[2], 456);
    EXPECT_EQ(ar.data.rotCoef, 42);
    TypedMolecule empty(ArgonTexts());
    empty.texts.energies = {""};
    EXPECT_EQ(empty.read(), "Invalid electronic energy");  // atoms check their energies too
}

TEST(ReadCalcInput, LinearMoleculeIgnoresSecondAndThirdConstants) {
    TypedMolecule m = Hcl();
    m.texts.rotConsts = {"10.59", "abc", "-5"};
    EXPECT_EQ(m.read(), "");
    EXPECT_EQ(m.data.rotExponent, 1.0);
}

TEST(ReadCalcInput, NonlinearMoleculeChecksAllThreeConstants) {
    for (int box = 1; box < 3; ++box) {
        for (const char* bad : {"", "-1", "0", "x"}) {
            TypedMolecule m = Water();
            m.texts.rotConsts[box] = bad;
            EXPECT_EQ(m.read(), "Invalid rotational constant") << box << " " << bad;
        }
    }
    TypedMolecule m = Water();
    EXPECT_EQ(m.read(), "");
    EXPECT_EQ(m.data.rotExponent, 1.5);
    EXPECT_EQ(m.data.rotConst2, 14.512);
}

TEST(ReadCalcInput, StoresFieldsUpToTheFailure) {
    TypedMolecule m = Hcl();
    m.texts.wavenumbers = {"bad"};
    EXPECT_EQ(m.read(), "Invalid vibrational frequency");
    EXPECT_EQ(m.data.temperature, 298.15);
    EXPECT_EQ(m.data.molarMass, 36.461);
    EXPECT_EQ(m.data.rotConst1, 10.59);
    EXPECT_EQ(m.data.transCoef, 0);  // coefficients come only after every check passed

    TypedMolecule w = Water();
    w.data.rotConst1 = 99;
    w.texts.molarMass = "0.5";
    EXPECT_EQ(w.read(), "Invalid molar mass");
    EXPECT_EQ(w.data.molarMass, 0.5);  // stored, then refused
    EXPECT_EQ(w.data.rotConst1, 99);   // never reached
}

TEST(ReadCalcInput, ResizesLevelAndRowArrays) {
    TypedMolecule w = Water();
    w.texts.energies = {"0", "500", "1000"};
    w.texts.elecDegeneracies = {"1", "2", "3"};
    ASSERT_EQ(w.read(), "");
    ASSERT_EQ(w.data.elecEnergy.size(), 3u);
    EXPECT_EQ(w.data.elecEnergy[2], 1000);
    ASSERT_EQ(w.data.vibFreq.size(), 4u);  // rows 1..3
    EXPECT_EQ(w.data.vibFreq[1], 3657);
    EXPECT_EQ(w.data.vibFreq[3], 3756);
}

}  // namespace
}  // namespace moltherm
