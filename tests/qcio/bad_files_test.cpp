#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

#include "qcio/molecule_modes.h"
#include "qcio/read_qc_file.h"
#include "tests/qcio/qc_fixtures.h"

namespace moltherm::qcio {
namespace {

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

void PrintTo(const BadRow& row, std::ostream* os) {
    *os << row.name;
}

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

}  // namespace
}  // namespace moltherm::qcio
