#include "calc/calc_input.h"

#include <gtest/gtest.h>

#include "tests/support/worked_examples.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;

// A molecule as the user types it, read the way "Calc" reads it: the refusal's message, or ""
// when every check passed and the coefficients were stored.
std::string Read(const CalcInputTexts& texts, MolecularData& data) {
    data.nModes = static_cast<std::int16_t>(std::max<std::size_t>(1, texts.wavenumbers.size()));
    data.lastLevel = static_cast<std::int16_t>(texts.energies.size() - 1);
    const auto molecule = ReadCalcInput(PhysicalConstants{}, texts, data);
    if (!molecule) return molecule.error();
    StoreCoefficients(PhysicalConstants{}, data);
    return "";
}

// Each row changes HCl (or water); the message is that of the first failing check, "" a pass.
struct Change {
    const char* name;
    void (*change)(CalcInputTexts&);
    const char* message;
    bool water = false;
};

class ReadCalcInputRows : public ::testing::TestWithParam<Change> {};

TEST_P(ReadCalcInputRows, FirstFailingCheckGivesItsMessage) {
    CalcInputTexts texts = GetParam().water ? WaterTexts() : HclTexts();
    GetParam().change(texts);
    MolecularData data;
    EXPECT_EQ(Read(texts, data), GetParam().message);
}

using T = CalcInputTexts&;
const char* const kT = "Invalid Temperature";
const char* const kM = "Invalid molar mass";
const char* const kR = "Invalid rotational constant";
const char* const kV = "Invalid vibrational frequency";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, ReadCalcInputRows, ::testing::Values(
    Change{"EmptyName", [](T t) { t.name = ""; }, "Molecule must be named"},
    Change{"NameAndTemperatureEmpty", [](T t) { t.name = "", t.temperature = ""; }, "Molecule must be named"},
    Change{"BlankName", [](T t) { t.name = "   "; }, ""},
    Change{"EmptyTemperature", [](T t) { t.temperature = ""; }, "No temperature entered"},
    Change{"LettersForTemperature", [](T t) { t.temperature = "warm"; }, kT},
    Change{"NegativeTemperature", [](T t) { t.temperature = "-0.5"; }, "Negative temperature"},
    Change{"ZeroTemperature", [](T t) { t.temperature = "0"; }, kT},
    Change{"TemperatureBeforeMolarMass", [](T t) { t.temperature = "x", t.molarMass = ""; }, kT},
    Change{"TemperatureTooHighToCompute", [](T t) { t.temperature = "1e200"; }, kT},
    Change{"Temperature1em300", [](T t) { t.temperature = "1e-300"; }, kT},
    Change{"EmptyMolarMass", [](T t) { t.molarMass = ""; }, "No molar mass entered"},
    Change{"LettersForMolarMass", [](T t) { t.molarMass = "heavy"; }, kM},
    Change{"MolarMassBelow1", [](T t) { t.molarMass = "0.999"; }, kM},
    Change{"MolarMass1", [](T t) { t.molarMass = "1"; }, ""},
    Change{"MolarMassWithBlanks", [](T t) { t.molarMass = " 36.461 "; }, ""},
    Change{"MolarMassWithExponent", [](T t) { t.molarMass = "3.6461e1"; }, ""},
    Change{"MolarMassBeyondADouble", [](T t) { t.molarMass = "1e309"; }, kM},
    Change{"MolarMassTooLargeToCompute", [](T t) { t.molarMass = "1e300"; }, kM},
    Change{"MolarMass1e187", [](T t) { t.molarMass = "1e187"; }, kM},
    Change{"EmptyGroundEnergy", [](T t) { t.energies = {""}; }, "Invalid electronic energy"},
    Change{"EnergyBeforeConstant", [](T t) { t.energies = {"-1"}, t.rotConsts[0] = "-1"; }, "Invalid electronic energy"},
    Change{"ThreeLevelsAt0", [](T t) { t.energies = {"0", "0", "0"}, t.elecDegeneracies = {"1", "1", "1"}; }, ""},
    Change{"LevelAt1e160", [](T t) { t.energies = {"0", "1e160"}, t.elecDegeneracies = {"1", "1"}; }, ""},
    Change{"EmptyRotationalConstant", [](T t) { t.rotConsts[0] = ""; }, kR},
    Change{"NegativeRotationalConstant", [](T t) { t.rotConsts[0] = "-10"; }, kR},
    Change{"ZeroRotationalConstant", [](T t) { t.rotConsts[0] = "0"; }, kR},
    Change{"ConstantTooSmallToCompute", [](T t) { t.rotConsts[0] = "1e-320"; }, kR},
    Change{"Constant1em300", [](T t) { t.rotConsts[0] = "1e-300"; }, kR},
    Change{"ConstantBeforeWavenumber", [](T t) { t.rotConsts[0] = "", t.wavenumbers = {""}; }, kR},
    Change{"LinearIgnoresSecondAndThirdConstants", [](T t) { t.rotConsts = {"10.59", "abc", "-5"}; }, ""},
    Change{"NonlinearSecondEmpty", [](T t) { t.rotConsts[1] = ""; }, kR, true},
    Change{"NonlinearSecondZero", [](T t) { t.rotConsts[1] = "0"; }, kR, true},
    Change{"NonlinearThirdNegative", [](T t) { t.rotConsts[2] = "-1"; }, kR, true},
    Change{"NonlinearThirdLetters", [](T t) { t.rotConsts[2] = "x"; }, kR, true},
    Change{"EmptyWavenumber", [](T t) { t.wavenumbers = {""}; }, kV},
    Change{"NegativeWavenumber", [](T t) { t.wavenumbers = {"-2990"}; }, kV},
    Change{"ZeroWavenumber", [](T t) { t.wavenumbers = {"0"}; }, kV},
    Change{"Wavenumber1em20", [](T t) { t.wavenumbers = {"1e-20"}; }, ""},
    Change{"AtomCountNotANumber", [](T t) { t.atomCount = "two"; }, "Invalid number of atoms"},
    Change{"SymmetryNumberEmpty", [](T t) { t.sigma = ""; }, "Invalid symmetry number"},
    Change{"DegeneracyNotWhole", [](T t) { t.vibDegeneracies = {"x"}; }, "Invalid degeneracy"},
    Change{"LevelDegeneracy0", [](T t) { t.elecDegeneracies = {"0"}; }, "Invalid degeneracy"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// An atom reads no rotational or vibrational box and leaves their arrays, but checks energies.
TEST(ReadCalcInput, AtomReadsNoRotationalOrVibrationalBox) {
    CalcInputTexts ar = ArgonTexts();
    ar.rotConsts = {"", "junk", "-1"};
    ar.wavenumbers = {"", "x"};
    MolecularData data;
    data.vibFreq = {0, 123, 456};
    data.rotCoef = 42;
    EXPECT_EQ(Read(ar, data), "");
    EXPECT_EQ(std::tuple(data.vibFreq.size(), data.vibFreq[2], data.rotCoef),
              std::tuple(3u, 456.0, 42.0));
    ar.energies = {""};
    EXPECT_EQ(Read(ar, data), "Invalid electronic energy");
}

TEST(ReadCalcInput, StoresFieldsUpToTheFailureAndCoefficientsOnlyAfterAllPassed) {
    CalcInputTexts hcl = HclTexts();
    hcl.wavenumbers = {"bad"};
    MolecularData data;
    EXPECT_EQ(Read(hcl, data), "Invalid vibrational frequency");
    EXPECT_EQ(std::tuple(data.temperature, data.molarMass, data.rotConst1, data.transCoef),
              std::tuple(298.15, 36.461, 10.59, 0.0));
    CalcInputTexts w = WaterTexts();
    w.molarMass = "0.5";
    data.rotConst1 = 99;
    EXPECT_EQ(Read(w, data), "Invalid molar mass");
    EXPECT_EQ(std::pair(data.molarMass, data.rotConst1), std::pair(0.5, 99.0));  // never reached
    EXPECT_EQ(Read(HclTexts(), data), "");
    EXPECT_EQ(data.rotExponent, 1.0);
}

TEST(ReadCalcInput, NonlinearMoleculeResizesLevelAndRowArrays) {
    CalcInputTexts w = WaterTexts();
    w.energies = {"0", "500", "1000"};
    w.elecDegeneracies = {"1", "2", "3"};
    MolecularData data;
    ASSERT_EQ(Read(w, data), "");
    EXPECT_EQ(std::tuple(data.rotExponent, data.rotConst2, data.elecEnergy, data.vibFreq.size(),
                         data.vibFreq[1], data.vibFreq[3]),
              std::tuple(1.5, 14.512, std::vector<double>{0, 500, 1000}, 4u, 3657.0, 3756.0));
}

}  // namespace
}  // namespace moltherm
