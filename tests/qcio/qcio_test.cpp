#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "chem/inertia.h"
#include "chem/point_group.h"
#include "qcio/molecule_modes.h"
#include "qcio/read_qc_file.h"
#include "qcio/text_scan.h"
#include "tests/qcio/qc_fixtures.h"
#include "tests/support/data_rows.h"

namespace moltherm::qcio {
namespace {

using moltherm::testing::DataRows;
using moltherm::testing::Json;
using moltherm::testing::Number;
using moltherm::testing::RowName;
using testing::FixtureText;
using testing::Replaced;

// "1373.5436 x3, 1593.3084 x2": the rows' wavenumbers and degeneracies.
std::string RowsText(const MoleculeModes& modes) {
    std::string text;
    for (const ModeRow& m : modes.rows) {
        char shortest[32];
        *std::to_chars(shortest, shortest + 31, m.wavenumber).ptr = '\0';
        text += (text.empty() ? "" : ", ") + std::string(shortest) + " x" +
                std::to_string(m.degeneracy);
    }
    return text;
}

// Units a fixture's program printed in, per Angstrom and per 1/cm.
double Unit(const Json& name) {
    if (name == "bohr") return 0.529177210903;
    return name == "GHz" ? 29.9792458 : name == "MHz" ? 29979.2458 : 1;
}

template <class T>
std::optional<T> Optional(const Json& value) {
    return value.is_null() ? std::nullopt : std::optional<T>(value.get<T>());
}

class Fixture : public ::testing::TestWithParam<Json> {};

TEST_P(Fixture, ReadsWhatTheProgramPrinted) {
    const Json& row = GetParam();
    const auto read = ReadQcFile(testing::FixturePath(row["file"].get<std::string>()));
    ASSERT_TRUE(read) << read.error();
    const QcResult& r = *read;
    EXPECT_EQ(r.program, row["program"]);
    EXPECT_EQ(r.version, row["version"]);
    ASSERT_EQ(r.atoms.size(), row["atoms"]);
    EXPECT_EQ(r.atoms[0].element, row["firstElement"]);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(r.atoms[0].position[k],
                    row["firstPosition"][k].get<double>() * Unit(row["lengthUnit"]), 1e-9)
            << k;
    }
    EXPECT_DOUBLE_EQ(r.atoms[0].mass, row["firstMass"]);
    ASSERT_EQ(r.wavenumbers.size(), row["wavenumbers"]);
    EXPECT_DOUBLE_EQ(r.wavenumbers.front(), row["firstWavenumber"]);
    EXPECT_DOUBLE_EQ(r.wavenumbers.back(), row["lastWavenumber"]);
    EXPECT_EQ(r.multiplicity, row["multiplicity"]);
    EXPECT_EQ(r.electronicEnergy, Optional<double>(row["energy"]));
    EXPECT_EQ(r.printedSigma, Optional<int>(row["sigma"]));
    EXPECT_EQ(r.scaleFactor, Optional<double>(row["scale"]));
    EXPECT_FALSE(r.frequenciesScaled);
    // The geometry and masses read give back the shape, sigma and constants the program printed.
    const bool linear = row["linear"];
    EXPECT_EQ(chem::ShapeOf(r.atoms) == chem::Shape::Linear, linear);
    const int sigma = chem::PerceivePointGroup(r.atoms).symmetryNumber;
    EXPECT_EQ(Optional<int>(row["sigma"]).value_or(sigma), sigma);
    const std::vector<double> b = chem::RotationalConstants(r.atoms);
    const std::vector<double> printed = row["rotConsts"];
    ASSERT_EQ(r.printedRotConsts.size(), printed.size());
    ASSERT_GE(b.size(), printed.size());
    for (std::size_t k = 0; k < printed.size(); ++k) {
        EXPECT_DOUBLE_EQ(r.printedRotConsts[k], printed[k] / Unit(row["rotUnit"])) << k;
        EXPECT_NEAR(b[k] / r.printedRotConsts[k], 1, 1e-4) << k;
    }

    const auto modes = ModesOf(r, linear);
    ASSERT_EQ(modes ? "" : modes.error(), row["modeError"]);
    if (!modes) return;
    EXPECT_EQ(modes->rows.size(), row["modeRows"]);
    int count = 0;
    for (const ModeRow& m : modes->rows) count += m.degeneracy;
    EXPECT_EQ(count, 3 * static_cast<int>(r.atoms.size()) - (linear ? 5 : 6));
}

INSTANTIATE_TEST_SUITE_P(Outputs, Fixture, ::testing::ValuesIn(DataRows("qc_fixtures")), RowName);

// One wavenumber printed for a degenerate pair or triple becomes one row with that degeneracy;
// wavenumbers that differ in the last printed digit stay apart.
TEST(FixtureModes, IdenticalWavenumbersMergeAndNearOnesStayApart) {
    const auto methane = ModesOf(*ReadQcFile(testing::FixturePath("gaussian/methane.log")), false);
    ASSERT_TRUE(methane);
    EXPECT_EQ(RowsText(*methane), "1373.5436 x3, 1593.3084 x2, 3051.3248 x1, 3160.9657 x3");
    const auto ammonia = ModesOf(*ReadQcFile(testing::FixturePath("orca/NH3.hess")), false);
    ASSERT_TRUE(ammonia);  // 1623.399145 and 1623.438674
    EXPECT_EQ(ammonia->rows[1].degeneracy, 1);
    EXPECT_EQ(ammonia->rows[2].wavenumber, 1623.438674);
}

class Modes : public ::testing::TestWithParam<Json> {};

TEST_P(Modes, FollowThePrintedWavenumbers) {
    const Json& row = GetParam();
    QcResult result;
    result.atoms.resize(row["atoms"], chem::Atom{1, {0, 0, 0}, 1.008});
    result.wavenumbers = row["printed"].get<std::vector<double>>();
    const ImaginaryModes policy = row["policy"] == "drop"     ? ImaginaryModes::Drop
                                  : row["policy"] == "invert" ? ImaginaryModes::Invert
                                                              : ImaginaryModes::Refuse;
    const auto modes = ModesOf(result, row["linear"], policy);
    EXPECT_EQ(modes ? RowsText(*modes) : modes.error(), row["rows"]);
    EXPECT_EQ(modes ? modes->droppedImaginary : 0, row["dropped"]);
}

INSTANTIATE_TEST_SUITE_P(Rows, Modes, ::testing::ValuesIn(DataRows("qc_modes")), RowName);

// The one line a user would see: the reader's message, or the mode check's after the file name.
std::string Outcome(const std::string& text, std::string_view name) {
    const auto read = ReadQcText(text, name);
    if (!read) return read.error();
    const auto modes = ModesOf(*read, false);
    return modes ? "read" : std::string(name) + ": " + modes.error();
}

class BadFile : public ::testing::TestWithParam<Json> {};

TEST_P(BadFile, GetsOneLineNamingTheFileAndWhatIsMissing) {
    const Json& row = GetParam();
    std::string text = row["text"];
    if (const std::string cutAt = row["cutAt"]; !cutAt.empty()) {
        text = testing::FixtureText(text);
        const std::size_t at = text.find(cutAt);
        ASSERT_NE(at, std::string::npos);
        text.resize(at + row["offset"].get<std::size_t>());
    }
    EXPECT_EQ(Outcome(text, "job.out"), row["message"]);
}

INSTANTIATE_TEST_SUITE_P(Files, BadFile, ::testing::ValuesIn(DataRows("qc_bad_files")), RowName);

// Control characters make a binary file, unless there are few of them.
TEST(BadFile, BinaryWhereOneCharacterInAHundredIsAControlCharacter) {
    constexpr const char* kBinary = "job.out: a binary file, not a program's text output";
    EXPECT_EQ(Outcome(std::string("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03", 10), "job.out"),
              kBinary);  // a gzip header
    EXPECT_EQ(Outcome(std::string(200, '\x01') + " Entering Gaussian System\n", "job.out"),
              kBinary);
    EXPECT_EQ(
        Outcome("\x01" + std::string(98, 'x') + "\n", "job.out"),
        "job.out: not an output of a supported program (Gaussian, ORCA, xtb, Psi4 or Molden)");
}

TEST(ReadQcFile, NamesFilesItCannotReadAndTellsFormatsByContent) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "qcio_bad_files";
    std::filesystem::create_directories(dir);
    EXPECT_EQ(ReadQcFile(dir / "nothing.log").error(), "nothing.log: no such file");
    EXPECT_EQ(ReadQcFile(dir).error(), "qcio_bad_files: not a regular file");
    const std::filesystem::path huge = dir / "huge.log";
    std::ofstream(huge).put(' ');
    std::filesystem::resize_file(huge, 300u << 20);  // sparse: no disk is used
    EXPECT_EQ(ReadQcFile(huge).error(),
              "huge.log: too large (300 MB; outputs up to 256 MB are read)");
    const std::filesystem::path renamed = dir / "job.log";  // an ORCA file named like Gaussian's
    std::ofstream(renamed, std::ios::binary) << testing::FixtureText("orca/NH3.hess");
    const auto read = ReadQcFile(renamed);
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(read->program, "ORCA");
    std::filesystem::remove_all(dir);
}

TEST(TextScan, NumbersAreWholeFiniteWords) {
    const std::pair<const char*, std::optional<double>> doubles[] = {
        {"-1.5", -1.5}, {"+2", 2},   {"1.2E+01", 12}, {".5", 0.5},   {"12.", 12},
        {"-0.00", 0},   {"+-1", {}}, {"--1", {}},     {"12abc", {}}, {"1e400", {}},
        {"nan", {}},    {"inf", {}}, {"", {}},        {"***", {}},   {"2.0D-03", {}}};
    for (const auto& [word, value] : doubles) EXPECT_EQ(ParseDouble(word), value) << word;
    const std::pair<const char*, std::optional<int>> ints[] = {
        {"12", 12},  {"+7", 7},           {"-3", -3}, {"12abc", {}},
        {"1.0", {}}, {"99999999999", {}}, {"", {}}};
    for (const auto& [word, value] : ints) EXPECT_EQ(ParseInt(word), value) << word;
    EXPECT_EQ(NumbersAfter(" Frequencies --  -1327.0114  658.0951  A", "--"),
              (std::vector<double>{-1327.0114, 658.0951}));
    EXPECT_EQ(IntAfter("(symmetry no. = 2)", "no. ="), 2);
    EXPECT_EQ(WholeNumber(12.0), 12);
    EXPECT_EQ(WholeNumber(2.5), std::nullopt);
    EXPECT_EQ(WholeNumber(1e300), std::nullopt);
}

TEST(TextScan, ElementsFromLabelsAndLinesFromAnyLineEnd) {
    const std::pair<const char*, std::optional<int>> labels[] = {
        {"Cl", 17}, {"CL", 17}, {"H12", 1}, {"C_a", 6}, {"Gh(C)", {}}, {"12", {}}};
    for (const auto& [label, element] : labels) EXPECT_EQ(ElementOfLabel(label), element) << label;
    EXPECT_EQ(SplitLines("a\r\nb\rc\n\nd"),
              (std::vector<std::string_view>{"a", "b", "c", "", "d"}));
    EXPECT_EQ(Words(" \tx  y\t"), (std::vector<std::string_view>{"x", "y"}));
    EXPECT_EQ(Trim(" \t x y \r\n"), "x y");
}

// What the fixtures alone do not show: edits of their text that real outputs also contain.
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
    const QcResult c13 =
        Read(Replaced(hcn, line, " Atom     1 has atomic number  6 and mass  13.00335"));
    EXPECT_EQ(c13.atoms[0].mass, 13.00335);
    EXPECT_EQ(
        ReadQcText(Replaced(hcn, line, " Atom 1 has atomic number 8 and mass 16"), "x").error(),
        "x: the printed masses do not match the geometry");
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
    // A second job's frequencies replace the first's.
    const QcResult two =
        Read(FixtureText("orca/dvb_ir_4.2.out") + FixtureText("orca/dvb_ir_6.0.out"));
    EXPECT_EQ(two.wavenumbers[6], 43.87);
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
    for (const std::string& output : {text, FixtureText("psi4/dvb_ir_rhf_1.3.1.out")})
        EXPECT_NEAR(Read(output).atoms.at(19).position[1], -0.0711049543, 1e-10);
    // Nor is a geometry printed before the displacements were made (an optimisation step);
    // without displacements (an analytic Hessian) the last geometry printed is the one.
    std::size_t displaced = 0;  // the third geometry printed: the first displaced one
    for (int k = 0; k < 3; ++k) displaced = text.find("    Geometry (in Bohr)", displaced + 1);
    const std::string step = text.substr(displaced, text.find("\n\n", displaced + 200) - displaced);
    const std::size_t findif = text.find("  Using finite-differences of");
    const std::string optimised = text.substr(0, findif) + step + "\n\n" + text.substr(findif);
    EXPECT_NEAR(Read(optimised).atoms.at(19).position[1], -0.0711049543, 1e-10);
    const QcResult analytic =
        Read(Replaced(optimised, "Using finite-differences of", "Using analytic second"));
    EXPECT_NEAR(analytic.atoms.at(19).position[1], -0.131878614048 * 0.529177210903, 1e-10);
    EXPECT_EQ(Read(Replaced(text, "137.2531 ", "137.2531i")).wavenumbers.front(), -137.2531);
}

TEST(XtbReader, TakesTheGeometryFromTheFileItNamesOrFromItsFinalStructure) {
    const std::string out = FixtureText("xtb/dvb_ir.out");
    const auto none = ReadQcText(out, "dvb_ir.out", [](std::string_view) { return std::nullopt; });
    EXPECT_EQ(none.error(),
              "dvb_ir.out: no geometry found (the coordinate file dvb_ir.xyz it "
              "names cannot be read)");
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
    const QcResult r =
        Read(Replaced(Replaced(text, "[FREQ]", "[freq]"), "[FR-COORD]", "[Fr-Coord]"));
    EXPECT_EQ(r.wavenumbers.size(), 54u);
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
    const CompanionReader companions = [&xyz](std::string_view) -> const std::string& {
        return xyz;
    };
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
