#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "qcio/molecule_modes.h"
#include "qcio/read_qc_file.h"
#include "tests/qcio/qc_fixtures.h"

// What the fixtures alone do not show: edits of their text that real outputs also contain.
namespace moltherm::qcio {
namespace {

using testing::FixtureText;
using testing::Replaced;

QcResult Read(const std::string& text, const CompanionReader& companions = {}) {
    auto read = ReadQcText(text, "job.out", companions);
    EXPECT_TRUE(read) << read.error();
    return read ? *read : QcResult{};
}

TEST(GaussianReader, KeepsTheFrequencyJobsGeometryNotAnEarlierOrALaterOne) {
    const std::string hcn = FixtureText("gaussian/HCN_triplet.out");
    EXPECT_DOUBLE_EQ(Read(hcn).atoms[1].position[2], 0.740828);     // the first step has 0.656357
    const std::string later = FixtureText("gaussian/methane.log");  // a later job in the file
    const QcResult r = Read(hcn + later.substr(later.find(" Charge =  0 Multiplicity"), 3000));
    EXPECT_EQ(r.atoms.size(), 3u);
    EXPECT_EQ(r.multiplicity, 3);
    EXPECT_EQ(r.electronicEnergy, -93.1537874991);
    const std::string methane = FixtureText("gaussian/methane.log");
    EXPECT_EQ(Read(methane + methane).wavenumbers.size(), 9u);  // a repeated job, not 18 modes
}

TEST(GaussianReader, TakesTheIsotopeMassesOfTheThermochemistry) {
    const std::string hcn = FixtureText("gaussian/HCN_triplet.out");
    const std::string line = " Atom     1 has atomic number  6 and mass  12.00000";
    EXPECT_EQ(Read(Replaced(hcn, line, " Atom     1 has atomic number  6 and mass  13.00335"))
                  .atoms[0]
                  .mass,
              13.00335);
    const auto wrong =
        ReadQcText(Replaced(hcn, line, " Atom 1 has atomic number 8 and mass 16"), "x");
    EXPECT_EQ(wrong.error(), "x: the printed masses do not match the geometry");
}

// Without a thermochemistry block the constants printed with the geometry stand, a linear
// molecule's "0 B B" as B, and the masses are the most abundant isotopes'.
TEST(Readers, WithoutThermochemistryKeepTheConstantsPrintedWithTheGeometry) {
    const std::string hcn = FixtureText("gaussian/HCN_triplet.out");
    const QcResult g = Read(hcn.substr(0, hcn.find(" - Thermochemistry -")));
    EXPECT_EQ(g.printedRotConsts, std::vector<double>{34.8328572 / 29.9792458});
    EXPECT_FALSE(g.printedSigma);
    EXPECT_EQ(g.atoms[1].mass, 14.00307400443);
    const std::string orca = FixtureText("orca/dvb_ir_6.0.out");
    const QcResult o = Read(orca.substr(0, orca.find("THERMOCHEMISTRY AT")));
    EXPECT_EQ(o.printedRotConsts, (std::vector<double>{0.153923, 0.022856, 0.019901}));
    EXPECT_FALSE(o.printedSigma);
}

TEST(OrcaReader, MarksScaledFrequenciesAndKeepsTheirPrintedValues) {
    const QcResult r = Read(Replaced(FixtureText("orca/dvb_ir_6.0.out"), "=  1.000000000  (already",
                                     "=  0.970000000  (already"));
    EXPECT_TRUE(r.frequenciesScaled);
    EXPECT_EQ(r.scaleFactor, 0.97);
    EXPECT_EQ(r.wavenumbers[6], 43.87);
    EXPECT_EQ(Read(FixtureText("orca/dvb_ir_4.2.out") + FixtureText("orca/dvb_ir_6.0.out"))
                  .wavenumbers[6],
              43.87);  // a second job's frequencies replace the first's
}

TEST(OrcaReader, ReadsImaginaryModesAsNegative) {
    const QcResult r =
        Read(Replaced(FixtureText("orca/dvb_ir_6.0.out"), "     6:      43.87 cm**-1    2-Au",
                      "     6:     -43.87 cm**-1 ***imaginary mode***"));
    EXPECT_EQ(ModesOf(r, false).error(), "1 imaginary mode (-43.9 1/cm)");
    const auto dropped = ModesOf(r, false, ImaginaryModes::Drop);
    ASSERT_TRUE(dropped);
    EXPECT_EQ(dropped->droppedImaginary, 1);
    EXPECT_EQ(dropped->rows.front().wavenumber, 77.06);
}

TEST(OrcaReader, ReadsTheSectionsNewerHessianFilesAdd) {
    const std::string ammonia = FixtureText("orca/NH3.hess");
    EXPECT_FALSE(Read(ammonia).electronicEnergy);  // ORCA 3 writes 0 there
    const QcResult r =
        Read(Replaced(ammonia, "$act_energy\n        0.000000", "$act_energy\n -56.4321") +
             "\n$multiplicity\n  2\n\n$frequency_scale_factor\n  0.95\n");
    EXPECT_EQ(r.multiplicity, 2);
    EXPECT_EQ(r.electronicEnergy, -56.4321);
    EXPECT_EQ(r.scaleFactor, 0.95);
    EXPECT_TRUE(r.frequenciesScaled);
}

// A finite-difference job prints the reference geometry first and the displaced ones after it;
// the last one printed (displacement 74, which moves H 20) is not the molecule.
TEST(Psi4Reader, TakesTheReferenceGeometryAndReadsImaginaryWavenumbers) {
    const std::string text = FixtureText("psi4/dvb_ir_rhf_1.7.out");
    for (const std::string& output : {text, FixtureText("psi4/dvb_ir_rhf_1.3.1.out")}) {
        EXPECT_NEAR(Read(output).atoms.at(19).position[1], -0.0711049543, 1e-10);
    }
    // Nor is a geometry printed before the displacements were made (an optimisation step);
    // without displacements (an analytic Hessian) the last geometry printed is the one.
    std::size_t displaced = 0;  // the third geometry printed: the first displaced one
    for (int k = 0; k < 3; ++k) displaced = text.find("    Geometry (in Bohr)", displaced + 1);
    const std::string step = text.substr(displaced, text.find("\n\n", displaced + 200) - displaced);
    const std::size_t findif = text.find("  Using finite-differences of");
    const std::string optimised = text.substr(0, findif) + step + "\n\n" + text.substr(findif);
    EXPECT_NEAR(Read(optimised).atoms.at(19).position[1], -0.0711049543, 1e-10);
    EXPECT_NEAR(Read(Replaced(optimised, "Using finite-differences of", "Using analytic second"))
                    .atoms.at(19)
                    .position[1],
                -0.131878614048 * 0.529177210903, 1e-10);
    EXPECT_EQ(Read(Replaced(text, "137.2531 ", "137.2531i")).wavenumbers.front(), -137.2531);
}

TEST(XtbReader, TakesTheGeometryFromTheFileItNamesOrFromItsFinalStructure) {
    const std::string out = FixtureText("xtb/dvb_ir.out");
    const auto none = ReadQcText(out, "dvb_ir.out", [](std::string_view) { return std::nullopt; });
    EXPECT_EQ(
        none.error(),
        "dvb_ir.out: no geometry found (the coordinate file dvb_ir.xyz it names cannot be read)");
    const QcResult coord = Read(out, [](std::string_view name) {  // Turbomole, in bohr
        EXPECT_EQ(name, "dvb_ir.xyz");
        return std::optional<std::string>("$coord\n 0 0 0 c\n 0 0 2.0 o\n$end\n");
    });
    ASSERT_EQ(coord.atoms.size(), 2u);
    EXPECT_EQ(coord.atoms[1].element, 8);
    EXPECT_DOUBLE_EQ(coord.atoms[1].position[2], 2.0 * 0.529177210903);
    // After an optimisation (--ohess) the output prints the structure of the Hessian.
    const QcResult final = Read(Replaced(out, "--hess", "--ohess --uhf 2") +
                                " final structure:\n================\n2\n\nO 0 0 0\nH 0 0 0.97\n");
    EXPECT_EQ(final.atoms.size(), 2u);
    EXPECT_EQ(final.multiplicity, 3);
    const auto xyz = [](std::string_view) { return std::optional(FixtureText("xtb/dvb_ir.xyz")); };
    EXPECT_EQ(ReadQcText(Replaced(out, "--hess", "--hess --uhf -1"), "x", xyz).error(),
              "x: multiplicity 0 is not valid");
}

TEST(MoldenReader, AcceptsSectionTitlesInAnyCase) {
    const std::string text = FixtureText("molden/dvb_ir.molden");
    EXPECT_EQ(Read(Replaced(Replaced(text, "[FREQ]", "[freq]"), "[FR-COORD]", "[Fr-Coord]"))
                  .wavenumbers.size(),
              54u);
}

// One random damage: a cut, a lost or doubled stretch, bytes overwritten, or numbers replaced by
// ones out of range.
std::string Damaged(std::string text, std::mt19937& random) {
    auto upTo = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n)(random);
    };
    static constexpr const char* kWords[] = {"1e308", "-1e308", "nan", "inf", "99999999999",
                                             "-0",    "0",      "",    "***", "1D+400"};
    static constexpr char kBytes[] = {'0', '9', '-', '.', ' ', '\n', 'x', '\0', '$', '['};
    const std::size_t at = upTo(text.size());
    switch (upTo(4)) {
        // clang-format off
        case 0: return text.substr(0, at);
        case 1: return text.erase(at, upTo(4000));
        case 2: return text.insert(upTo(text.size()), text.substr(at, upTo(4000)));
        // clang-format on
        case 3:
            for (int k = 0; k < 20 && !text.empty(); ++k)
                text[upTo(text.size() - 1)] = kBytes[upTo(9)];
            return text;
        default:
            for (int k = 0; k < 20; ++k) {
                const std::size_t digit = text.find_first_of("0123456789", upTo(text.size()));
                if (digit == std::string::npos) break;
                const std::size_t end = text.find_first_of(" \n", digit);
                text.replace(digit, end == std::string::npos ? end : end - digit, kWords[upTo(9)]);
            }
            return text;
    }
}

bool Finite(const QcResult& r) {
    double sum = r.electronicEnergy.value_or(0);
    for (const chem::Atom& a : r.atoms)
        sum += a.position[0] + a.position[1] + a.position[2] + a.mass;
    for (double v : r.wavenumbers) sum += v;
    for (double b : r.printedRotConsts) sum += b;
    return std::isfinite(sum);
}

// Every reader, fed damaged copies of every fixture (seeded, so that a failure replays), answers
// with a finite result or one line naming the file, and never crashes; the sanitizer build runs
// it too.
TEST(Robustness, DamagedFixturesGiveFiniteResultsOrOneLine) {
    std::mt19937 random(20260607);
    const std::string xyz = testing::FixtureText("xtb/dvb_ir.xyz");
    const CompanionReader companions = [&xyz](std::string_view) { return xyz; };
    int read = 0, refused = 0;
    for (const char* file : testing::kFixtures) {
        const std::string text = testing::FixtureText(file);
        for (int round = 0; round < 40; ++round) {
            const auto result = ReadQcText(Damaged(text, random), "damaged.out", companions);
            if (!result) {
                ++refused;
                EXPECT_EQ(result.error().rfind("damaged.out: ", 0), 0u) << file << ' ' << round;
                EXPECT_EQ(result.error().find('\n'), std::string::npos) << result.error();
                continue;
            }
            ++read;
            EXPECT_TRUE(Finite(*result)) << file << ' ' << round;
            for (auto policy :
                 {ImaginaryModes::Refuse, ImaginaryModes::Drop, ImaginaryModes::Invert}) {
                const auto modes = ModesOf(*result, round % 2 == 0, policy);
                for (const ModeRow& row : modes ? modes->rows : std::vector<ModeRow>{})
                    EXPECT_TRUE(std::isfinite(row.wavenumber) && row.degeneracy >= 1);
            }
        }
    }
    EXPECT_GT(read, 100);  // the damage is neither all fatal nor all harmless
    EXPECT_GT(refused, 100);
}

}  // namespace
}  // namespace moltherm::qcio
