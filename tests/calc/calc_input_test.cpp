#include "calc/calc_input.h"

#include <gtest/gtest.h>

#include "tests/support/data_rows.h"
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
class ReadCalcInputRows : public ::testing::TestWithParam<Json> {};

TEST_P(ReadCalcInputRows, FirstFailingCheckGivesItsMessage) {
    Json texts = GetParam().value("water", false) ? WaterTexts() : HclTexts();
    texts.merge_patch(GetParam()["change"]);
    MolecularData data;
    EXPECT_EQ(Read(texts.get<CalcInputTexts>(), data), GetParam()["message"]);
}

INSTANTIATE_TEST_SUITE_P(Rows, ReadCalcInputRows,
                         ::testing::ValuesIn(DataRows("calc_input_changes")), RowName);

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

TEST(ReadCalcInput, StoresFieldsUpToTheFailureCoefficientsAfterAllPassedAndResizesArrays) {
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
    // A nonlinear molecule resizes the level and row arrays.
    w = WaterTexts();
    w.energies = {"0", "500", "1000"};
    w.elecDegeneracies = {"1", "2", "3"};
    ASSERT_EQ(Read(w, data), "");
    EXPECT_EQ(std::tuple(data.rotExponent, data.rotConst2, data.elecEnergy, data.vibFreq.size(),
                         data.vibFreq[1], data.vibFreq[3]),
              std::tuple(1.5, 14.512, std::vector<double>{0, 500, 1000}, 4u, 3657.0, 3756.0));
}

}  // namespace
}  // namespace moltherm
