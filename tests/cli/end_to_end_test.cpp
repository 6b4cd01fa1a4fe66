// The installed program run as a user runs it: files, standard input, exit status, line ends.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "tests/cli/cli_test_support.h"

namespace moltherm::cli::testing {
namespace {

constexpr const char* kCl2Report = R"(Moltherm Calculation   X
Gas phase linear molecule Cl2.
All data for 1 mole at 1 bar.
Molar Mass = 70.906 g/mol.
Symmetry Number = 2.
Rotational Constant = 0.244000/cm.

Vibrational data
 # Energy*cm (degen)
 1.   560.00   (1)

Electronic Data
Level  Energy*cm (degen)
  0.        0.00   (1)

298.15K        translational rotational vibrational  electronic     total
  q            : 1.4320E+31   424.643    1.07186500     1.000    6.5180E+33
  q/N          : 2.3779E+07                                      1.0823E+10
  S/(J/(K mol)):  162.003      58.628       2.192       0.000     222.822
 Cp/(J/(K mol)):   20.786       8.315       4.677       0.000      33.778
  U/(kJ/mol)   :    3.718       2.479       0.481       0.000       6.679
  H/(kJ/mol)   :    6.197       2.479       0.481       0.000       9.158
  A/(kJ/mol)   :  -44.583     -15.001      -0.172       0.000     -59.756
  G/(kJ/mol)   :  -42.104     -15.001      -0.172       0.000     -57.277

1000.00K       translational rotational vibrational  electronic     total
  q            : 2.9503E+32  1424.260    1.80756780     1.000    7.5954E+35
  q/N          : 4.8991E+08                                      1.2612E+12
  S/(J/(K mol)):  187.157      68.690      10.332       0.000     266.179
 Cp/(J/(K mol)):   20.786       8.315       7.879       0.000      36.980
  U/(kJ/mol)   :   12.472       8.315       5.410       0.000      26.196
  H/(kJ/mol)   :   20.786       8.315       5.410       0.000      34.511
  A/(kJ/mol)   : -174.686     -60.375      -4.922       0.000    -239.983
  G/(kJ/mol)   : -166.371     -60.375      -4.922       0.000    -231.668

)";

std::string WithCrLf(const std::string& text) {
    std::string converted;
    for (const char c : text) {
        if (c == '\n') converted += '\r';
        converted += c;
    }
    return converted;
}

TEST(EndToEnd, Cl2AtTwoTemperaturesGivesTheExactReportBytesWithCrLf) {
    const RunResult run = RunProgram(
        {ExamplePath("cl2.json"), "-T", "298.15", "-T", "1000", "--timestamp", "X", "--crlf"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, WithCrLf(kCl2Report));
}

TEST(EndToEnd, LinesEndInLfWithoutCrLfOption) {
    const RunResult run =
        RunProgram({ExamplePath("cl2.json"), "-T", "298.15", "-T", "1000", "--timestamp", "X"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, kCl2Report);
}

TEST(EndToEnd, ReadsStandardInputForDash) {
    const RunResult run = RunProgram({"-", "-T", "298.15", "-T", "1000", "--timestamp", "X"},
                                     R"({"name": "Cl2", "molar_mass": 70.906, "atoms": 2,
                                         "symmetry_number": 2, "rotational_constants": [0.244],
                                         "vibrations": [{"wavenumber": 560}]})");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, kCl2Report);
}

TEST(EndToEnd, WithoutTimestampTheHeadingCarriesTheLocalDateAndTime) {
    const RunResult run = RunProgram({ExamplePath("ar.json")});
    ASSERT_EQ(run.exitCode, 0);
    const std::string heading = run.out.substr(0, run.out.find('\n'));
    const std::string prefix = "Moltherm Calculation   ";
    ASSERT_EQ(heading.substr(0, prefix.size()), prefix);
    const std::string stamp = heading.substr(prefix.size());
    const std::size_t gap = stamp.find("  ");
    ASSERT_NE(gap, std::string::npos) << stamp;
    EXPECT_GT(gap, 0u);                // a date
    EXPECT_GT(stamp.size(), gap + 2);  // and a time after the two blanks
    EXPECT_NE(run.out.find("Gas phase Ar atom."), std::string::npos);
}

TEST(EndToEnd, OneBadMoleculeInAnArrayLeavesTheOthersPrinted) {
    const TempDir dir;
    const std::string path = dir.write("three.json", R"([
        {"name": "Ar", "molar_mass": 39.948, "atoms": 1},
        {"name": "water", "molar_mass": "heavy", "atoms": 1},
        {"name": "Ne", "molar_mass": 20.18, "atoms": 1}])");
    const RunResult run = RunProgram({path, "--timestamp", "X"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "moltherm-cli: water: Invalid molar mass\n");
    const std::size_t ar = run.out.find("Gas phase Ar atom.");
    const std::size_t ne = run.out.find("Gas phase Ne atom.");
    EXPECT_NE(ar, std::string::npos);
    EXPECT_NE(ne, std::string::npos);
    EXPECT_LT(ar, ne);
    EXPECT_EQ(run.out.find("water"), std::string::npos);
}

struct ExitCase {
    const char* what;
    std::vector<std::string> args;
    int exitCode;
    const char* errStart;  // the first characters of standard error
};

class ExitStatus : public ::testing::TestWithParam<ExitCase> {};

TEST_P(ExitStatus, IsAsDocumented) {
    const ExitCase& c = GetParam();
    const RunResult run = RunProgram(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_EQ(run.err.substr(0, std::string(c.errStart).size()), c.errStart);
    // A usage error is one line.
    if (c.exitCode == 2) {
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitStatus,
    ::testing::Values(ExitCase{"computed", {ExamplePath("molecules.json")}, 0, ""},
                      ExitCase{"refused temperature",
                               {ExamplePath("hcl.json"), "-T", "-1"},
                               1,
                               "moltherm-cli: HCl: temperature \"-1\": Negative temperature"},
                      ExitCase{"unknown option",
                               {ExamplePath("hcl.json"), "--colour"},
                               2,
                               "moltherm-cli: The following argument was not expected: --colour"},
                      ExitCase{"no file named", {}, 2, "moltherm-cli: MOLECULE is required"},
                      ExitCase{"missing file",
                               {"/nonexistent/none.json"},
                               2,
                               "moltherm-cli: /nonexistent/none.json: No such file or directory"},
                      ExitCase{"directory", {MOLTHERM_EXAMPLES_DIR}, 2, "moltherm-cli: "},
                      ExitCase{"unknown format",
                               {ExamplePath("hcl.json"), "--format", "xml"},
                               2,
                               "moltherm-cli: --format: xml not in {text,json,csv}"},
                      ExitCase{"help", {"--help"}, 0, ""},
                      ExitCase{"version", {"--version"}, 0, ""}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name)
            if (c == ' ') c = '_';
        return name;
    });

TEST(EndToEnd, NotJsonIsAUsageErrorThatSaysSoAndPrintsNothing) {
    const TempDir dir;
    const std::string path = dir.write("broken.json", "[{\"name\": \"Ar\", \"atoms\": 1},\n {\"na");
    const RunResult run = RunProgram({path});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("moltherm-cli: " + path + ": not valid JSON: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("(line 2, column"), std::string::npos) << run.err;
}

TEST(EndToEnd, OutputThatCannotBeWrittenIsNoSuccess) {
    const std::string command = std::string("'") + MOLTHERM_CLI_PATH + "' '" +
                                ExamplePath("molecules.json") + "' >/dev/full 2>/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

TEST(EndToEnd, VersionAndHelp) {
    EXPECT_EQ(RunProgram({"--version"}).out, "moltherm-cli 1.03\n");
    const RunResult help = RunProgram({"--help"});
    EXPECT_NE(help.out.find("Usage: moltherm-cli [OPTIONS] MOLECULE"), std::string::npos);
    for (const char* option : {"-T,--temperature", "--format", "--crlf", "--timestamp"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace moltherm::cli::testing
