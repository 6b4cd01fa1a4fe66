#include <gtest/gtest.h>

#include <array>
#include <cctype>
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

namespace moltherm::qcio {
namespace {

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

constexpr double kBohr = 0.529177210903;  // [Angstrom]
constexpr double kGHz = 29.9792458;       // GHz per 1/cm
constexpr double kMHz = 29979.2458;       // MHz per 1/cm

// Each fixture against the numbers its program printed, in the units it printed them.
struct FixtureRow {
    const char *file, *program, *version;
    std::size_t atoms;
    int firstElement;
    std::array<double, 3> firstPosition;  // as printed, times lengthUnit [Angstrom]
    double lengthUnit, firstMass;         // [u]
    std::size_t wavenumbers;
    double firstWavenumber, lastWavenumber;  // [1/cm]
    int multiplicity;
    std::optional<double> energy;  // [hartree]
    std::optional<int> sigma;
    std::vector<double> rotConsts;  // as printed, divided by rotUnit [1/cm]
    double rotUnit;
    std::optional<double> scale;
    bool linear;
    std::size_t modeRows;   // identical wavenumbers merged, or else
    const char* modeError;  // why there are none
};

class Fixture : public ::testing::TestWithParam<FixtureRow> {};

TEST_P(Fixture, ReadsWhatTheProgramPrinted) {
    const FixtureRow& row = GetParam();
    const auto read = ReadQcFile(testing::FixturePath(row.file));
    ASSERT_TRUE(read) << read.error();
    const QcResult& r = *read;
    EXPECT_EQ(r.program, row.program);
    EXPECT_EQ(r.version, row.version);
    ASSERT_EQ(r.atoms.size(), row.atoms);
    EXPECT_EQ(r.atoms[0].element, row.firstElement);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(r.atoms[0].position[k], row.firstPosition[k] * row.lengthUnit, 1e-9) << k;
    EXPECT_DOUBLE_EQ(r.atoms[0].mass, row.firstMass);
    ASSERT_EQ(r.wavenumbers.size(), row.wavenumbers);
    EXPECT_DOUBLE_EQ(r.wavenumbers.front(), row.firstWavenumber);
    EXPECT_DOUBLE_EQ(r.wavenumbers.back(), row.lastWavenumber);
    EXPECT_EQ(r.multiplicity, row.multiplicity);
    EXPECT_EQ(r.electronicEnergy, row.energy);
    EXPECT_EQ(r.printedSigma, row.sigma);
    EXPECT_EQ(r.scaleFactor, row.scale);
    EXPECT_FALSE(r.frequenciesScaled);
    // The geometry and masses read give back the shape, sigma and constants the program printed.
    EXPECT_EQ(chem::ShapeOf(r.atoms) == chem::Shape::Linear, row.linear);
    EXPECT_EQ(row.sigma.value_or(chem::PerceivePointGroup(r.atoms).symmetryNumber),
              chem::PerceivePointGroup(r.atoms).symmetryNumber);
    const std::vector<double> b = chem::RotationalConstants(r.atoms);
    ASSERT_EQ(r.printedRotConsts.size(), row.rotConsts.size());
    ASSERT_GE(b.size(), row.rotConsts.size());
    for (std::size_t k = 0; k < row.rotConsts.size(); ++k) {
        EXPECT_DOUBLE_EQ(r.printedRotConsts[k], row.rotConsts[k] / row.rotUnit) << k;
        EXPECT_NEAR(b[k] / r.printedRotConsts[k], 1, 1e-4) << k;
    }

    const auto modes = ModesOf(r, row.linear);
    ASSERT_EQ(modes ? "" : modes.error(), std::string(row.modeError));
    if (!modes) return;
    EXPECT_EQ(modes->rows.size(), row.modeRows);
    int count = 0;
    for (const ModeRow& m : modes->rows) count += m.degeneracy;
    EXPECT_EQ(count, 3 * static_cast<int>(row.atoms) - (row.linear ? 5 : 6));
}

const std::vector<double> kNone;
const auto kNo = std::nullopt;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Outputs, Fixture, ::testing::Values(
    FixtureRow{"gaussian/dvb_ir.out", "Gaussian", "16 Rev A.03", 20, 6, {0.269445, 1.410118, 0}, 1, 12,
               54, 53.1981, 3548.3320, 1, -382.308266602, 2, {4.62664, 0.68491, 0.59659}, kGHz, kNo, false, 54, ""},
    FixtureRow{"gaussian/HCN_triplet.out", "Gaussian", "09 Rev D.01", 3, 6, {0, 0, -0.587021}, 1, 12,
               4, -1327.0114, 3362.4566, 3, -93.1537874991, 1, {34.832857}, kGHz, kNo, true, 0,
               "1 imaginary mode (-1327.0 1/cm)"},
    FixtureRow{"gaussian/methane.log", "Gaussian", "16 Rev B.01", 5, 6, {0, 0, 0}, 1, 12,
               9, 1373.5436, 3160.9657, 1, -40.5183831835, 12, {157.25935, 157.25935, 157.25935}, kGHz, kNo, false, 4, ""},
    FixtureRow{"xtb/g98.out", "xtb", "", 20, 6, {0.232142, -1.392784, 0.000002}, 1, 12,
               54, 26.1517, 3131.4272, 1, kNo, kNo, kNone, 1, kNo, false, 54, ""},
    FixtureRow{"xtb/dvb_ir.out", "xtb", "6.6.1", 20, 6, {0.23214923366237, -1.39278258168054, -0.00000000000218}, 1, 12,
               60, -0.0, 3131.43, 1, -26.438242468338, 2, kNone, 1, kNo, false, 54, ""},
    FixtureRow{"orca/dvb_ir_4.2.out", "ORCA", "4.2.0", 20, 6, {2.709596, 0, 0}, kBohr, 12.011,
               60, 0, 3546.08, 1, -382.050758039646, 2, {0.153923, 0.022856, 0.019901}, 1, 1.0, false, 54, ""},
    FixtureRow{"orca/dvb_ir_6.0.out", "ORCA", "6.0.1", 20, 6, {-2.674441, 0.435056, 0}, kBohr, 12.011,
               60, 0, 3546.41, 1, -382.055107107616, 2, {0.153923, 0.022856, 0.019901}, 1, 1.0, false, 53, ""},
    FixtureRow{"orca/CO2_vib_4.0.out", "ORCA", "4.0.0.2", 3, 8, {0, 0, -2.367226}, kBohr, 15.999,
               9, 0, 1142.05, 2, -184.757766163554, kNo, kNone, 1, kNo, true, 4, ""},
    FixtureRow{"orca/HC2Cl_linear.hess", "ORCA", "", 4, 17, {1.969304, -0.139141, 0.119185}, kBohr, 35.453,
               12, 0, 3405.686252, 1, kNo, kNo, kNone, 1, kNo, true, 5, ""},
    FixtureRow{"orca/NH3.hess", "ORCA", "", 4, 7, {-13.657789, 1.566712, 0.005120}, kBohr, 14.007,
               12, 0, 3425.898053, 1, kNo, kNo, kNone, 1, kNo, false, 6, ""},
    FixtureRow{"psi4/dvb_ir_rhf_1.7.out", "Psi4", "1.7", 20, 6, {-2.674441177480, 0.435056122520, 0}, kBohr, 12,
               54, 137.2531, 3680.4324, 1, -379.77011152, 2, {4617.84335, 685.76183, 597.09209}, kMHz, kNo, false, 54, ""},
    FixtureRow{"psi4/dvb_ir_rhf_1.3.1.out", "Psi4", "1.3.1", 20, 6, {-1.4152533224, 0.2302217854, 0}, 1, 12,
               54, 137.2532, 3680.4335, 1, -379.77011152, 2, {4617.84335, 685.76183, 597.09209}, kMHz, kNo, false, 54, ""},
    FixtureRow{"molden/dvb_ir.molden", "Molden", "", 20, 6, {2.67238738, -0.44749758, 0}, kBohr, 12,
               54, 47.87, 3546.79, 1, kNo, kNo, kNone, 1, kNo, false, 54, ""}),
    [](const auto& info) {
        std::string name = info.param.file;
        for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });
// clang-format on

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

struct ModesRow {
    const char* name;
    std::size_t atoms;
    bool linear;
    std::vector<double> printed;
    ImaginaryModes policy;
    const char* rows;  // wavenumber and degeneracy, or else the refusal
    int dropped;
};

class Modes : public ::testing::TestWithParam<ModesRow> {};

TEST_P(Modes, FollowThePrintedWavenumbers) {
    const ModesRow& row = GetParam();
    QcResult result;
    result.atoms.resize(row.atoms, chem::Atom{1, {0, 0, 0}, 1.008});
    result.wavenumbers = row.printed;
    const auto modes = ModesOf(result, row.linear, row.policy);
    EXPECT_EQ(modes ? RowsText(*modes) : modes.error(), row.rows);
    EXPECT_EQ(modes ? modes->droppedImaginary : 0, row.dropped);
}

constexpr auto kRefuse = ImaginaryModes::Refuse;
const std::vector<double> kSaddle = {-512.3, 700, -100, 500, 600, 800};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Modes, ::testing::Values(
    ModesRow{"SixZerosOfAllThreeNGo", 3, false, {0, 0, -0.0, 0, 0, 0, 1595, 3657, 3756}, kRefuse,
             "1595 x1, 3657 x1, 3756 x1", 0},
    ModesRow{"FiveZerosOfALinearMolecule", 3, true, {0, 0, 0, 0, 0, 667.4, 667.4, 1333, 2349}, kRefuse,
             "667.4 x2, 1333 x1, 2349 x1", 0},
    ModesRow{"ALowRealModeStaysBesideTheZeros", 3, false, {0, 0, 0, 0, 0, 0, 20, 1595, 3657}, kRefuse,
             "20 x1, 1595 x1, 3657 x1", 0},
    ModesRow{"OnlyIdenticalValuesMerge", 3, false, {1000, 1000.0001, 1000}, kRefuse,
             "1000 x2, 1000.0001 x1", 0},
    ModesRow{"AnAtomHasNone", 1, false, {0, 0, 0}, kRefuse, "", 0},
    ModesRow{"AnAtomWithAMode", 1, false, {0, 0, 0, 100}, kRefuse,
             "4 vibrational wavenumbers found; an atom has none", 0},
    ModesRow{"NearZeroUpTo50", 3, false, {0, 0, 0, 0, 0, 50, 1595, 3657, 3756}, kRefuse,
             "1595 x1, 3657 x1, 3756 x1", 0},
    ModesRow{"TooFew", 3, false, {1595, 3657}, kRefuse,
             "2 vibrational wavenumbers found; a non-linear molecule of 3 atoms has 3 (3N-6)", 0},
    ModesRow{"MoreThanThreeN", 2, true, {0, 0, 0, 0, 0, 0, 0, 4000}, kRefuse,
             "8 vibrational wavenumbers found; a linear molecule of 2 atoms has 1 (3N-5)", 0},
    ModesRow{"ALinearOutputTakenAsNonLinear", 3, false, {0, 0, 0, 0, 0, 667, 667, 1333, 2349}, kRefuse,
             "9 vibrational wavenumbers found; a non-linear molecule of 3 atoms has 3 (3N-6), so the 6 nearest "
             "zero would be its translations and rotations, but they reach 667.0 1/cm", 0},
    ModesRow{"ANonLinearOutputTakenAsLinear", 4, true, {0, 0, 0, 0, 0, 0, 1064, 1623, 1623, 3316, 3426, 3426},
             kRefuse,
             "12 vibrational wavenumbers found; a linear molecule of 4 atoms has 7 (3N-5), so the 5 nearest "
             "zero would be its translations and rotations, but one more is as near (0.0 1/cm)", 0},
    ModesRow{"ImaginaryRefused", 4, false, kSaddle, kRefuse, "2 imaginary modes (lowest -512.3 1/cm)", 0},
    ModesRow{"ImaginaryDropped", 4, false, kSaddle, ImaginaryModes::Drop,
             "700 x1, 500 x1, 600 x1, 800 x1", 2},
    ModesRow{"ImaginaryInverted", 4, false, {-500, 700, 500, 600, 800, 900}, ImaginaryModes::Invert,
             "500 x2, 700 x1, 600 x1, 800 x1, 900 x1", 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The one line a user would see: the reader's message, or the mode check's after the file name.
std::string Outcome(const std::string& text, std::string_view name) {
    const auto read = ReadQcText(text, name);
    if (!read) return read.error();
    const auto modes = ModesOf(*read, false);
    return modes ? "read" : std::string(name) + ": " + modes.error();
}

struct BadRow {
    const char* name;
    std::string text;    // the whole text, or a fixture's name ...
    const char* cutAt;   // ... cut at the first occurrence of this, plus
    std::size_t offset;  // this many characters
    const char* message;
};

class BadFile : public ::testing::TestWithParam<BadRow> {};

TEST_P(BadFile, GetsOneLineNamingTheFileAndWhatIsMissing) {
    const BadRow& row = GetParam();
    std::string text = row.text;
    if (*row.cutAt != '\0') {
        text = testing::FixtureText(row.text);
        const std::size_t at = text.find(row.cutAt);
        ASSERT_NE(at, std::string::npos);
        text.resize(at + row.offset);
    }
    EXPECT_EQ(Outcome(text, "job.out"), row.message);
}

constexpr const char* kUnsupported =
    "job.out: not an output of a supported program (Gaussian, ORCA, xtb, Psi4 or Molden)";
constexpr const char* kNoFrequencies = "job.out: no frequencies found (is it a frequency job?)";
constexpr const char* kBinary = "job.out: a binary file, not a program's text output";
constexpr const char* kIncomplete = "job.out: a geometry block is incomplete";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, BadFile, ::testing::Values(
    BadRow{"Empty", "", "", 0, "job.out: the file is empty"},
    BadRow{"OnlyBlanks", "\n  \r\n\t\n", "", 0, "job.out: the file is empty"},
    BadRow{"Garbage", "hello\nthis is no output\n1 2 3\n", "", 0, kUnsupported},
    BadRow{"UnsupportedProgram", " Northwest Computational Chemistry Package (NWChem) 6.8\n", "", 0, kUnsupported},
    BadRow{"GzipHeader", std::string("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03", 10), "", 0, kBinary},
    BadRow{"ControlCharacters", std::string(200, '\x01') + " Entering Gaussian System\n", "", 0, kBinary},
    BadRow{"OneControlCharacterInAHundred", "\x01" + std::string(98, 'x') + "\n", "", 0, kUnsupported},
    BadRow{"MoldenWithoutFrequencies", "[Molden Format]\n[Atoms] Angs\nO 1 8 0 0 0\n", "", 0,
           "job.out: no [FREQ] section (is it a frequency job?)"},
    BadRow{"MoldenNotANumber", "[Molden Format]\n[FREQ]\n1595.3\nnan\n", "", 0,
           "job.out: [FREQ] holds a line that is not a number"},
    BadRow{"HessianCountBeyondTheEnd", "$orca_hessian_file\n$vibrational_frequencies\n9000000\n0 0.0\n", "", 0,
           "job.out: $vibrational_frequencies is incomplete"},
    BadRow{"GaussianBeforeFrequencies", "gaussian/dvb_ir.out", " Harmonic frequencies", 0, kNoFrequencies},
    BadRow{"GaussianInGeometry", "gaussian/dvb_ir.out", "Standard orientation:", 600, kIncomplete},
    BadRow{"GaussianInFrequencies", "gaussian/dvb_ir.out", " Frequencies --   1019.6139", 0,
           "job.out: 21 vibrational wavenumbers found; a non-linear molecule of 20 atoms has 54 (3N-6)"},
    BadRow{"GaussianInMasses", "gaussian/dvb_ir.out", " Atom     5 has", 0,
           "job.out: masses are printed for 4 of 20 atoms (is the file complete?)"},
    BadRow{"OrcaBeforeFrequencies", "orca/dvb_ir_6.0.out", "VIBRATIONAL FREQUENCIES", 0, kNoFrequencies},
    BadRow{"OrcaInFrequencies", "orca/dvb_ir_6.0.out", "    30:    1101.76", 0,
           "job.out: 30 vibrational wavenumbers found; a non-linear molecule of 20 atoms has 54 (3N-6)"},
    BadRow{"OrcaInGeometry", "orca/dvb_ir_6.0.out", "CARTESIAN COORDINATES (A.U.)", 300, kIncomplete},
    BadRow{"HessianInAtoms", "orca/NH3.hess", "$atoms", 30, "job.out: $atoms is incomplete"},
    BadRow{"HessianBeforeAtoms", "orca/NH3.hess", "$atoms", 0, "job.out: no geometry found"},
    BadRow{"XtbBeforeFrequencies", "xtb/dvb_ir.out", "projected vibrational", 0, kNoFrequencies},
    BadRow{"Psi4InGeometry", "psi4/dvb_ir_rhf_1.7.out", "Geometry (in Bohr)", 400, kIncomplete},
    BadRow{"Psi4BeforeAnalysis", "psi4/dvb_ir_rhf_1.7.out", "==> Harmonic Vibrational", 0, kNoFrequencies},
    BadRow{"MoldenBeforeGeometry", "molden/dvb_ir.molden", "[FR-COORD]", 0,
           "job.out: no [FR-COORD] section with the geometry"},
    BadRow{"MoldenInAtomLine", "molden/dvb_ir.molden", "[FR-COORD]", 150,
           "job.out: [FR-COORD] holds a line that is not an atom"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

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
