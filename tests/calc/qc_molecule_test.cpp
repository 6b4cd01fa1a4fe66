// Molecules read from quantum-chemistry outputs give the entropies the programs printed, and their
// texts read back to the same molecule.
#include <gtest/gtest.h>

#include <map>

#include "calc/calc_input.h"
#include "calc/molecule_description.h"
#include "engine/thermo.h"
#include "qcio/read_qc_file.h"
#include "tests/support/data_rows.h"
#include "tests/support/worked_examples.h"

namespace moltherm {
namespace {

// [J/(K mol)] per printed unit; T S [hartree] at 298.15 K.
const std::map<std::string, double> kUnits{
    {"cal", 4.184}, {"J", 1}, {"hartree", 2625499.639 / 298.15}};

class PrintedEntropies : public ::testing::TestWithParam<testing::Json> {};

TEST_P(PrintedEntropies, AgreeAtOneAtmosphere) {
    const testing::Json& p = GetParam();
    const auto read = qcio::ReadQcFile(MOLTHERM_TEST_DATA "/" + p["file"].get<std::string>());
    ASSERT_TRUE(read.has_value()) << read.error();
    std::vector<std::string> warnings;
    const auto described = DescribeQcResult(
        *read, "m", p["drop"] ? qcio::ImaginaryModes::Drop : qcio::ImaginaryModes::Refuse,
        warnings);
    ASSERT_TRUE(described.has_value()) << described.error();
    EXPECT_EQ(warnings, std::vector<std::string>{});  // the file's sigma and constants agree
    EXPECT_EQ(std::pair(described->formula, described->sigma),
              std::pair(std::optional<std::string>(p["formula"]), p["sigma"].get<int>()));

    CalcInputTexts texts = TextsOf(*described);
    texts.temperature = "298.15";
    MolecularData record = testing::RecordOf(texts);
    const auto m = ReadCalcInput(PhysicalConstants{}, texts, record);
    ASSERT_TRUE(m.has_value()) << m.error();
    EXPECT_EQ(std::tuple(m->atoms, m->molarMass, m->shape, m->sigma, m->rotationalConstants),
              std::tuple(described->atoms, described->molarMass, described->shape, described->sigma,
                         described->rotationalConstants));
    ASSERT_EQ(m->modes.size(), described->modes.size());
    for (std::size_t k = 0; k < m->modes.size(); ++k)
        EXPECT_EQ(std::pair(m->modes[k].wavenumber, m->modes[k].degeneracy),
                  std::pair(described->modes[k].wavenumber, described->modes[k].degeneracy));
    ThermoOptions atm;
    atm.standardState = {StandardState::Kind::kPressure, 1, PressureUnit::kAtm};
    const auto r = ComputeThermo(PhysicalConstants{}, *m, 298.15, atm);
    ASSERT_TRUE(r.has_value());
    const double unit = kUnits.at(p["unit"]);
    const double s[] = {r->trans.s, r->rot.s, r->vib.s, r->elec.s};
    const char* const parts[] = {"translational", "rotational", "vibrational", "electronic"};
    for (std::size_t k = 0; k < 4; ++k)
        if (!p["s"][k].is_null()) {
            EXPECT_NEAR(s[k], p["s"][k].get<double>() * unit, k == 2 ? 0.05 : 0.02) << parts[k];
        }
}

INSTANTIATE_TEST_SUITE_P(Programs, PrintedEntropies,
                         ::testing::ValuesIn(testing::DataRows("printed_entropies")),
                         testing::RowName);

}  // namespace
}  // namespace moltherm
