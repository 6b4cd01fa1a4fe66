// Molecules read from quantum-chemistry outputs give the entropies the programs printed, and their
// texts read back to the same molecule.
#include <gtest/gtest.h>

#include "calc/calc_input.h"
#include "calc/molecule_description.h"
#include "engine/thermo.h"
#include "qcio/read_qc_file.h"

namespace moltherm {
namespace {

constexpr double kCalToJ = 4.184;
constexpr double kHartreeTS = 2625499.639 / 298.15;  // T S [hartree] at 298.15 K to S [J/(K mol)]
constexpr double kNotChecked = -1;
constexpr auto kRefuse = qcio::ImaginaryModes::Refuse;

// What the program printed at 298.15 K and 1 atm (S in `unit` [J/(K mol)]), and the molecule.
// The vibrational entropies are compared where the program's are harmonic.
struct Printed {
    const char* file;
    qcio::ImaginaryModes imaginary;
    double unit;
    double sTrans, sRot, sVib, sElec;
    const char* formula;
    int sigma;
};
void PrintTo(const Printed& p, std::ostream* os) {
    *os << p.file;
}

class PrintedEntropies : public ::testing::TestWithParam<Printed> {};

TEST_P(PrintedEntropies, AgreeAtOneAtmosphere) {
    const Printed& p = GetParam();
    const auto read = qcio::ReadQcFile(std::string(MOLTHERM_TEST_DATA) + "/" + p.file);
    ASSERT_TRUE(read.has_value()) << read.error();
    std::vector<std::string> warnings;
    const auto described = DescribeQcResult(*read, "m", p.imaginary, warnings);
    ASSERT_TRUE(described.has_value()) << described.error();
    EXPECT_EQ(warnings, std::vector<std::string>{});  // the file's sigma and constants agree
    EXPECT_EQ(std::pair(described->formula, described->sigma),
              std::pair(std::optional<std::string>(p.formula), p.sigma));

    CalcInputTexts texts = TextsOf(*described);
    texts.temperature = "298.15";
    MolecularData record;
    record.nModes = static_cast<std::int16_t>(texts.wavenumbers.size());
    record.lastLevel = static_cast<std::int16_t>(texts.energies.size() - 1);
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
    EXPECT_NEAR(r->trans.s, p.sTrans * p.unit, 0.02);
    EXPECT_NEAR(r->rot.s, p.sRot * p.unit, 0.02);
    if (p.sVib != kNotChecked) {
        EXPECT_NEAR(r->vib.s, p.sVib * p.unit, 0.05);
    }
    EXPECT_NEAR(r->elec.s, p.sElec * p.unit, 0.02);
}

// Psi4 prints S per contribution; ORCA prints T S in hartree, with a quasi-RRHO vibration.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Programs, PrintedEntropies, ::testing::Values(
    Printed{"gaussian/dvb_ir.out", kRefuse, kCalToJ, 40.502, 28.143, 23.136, 0, "C10H10", 2},
    Printed{"gaussian/methane.log", kRefuse, kCalToJ, 34.261, 10.139, 0.076, 0, "CH4", 12},
    Printed{"gaussian/HCN_triplet.out", qcio::ImaginaryModes::Drop, kCalToJ, 35.816, 12.288, 0.372, 2.183, "CHN", 1},
    Printed{"psi4/dvb_ir_rhf_1.7.out", kRefuse, 1, 169.460, 117.751, kNotChecked, 0, "C10H10", 2},
    Printed{"orca/dvb_ir_6.0.out", kRefuse, kHartreeTS, 0.01924489, 0.01337276, kNotChecked, 0, "C10H10", 2}));
// clang-format on

}  // namespace
}  // namespace moltherm
