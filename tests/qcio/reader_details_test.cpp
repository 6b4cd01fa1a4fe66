#include <gtest/gtest.h>

#include <string>

#include "qcio/molecule_modes.h"
#include "qcio/read_qc_file.h"
#include "tests/qcio/qc_fixtures.h"

namespace moltherm::qcio {
namespace {

using testing::FixtureText;
using testing::Replaced;

QcResult Read(const std::string& text, std::string_view name = "job.out",
              const CompanionReader& companions = {}) {
    auto read = ReadQcText(text, name, companions);
    EXPECT_TRUE(read) << read.error();
    return read ? *read : QcResult{};
}

TEST(GaussianReader, KeepsTheFrequencyJobsGeometryNotAnEarlierOrALaterOne) {
    const std::string hcn = FixtureText("gaussian/HCN_triplet.out");
    EXPECT_DOUBLE_EQ(Read(hcn).atoms[1].position[2], 0.740828);  // the first step had 0.656357
    // A later job of the same file (a single point on methane, say) changes nothing.
    const std::string methane = FixtureText("gaussian/methane.log");
    const std::string laterJob =
        methane.substr(methane.find(" Charge =  0 Multiplicity = 1"), 3000);
    const QcResult r = Read(hcn + laterJob);
    EXPECT_EQ(r.atoms.size(), 3u);
    EXPECT_EQ(r.multiplicity, 3);
    EXPECT_EQ(r.electronicEnergy, -93.1537874991);
}

TEST(GaussianReader, TakesTheIsotopeMassesOfTheThermochemistry) {
    const std::string hcn = FixtureText("gaussian/HCN_triplet.out");
    const std::string line = " Atom     3 has atomic number  1 and mass   1.00783";
    EXPECT_DOUBLE_EQ(
        Read(Replaced(hcn, line, " Atom     3 has atomic number  1 and mass   2.01410"))
            .atoms[2]
            .mass,
        2.01410);
    const auto wrong = ReadQcText(
        Replaced(hcn, line, " Atom     3 has atomic number  8 and mass  15.99491"), "DCN.log");
    ASSERT_FALSE(wrong);
    EXPECT_EQ(wrong.error(), "DCN.log: the printed masses do not match the geometry");
}

TEST(OrcaReader, MarksScaledFrequenciesAndKeepsTheirPrintedValues) {
    const std::string text = Replaced(FixtureText("orca/dvb_ir_6.0.out"),
                                      "=  1.000000000  (already", "=  0.970000000  (already");
    const QcResult r = Read(text);
    EXPECT_TRUE(r.frequenciesScaled);
    EXPECT_EQ(r.scaleFactor, 0.97);
    EXPECT_EQ(r.wavenumbers[6], 43.87);
}

TEST(OrcaReader, ReadsImaginaryModesAsNegative) {
    const std::string text =
        Replaced(FixtureText("orca/dvb_ir_6.0.out"), "     6:      43.87 cm**-1    2-Au",
                 "     6:     -43.87 cm**-1 ***imaginary mode***");
    const QcResult r = Read(text);
    EXPECT_EQ(r.wavenumbers[6], -43.87);
    const auto refused = ModesOf(r, false);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), "1 imaginary mode (-43.9 1/cm)");
    const auto dropped = ModesOf(r, false, ImaginaryModes::Drop);
    ASSERT_TRUE(dropped);
    EXPECT_EQ(dropped->droppedImaginary, 1);
    EXPECT_EQ(dropped->rows.front().wavenumber, 77.06);
}

TEST(OrcaReader, ReadsTheSectionsNewerHessianFilesAdd) {
    const std::string text =
        FixtureText("orca/NH3.hess") + "\n$multiplicity\n  2\n\n$frequency_scale_factor\n  0.95\n";
    const QcResult r =
        Read(Replaced(text, "$act_energy\n        0.000000", "$act_energy\n      -56.4321000"));
    EXPECT_EQ(r.multiplicity, 2);
    EXPECT_EQ(r.electronicEnergy, -56.4321);
    EXPECT_EQ(r.scaleFactor, 0.95);
    EXPECT_TRUE(r.frequenciesScaled);
    EXPECT_FALSE(Read(FixtureText("orca/NH3.hess")).electronicEnergy);  // ORCA 3 writes 0
}

// A finite-difference job prints the reference geometry first and the displaced ones after it;
// the last one printed (here displacement 74, H 20 moved) is not the molecule.
TEST(Psi4Reader, TakesTheReferenceGeometryOfAFiniteDifferenceJob) {
    for (const char* file : {"psi4/dvb_ir_rhf_1.7.out", "psi4/dvb_ir_rhf_1.3.1.out"}) {
        const QcResult r = Read(FixtureText(file));
        ASSERT_EQ(r.atoms.size(), 20u) << file;
        EXPECT_NEAR(r.atoms[19].position[1], -0.0711049543, 1e-10) << file;  // the input's y
    }
}

TEST(Psi4Reader, ReadsImaginaryWavenumbersMarkedWithI) {
    const std::string text =
        Replaced(FixtureText("psi4/dvb_ir_rhf_1.7.out"), "Freq [cm^-1]                 137.2531",
                 "Freq [cm^-1]                 137.2531i");
    EXPECT_EQ(Read(text).wavenumbers.front(), -137.2531);
}

TEST(XtbReader, TakesTheGeometryFromTheFileItNamesOrFromItsFinalStructure) {
    const std::string out = FixtureText("xtb/dvb_ir.out");
    const auto none = ReadQcText(out, "dvb_ir.out", [](std::string_view) { return std::nullopt; });
    ASSERT_FALSE(none);
    EXPECT_EQ(none.error(),
              "dvb_ir.out: no geometry found (the coordinate file dvb_ir.xyz it names cannot be "
              "read)");
    // A Turbomole coord file, in bohr.
    const QcResult coord = Read(out, "dvb_ir.out", [](std::string_view name) {
        EXPECT_EQ(name, "dvb_ir.xyz");
        return std::optional<std::string>("$coord\n 0 0 0 c\n 0 0 2.0 o\n$end\n");
    });
    ASSERT_EQ(coord.atoms.size(), 2u);
    EXPECT_EQ(coord.atoms[1].element, 8);
    EXPECT_DOUBLE_EQ(coord.atoms[1].position[2], 2.0 * 0.529177210903);
    // After an optimisation (--ohess) the output prints the structure the Hessian was made at.
    const std::string ohess = Replaced(out, "--hess", "--ohess --uhf 2") + " final structure:\n" +
                              "================\n2\n comment\nO 0 0 0\nH 0 0 0.97\n";
    const QcResult final = Read(ohess);
    ASSERT_EQ(final.atoms.size(), 2u);
    EXPECT_EQ(final.multiplicity, 3);
}

TEST(MoldenReader, AcceptsSectionTitlesInAnyCaseAndNeedsTheGeometry) {
    const std::string text = FixtureText("molden/dvb_ir.molden");
    EXPECT_EQ(Read(Replaced(Replaced(text, "[FREQ]", "[freq]"), "[FR-COORD]", "[Fr-Coord]"))
                  .wavenumbers.size(),
              54u);
    const auto noCoord = ReadQcText(Replaced(text, "[FR-COORD]", "[COORD]"), "dvb.molden");
    ASSERT_FALSE(noCoord);
    EXPECT_EQ(noCoord.error(), "dvb.molden: no [FR-COORD] section with the geometry");
}

}  // namespace
}  // namespace moltherm::qcio
