// The text report: summary and tables as the window's answer box shows them.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/cli/cli_test_support.h"

namespace moltherm::cli::testing {
namespace {

constexpr const char* kHcl = R"({"name": "HCl", "molar_mass": 36.461, "atoms": 2,
    "shape": "linear", "symmetry_number": 1, "rotational_constants": [10.59],
    "vibrations": [{"wavenumber": 2990.95, "degeneracy": 1}]})";

constexpr const char* kHclSummary = R"(Moltherm Calculation   12/5/2026  3:04:05 AM
Gas phase linear molecule HCl.
All data for 1 mole at 1 bar.
Molar Mass = 36.461 g/mol.
Symmetry Number = 1.
Rotational Constant = 10.590000/cm.

Vibrational data
 # Energy*cm (degen)
 1.  2990.95   (1)

Electronic Data
Level  Energy*cm (degen)
  0.        0.00   (1)

)";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

TEST(ReportText, HclSummaryWithTheTimestampInPlaceOfDateAndTime) {
    const RunResult run = RunInProcess({"-", "--timestamp", "12/5/2026  3:04:05 AM"}, kHcl);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, std::string(kHclSummary).size()), kHclSummary);
    EXPECT_EQ(run.out.substr(std::string(kHclSummary).size(), 8), "298.15K ");
}

TEST(ReportText, WithoutTimestampTheClockGivesDateTwoBlanksTime) {
    const RunResult run = RunInProcess({"-"}, kHcl);
    EXPECT_EQ(run.out.substr(0, std::string(kHclSummary).size()), kHclSummary);
}

TEST(ReportText, TimestampReplacesDateAndTimeExactly) {
    for (const std::string stamp : {"", "X", "2026-12-05T03:04:05Z", "  two  gaps  "}) {
        const RunResult run = RunInProcess({"-", "--timestamp", stamp}, kHcl);
        EXPECT_EQ(Lines(run.out).front(), "Moltherm Calculation   " + stamp);
    }
}

TEST(ReportText, AtomHasNoRotationalOrVibrationalPart) {
    const RunResult run = RunInProcess({"-", "--timestamp", "X", "--crlf"},
                                       R"({"name": "Ar", "molar_mass": 39.948, "atoms": 1})");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string expectedSummary =
        "Moltherm Calculation   X\r\nGas phase Ar atom.\r\nAll data for 1 mole at 1 bar.\r\n"
        "Molar Mass = 39.948 g/mol.\r\n\r\nElectronic Data\r\nLevel  Energy*cm (degen)\r\n"
        "  0.        0.00   (1)\r\n\r\n";
    EXPECT_EQ(run.out.substr(0, expectedSummary.size()), expectedSummary);
    const std::string table = run.out.substr(expectedSummary.size());
    EXPECT_NE(table.find("\r\n  q            : 6.0558E+30     1.000    1.00000000     1.000    "
                         "6.0558E+30\r\n"),
              std::string::npos);
    EXPECT_NE(table.find("\r\n  S/(J/(K mol)):  154.847       0.000       0.000       0.000     "
                         "154.847\r\n"),
              std::string::npos);
    EXPECT_NE(table.find("\r\n  G/(kJ/mol)   :  -39.970       0.000       0.000       0.000     "
                         "-39.970\r\n\r\n"),
              std::string::npos);
}

TEST(ReportText, NonlinearMoleculeValues) {
    const RunResult run = RunInProcess({"-", "--format", "json"}, R"({"name": "H2O",
        "molar_mass": 18.015, "atoms": 3, "shape": "nonlinear", "symmetry_number": 2,
        "rotational_constants": [14.5, 27.9, 9.28],
        "vibrations": [{"wavenumber": 3657}, {"wavenumber": 1595}, {"wavenumber": 3756}]})");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto grid = nlohmann::json::parse(run.out).at(0).at("results").at(0);
    EXPECT_NEAR(grid["rotational"]["q"].get<double>(), 43.147, 0.0005);
    EXPECT_NEAR(grid["rotational"]["S"].get<double>(), 43.773, 0.0005);
    EXPECT_NEAR(grid["rotational"]["Cp"].get<double>(), 12.472, 0.0005);
    EXPECT_NEAR(grid["rotational"]["U"].get<double>(), 3718.457, 0.0005);
    EXPECT_NEAR(grid["translational"]["U"].get<double>(), 3718.457, 0.0005);
    EXPECT_NEAR(grid["total"]["S"].get<double>(), 188.720, 0.0005);
    EXPECT_NEAR(grid["total"]["Cp"].get<double>(), 33.482, 0.0005);

    const RunResult text = RunInProcess({"-", "--timestamp", "X"}, R"({"name": "H2O",
        "molar_mass": 18.015, "atoms": 3, "shape": "nonlinear", "symmetry_number": 2,
        "rotational_constants": [27.877, 14.512, 9.285],
        "vibrations": [{"wavenumber": 3657}, {"wavenumber": 1595}, {"wavenumber": 3756}]})");
    const std::vector<std::string> lines = Lines(text.out);
    EXPECT_EQ(lines.at(1), "Gas phase nonlinear molecule H2O.");
    EXPECT_EQ(lines.at(5), "Rotational Constants: 27.877000/cm,  14.512000/cm,  9.285000/cm.");
    EXPECT_EQ(lines.at(9), " 1.  3657.00   (1)");
    EXPECT_EQ(lines.at(11), " 3.  3756.00   (1)");
}

TEST(ReportText, WholeNumbersShowAsTheSpinnersWriteThem) {
    const RunResult run = RunInProcess({"-", "--timestamp", "X"}, R"({"name": "NH3",
        "molar_mass": "17.031", "atoms": "4.0", "shape": "nonlinear", "symmetry_number": "3.0",
        "rotational_constants": ["9.44", 9.44, "6.20"],
        "vibrations": [{"wavenumber": 3337}, {"wavenumber": 950},
                       {"wavenumber": "3444", "degeneracy": 2.0},
                       {"wavenumber": 1627, "degeneracy": "2"}],
        "electronic_levels": [{"degeneracy": 1e0}]})");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    EXPECT_EQ(lines.at(4), "Symmetry Number = 3.");
    EXPECT_EQ(lines.at(11), " 3.  3444.00   (2)");
    EXPECT_EQ(lines.at(12), " 4.  1627.00   (2)");
    EXPECT_EQ(lines.at(16), "  0.        0.00   (1)");
}

TEST(ReportText, TablesFollowTheTemperaturesInTheOrderGiven) {
    const RunResult run = RunInProcess({"-", "-T", "1000", "-T", "5", "-T", "298.15", "-T", "1e3"},
                                       R"({"name": "Ar", "molar_mass": 39.948, "atoms": 1})");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> headings;
    for (const std::string& line : Lines(run.out))
        if (line.find("translational rotational") != std::string::npos) headings.push_back(line);
    const std::string names = "translational rotational vibrational  electronic     total";
    EXPECT_EQ(headings,
              (std::vector<std::string>{"1000.00K       " + names, "5.00K          " + names,
                                        "298.15K        " + names, "1000.00K       " + names}));
}

struct TemperatureCase {
    std::vector<std::string> temperatures;
    const char* message;
};

class RefusedTemperature : public ::testing::TestWithParam<TemperatureCase> {};

// A refused temperature refuses the molecule: no summary and no table, not even the ones
// computed before it.
TEST_P(RefusedTemperature, GivesItsMessageAndNoTable) {
    std::vector<std::string> args{"-"};
    for (const std::string& t : GetParam().temperatures) {
        args.push_back("-T");
        args.push_back(t);
    }
    const RunResult run = RunInProcess(args, kHcl);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, std::string("moltherm-cli: HCl: ") + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedTemperature,
    ::testing::Values(
        TemperatureCase{{"-1"}, "temperature \"-1\": Negative temperature"},
        TemperatureCase{{"abc"}, "temperature \"abc\": Invalid Temperature"},
        TemperatureCase{{"0"}, "temperature \"0\": Invalid Temperature"},
        TemperatureCase{{""}, "temperature \"\": No temperature entered"},
        TemperatureCase{{"298.15", "-1"}, "temperature \"-1\": Negative temperature"},
        TemperatureCase{{"298.15", "500", "abc"}, "temperature \"abc\": Invalid Temperature"},
        TemperatureCase{{"298.15", "0"}, "temperature \"0\": Invalid Temperature"},
        // "New T" has no empty-box check of its own: the empty text is not a number.
        TemperatureCase{{"298.15", ""}, "temperature \"\": Invalid Temperature"},
        // At 1 K the vibrational terms of 2990.95/cm still compute; 1e300 K overflows q.
        TemperatureCase{{"1", "1e300"}, "temperature \"1e300\": Invalid Temperature"}));

}  // namespace
}  // namespace moltherm::cli::testing
