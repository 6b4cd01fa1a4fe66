#include "calc/calc_input.h"

#include <gtest/gtest.h>

#include "tests/support/worked_examples.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;

// A molecule as the user types it, read the way "Calc" reads it.
struct TypedMolecule {
    CalcInputTexts texts;
    MolecularData data;

    // The refusal's message, or "" when every check passed and the coefficients were stored.
    std::string read() {
        data.nModes = static_cast<std::int16_t>(std::max<std::size_t>(1, texts.wavenumbers.size()));
        data.lastLevel = static_cast<std::int16_t>(texts.energies.size() - 1);
        const auto molecule = ReadCalcInput(PhysicalConstants{}, texts, data);
        if (!molecule) return molecule.error();
        StoreCoefficients(PhysicalConstants{}, data);
        return "";
    }
};

TypedMolecule Hcl() {
    return TypedMolecule{HclTexts(), {}};
}
TypedMolecule Water() {
    return TypedMolecule{WaterTexts(), {}};
}

// Each row breaks one thing of a good molecule; the message is that of the first failing check.
struct Broken {
    const char* what;
    void (*breakIt)(CalcInputTexts&);
    const char* message;
};

class ReadCalcInputBroken : public ::testing::TestWithParam<Broken> {};

TEST_P(ReadCalcInputBroken, FirstFailingCheckGivesItsMessage) {
    TypedMolecule m = Hcl();
    GetParam().breakIt(m.texts);
    EXPECT_EQ(m.read(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadCalcInputBroken,
    ::testing::Values(
        Broken{"empty name", [](CalcInputTexts& t) { t.name = ""; }, "Molecule must be named"},
        Broken{"name and temperature empty",
               [](CalcInputTexts& t) { t.name = "", t.temperature = ""; },
               "Molecule must be named"},
        Broken{"empty temperature", [](CalcInputTexts& t) { t.temperature = ""; },
               "No temperature entered"},
        Broken{"letters for temperature", [](CalcInputTexts& t) { t.temperature = "warm"; },
               "Invalid Temperature"},
        Broken{"negative temperature", [](CalcInputTexts& t) { t.temperature = "-0.5"; },
               "Negative temperature"},
        Broken{"zero temperature", [](CalcInputTexts& t) { t.temperature = "0"; },
               "Invalid Temperature"},
        Broken{"temperature before molar mass",
               [](CalcInputTexts& t) { t.temperature = "x", t.molarMass = ""; },
               "Invalid Temperature"},
        Broken{"empty molar mass", [](CalcInputTexts& t) { t.molarMass = ""; },
               "No molar mass entered"},
        Broken{"letters for molar mass", [](CalcInputTexts& t) { t.molarMass = "heavy"; },
               "Invalid molar mass"},
        Broken{"molar mass below 1", [](CalcInputTexts& t) { t.molarMass = "0.999"; },
               "Invalid molar mass"},
        Broken{"molar mass beyond a double", [](CalcInputTexts& t) { t.molarMass = "1e309"; },
               "Invalid molar mass"},
        Broken{"molar mass too large to compute", [](CalcInputTexts& t) { t.molarMass = "1e300"; },
               "Invalid molar mass"},
        Broken{"empty ground energy", [](CalcInputTexts& t) { t.energies = {""}; },
               "Invalid electronic energy"},
        Broken{"negative energy before negative constant",
               [](CalcInputTexts& t) { t.energies = {"-1"}, t.rotConsts[0] = "-1"; },
               "Invalid electronic energy"},
        Broken{"empty rotational constant", [](CalcInputTexts& t) { t.rotConsts[0] = ""; },
               "Invalid rotational constant"},
        Broken{"negative rotational constant", [](CalcInputTexts& t) { t.rotConsts[0] = "-10"; },
               "Invalid rotational constant"},
        Broken{"zero rotational constant", [](CalcInputTexts& t) { t.rotConsts[0] = "0"; },
               "Invalid rotational constant"},
        Broken{"rotational constant too small to compute",
               [](CalcInputTexts& t) { t.rotConsts[0] = "1e-320"; }, "Invalid rotational constant"},
        Broken{"constant before wavenumber",
               [](CalcInputTexts& t) { t.rotConsts[0] = "", t.wavenumbers = {""}; },
               "Invalid rotational constant"},
        Broken{"empty wavenumber", [](CalcInputTexts& t) { t.wavenumbers = {""}; },
               "Invalid vibrational frequency"},
        Broken{"negative wavenumber", [](CalcInputTexts& t) { t.wavenumbers = {"-2990"}; },
               "Invalid vibrational frequency"},
        Broken{"zero wavenumber", [](CalcInputTexts& t) { t.wavenumbers = {"0"}; },
               "Invalid vibrational frequency"},
        Broken{"temperature too high to compute",
               [](CalcInputTexts& t) { t.temperature = "1e200"; }, "Invalid Temperature"},
        Broken{"atom count not a number", [](CalcInputTexts& t) { t.atomCount = "two"; },
               "Invalid number of atoms"},
        Broken{"symmetry number not a number", [](CalcInputTexts& t) { t.sigma = ""; },
               "Invalid symmetry number"},
        // Results that cannot be represented name the field that causes them.
        Broken{"rotational constant 1e-300", [](CalcInputTexts& t) { t.rotConsts[0] = "1e-300"; },
               "Invalid rotational constant"},
        Broken{"molar mass 1e187", [](CalcInputTexts& t) { t.molarMass = "1e187"; },
               "Invalid molar mass"},
        Broken{"temperature 1e-300", [](CalcInputTexts& t) { t.temperature = "1e-300"; },
               "Invalid Temperature"},
        Broken{"degeneracy not a whole number",
               [](CalcInputTexts& t) { t.vibDegeneracies = {"x"}; }, "Invalid degeneracy"},
        Broken{"level degeneracy 0", [](CalcInputTexts& t) { t.elecDegeneracies = {"0"}; },
               "Invalid degeneracy"}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST(ReadCalcInput, ExtremeValuesWithRepresentableResultsPass) {
    TypedMolecule m = Hcl();
    m.texts.wavenumbers = {"1e-20"};
    EXPECT_EQ(m.read(), "");
    TypedMolecule levels = Hcl();
    levels.texts.energies = {"0", "1e160"};
    levels.texts.elecDegeneracies = {"1", "1"};
    EXPECT_EQ(levels.read(), "");
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
    TypedMolecule ar{ArgonTexts(), {}};
    ar.texts.rotConsts = {"", "junk", "-1"};
    ar.texts.wavenumbers = {"", "x"};
    ar.data.vibFreq = {0, 123, 456};
    ar.data.rotCoef = 42;
    EXPECT_EQ(ar.read(), "");
    EXPECT_EQ(ar.data.vibFreq.size(), 3u);  // not re-dimensioned for an atom
    EXPECT_EQ(ar.data.vibFreq[2], 456);
    EXPECT_EQ(ar.data.rotCoef, 42);
    TypedMolecule empty{ArgonTexts(), {}};
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
