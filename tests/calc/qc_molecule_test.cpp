// Molecules read from quantum-chemistry outputs give the entropies the programs printed.
#include <gtest/gtest.h>

#include "calc/molecule_description.h"
#include "engine/thermo.h"
#include "qcio/read_qc_file.h"

namespace moltherm {
namespace {

constexpr double kCalToJ = 4.184;
constexpr double kHartreeTS = 2625499.639 / 298.15;  // T S [hartree] at 298.15 K to S [J/(K mol)]
constexpr double kNotChecked = -1;

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
    const auto read = qcio::ReadQcFile(std::string(MOLTHERM_QC_DATA) + "/" + p.file);
    ASSERT_TRUE(read.has_value()) << read.error();
    std::vector<std::string> warnings;
    const auto described = DescribeQcResult(*read, "m", p.imaginary, warnings);
    ASSERT_TRUE(described.has_value()) << described.error();
    EXPECT_EQ(warnings, std::vector<std::string>{});  // the file's sigma and constants agree
    EXPECT_EQ(described->formula, p.formula);
    EXPECT_EQ(described->sigma, p.sigma);

    Molecule m;
    m.atoms = described->atoms;
    m.molarMass = described->molarMass;
    m.shape = described->shape;
    m.sigma = described->sigma;
    m.rotationalConstants = described->rotationalConstants;
    m.modes = described->modes;
    m.levels = described->levels;
    ThermoOptions atm;
    atm.standardState = {StandardState::Kind::kPressure, 1, PressureUnit::kAtm};
    const auto r = ComputeThermo(PhysicalConstants{}, m, 298.15, atm);
    ASSERT_TRUE(r.has_value());
    EXPECT_NEAR(r->trans.s, p.sTrans * p.unit, 0.02);
    EXPECT_NEAR(r->rot.s, p.sRot * p.unit, 0.02);
    if (p.sVib != kNotChecked) {
        EXPECT_NEAR(r->vib.s, p.sVib * p.unit, 0.05);
    }
    EXPECT_NEAR(r->elec.s, p.sElec * p.unit, 0.02);
}

INSTANTIATE_TEST_SUITE_P(
    Gaussian, PrintedEntropies,
    ::testing::Values(Printed{"gaussian/dvb_ir.out", qcio::ImaginaryModes::Refuse, kCalToJ, 40.502,
                              28.143, 23.136, 0, "C10H10", 2},
                      Printed{"gaussian/methane.log", qcio::ImaginaryModes::Refuse, kCalToJ, 34.261,
                              10.139, 0.076, 0, "CH4", 12},
                      Printed{"gaussian/HCN_triplet.out", qcio::ImaginaryModes::Drop, kCalToJ,
                              35.816, 12.288, 0.372, 2.183, "CHN", 1}));

// Psi4 prints S per contribution; ORCA prints T S in hartree, with a quasi-RRHO vibration.
INSTANTIATE_TEST_SUITE_P(
    OtherPrograms, PrintedEntropies,
    ::testing::Values(Printed{"psi4/dvb_ir_rhf_1.7.out", qcio::ImaginaryModes::Refuse, 1, 169.460,
                              117.751, kNotChecked, 0, "C10H10", 2},
                      Printed{"orca/dvb_ir_6.0.out", qcio::ImaginaryModes::Refuse, kHartreeTS,
                              0.01924489, 0.01337276, kNotChecked, 0, "C10H10", 2}));

TEST(QcMolecule, TextsReadBackToTheSameMolecule) {
    const auto read = qcio::ReadQcFile(std::string(MOLTHERM_QC_DATA) + "/gaussian/dvb_ir.out");
    ASSERT_TRUE(read.has_value());
    std::vector<std::string> warnings;
    const auto described = DescribeQcResult(*read, "dvb", qcio::ImaginaryModes::Refuse, warnings);
    ASSERT_TRUE(described.has_value());
    CalcInputTexts texts = TextsOf(*described);
    texts.temperature = "298.15";
    MolecularData record;
    record.nModes = static_cast<std::int16_t>(texts.wavenumbers.size());
    record.lastLevel = 0;
    const auto molecule = ReadCalcInput(PhysicalConstants{}, texts, record);
    ASSERT_TRUE(molecule.has_value()) << molecule.error();
    EXPECT_EQ(molecule->molarMass, described->molarMass);
    EXPECT_EQ(molecule->rotationalConstants, described->rotationalConstants);
    ASSERT_EQ(molecule->modes.size(), described->modes.size());
    for (std::size_t k = 0; k < molecule->modes.size(); ++k) {
        EXPECT_EQ(molecule->modes[k].wavenumber, described->modes[k].wavenumber);
        EXPECT_EQ(molecule->modes[k].degeneracy, described->modes[k].degeneracy);
    }
}

TEST(QcMolecule, ImaginaryModesAreRefusedByDefault) {
    const auto read = qcio::ReadQcFile(std::string(MOLTHERM_QC_DATA) + "/gaussian/HCN_triplet.out");
    ASSERT_TRUE(read.has_value());
    std::vector<std::string> warnings;
    const auto refused = DescribeQcResult(*read, "x", qcio::ImaginaryModes::Refuse, warnings);
    ASSERT_FALSE(refused.has_value());
    EXPECT_NE(refused.error().find("1 imaginary mode"), std::string::npos) << refused.error();
}

}  // namespace
}  // namespace moltherm
