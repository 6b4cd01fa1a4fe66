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

struct TextRow {
    const char* name;
    std::string text;
    const char* message;
};

void PrintTo(const TextRow& row, std::ostream* os) {
    *os << row.name;
}

class BadText : public ::testing::TestWithParam<TextRow> {};

TEST_P(BadText, GetsOneLineNamingTheFile) {
    EXPECT_EQ(Outcome(GetParam().text, "water.log"), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadText,
    ::testing::Values(
        TextRow{"Empty", "", "water.log: the file is empty"},
        TextRow{"OnlyBlanks", "\n  \r\n\t\n", "water.log: the file is empty"},
        TextRow{"Garbage", "hello\nthis is no output\n1 2 3\n",
                "water.log: not an output of a supported program (Gaussian, ORCA, xtb, Psi4 or "
                "Molden)"},
        TextRow{"UnsupportedProgram",
                "           Northwest Computational Chemistry Package (NWChem) 6.8\n"
                " Vibrational analysis via the FX method\n",
                "water.log: not an output of a supported program (Gaussian, ORCA, xtb, Psi4 or "
                "Molden)"},
        TextRow{"GzipHeader", std::string("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03", 10),
                "water.log: a binary file, not a program's text output"},
        TextRow{"ControlCharacters", std::string(200, '\x01') + " Entering Gaussian System\n",
                "water.log: a binary file, not a program's text output"},
        TextRow{"MoldenWithoutFrequencies", "[Molden Format]\n[Atoms] Angs\nO 1 8 0 0 0\n",
                "water.log: no [FREQ] section (is it a frequency job?)"},
        TextRow{"MoldenNumberLine", "[Molden Format]\n[FREQ]\n1595.3\nnan\n",
                "water.log: [FREQ] holds a line that is not a number"},
        TextRow{"HessianCountBeyondTheEnd",
                "$orca_hessian_file\n$vibrational_frequencies\n9000000\n0 0.0\n",
                "water.log: $vibrational_frequencies is incomplete"},
        TextRow{"GaussianOverflowingMultiplicity",
                " Entering Gaussian System\n Charge =  0 Multiplicity = 99999999999\n",
                "water.log: no frequencies found (is it a frequency job?)"}),
    [](const auto& info) { return std::string(info.param.name); });

// Real outputs cut short at a given place: what is missing is named.
struct CutRow {
    const char* name;
    const char* file;
    const char* marker;  // cut at its first occurrence ...
    std::size_t offset;  // ... plus this many characters
    const char* message;
};

void PrintTo(const CutRow& row, std::ostream* os) {
    *os << row.name;
}

class Truncated : public ::testing::TestWithParam<CutRow> {};

TEST_P(Truncated, SaysWhatIsMissing) {
    const CutRow& row = GetParam();
    const std::string text = testing::FixtureText(row.file);
    const std::size_t at = text.find(row.marker);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(Outcome(text.substr(0, at + row.offset), "job.out"), row.message);
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, Truncated,
    ::testing::Values(
        CutRow{"GaussianBeforeFrequencies", "gaussian/dvb_ir.out", " Harmonic frequencies", 0,
               "job.out: no frequencies found (is it a frequency job?)"},
        CutRow{"GaussianInGeometry", "gaussian/dvb_ir.out", "Standard orientation:", 600,
               "job.out: a geometry block is incomplete"},
        CutRow{"GaussianInFrequencies", "gaussian/dvb_ir.out", " Frequencies --   1019.6139", 0,
               "job.out: 21 vibrational wavenumbers found; a non-linear molecule of 20 atoms has "
               "54 (3N-6)"},
        CutRow{"GaussianInMasses", "gaussian/dvb_ir.out", " Atom     5 has", 0,
               "job.out: masses are printed for 4 of 20 atoms (is the file complete?)"},
        CutRow{"OrcaBeforeFrequencies", "orca/dvb_ir_6.0.out", "VIBRATIONAL FREQUENCIES", 0,
               "job.out: no frequencies found (is it a frequency job?)"},
        CutRow{"OrcaInFrequencies", "orca/dvb_ir_6.0.out", "    30:    1101.76", 0,
               "job.out: 30 vibrational wavenumbers found; a non-linear molecule of 20 atoms has "
               "54 (3N-6)"},
        CutRow{"OrcaInGeometry", "orca/dvb_ir_6.0.out", "CARTESIAN COORDINATES (A.U.)", 300,
               "job.out: a geometry block is incomplete"},
        CutRow{"HessianInAtoms", "orca/NH3.hess", "$atoms", 30, "job.out: $atoms is incomplete"},
        CutRow{"HessianBeforeAtoms", "orca/NH3.hess", "$atoms", 0, "job.out: no geometry found"},
        CutRow{"XtbBeforeFrequencies", "xtb/dvb_ir.out", "projected vibrational", 0,
               "job.out: no frequencies found (is it a frequency job?)"},
        CutRow{"Psi4InGeometry", "psi4/dvb_ir_rhf_1.7.out", "Geometry (in Bohr)", 400,
               "job.out: a geometry block is incomplete"},
        CutRow{"Psi4BeforeAnalysis", "psi4/dvb_ir_rhf_1.7.out", "==> Harmonic Vibrational", 0,
               "job.out: no frequencies found (is it a frequency job?)"},
        CutRow{"MoldenBeforeGeometry", "molden/dvb_ir.molden", "[FR-COORD]", 0,
               "job.out: no [FR-COORD] section with the geometry"},
        CutRow{"MoldenInAtomLine", "molden/dvb_ir.molden", "[FR-COORD]", 150,
               "job.out: [FR-COORD] holds a line that is not an atom"}),
    [](const auto& info) { return std::string(info.param.name); });

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
    // An ORCA output named like a Gaussian one is read as what it is.
    const std::filesystem::path renamed = dir / "job.log";
    std::ofstream(renamed, std::ios::binary) << testing::FixtureText("orca/NH3.hess");
    const auto read = ReadQcFile(renamed);
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(read->program, "ORCA");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace moltherm::qcio
