#include "report/summary.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/worked_examples.h"

namespace moltherm {
namespace {

class Summary : public ::testing::Test {
  protected:
    Summary() {
        in.stamp = testing::kReportDate + "  " + testing::kReportTime;
        in.elecEnergy = ground;
        in.elecDegeneracies = groundDegen;
    }
    SummaryInput in;
    const std::vector<double> ground{0};
    const std::vector<std::string> groundDegen{"1"};
};

TEST_F(Summary, LinearMoleculeWorkedExample) {
    const std::vector<double> freq{2990.95};
    const std::vector<std::string> degen{"1"};
    in.name = "HCl";
    in.nAtoms = 2;
    in.molarMass = 36.461;
    in.sigmaText = "1";
    in.rotConst1 = 10.59;
    in.vibFreq = freq;
    in.vibDegeneracies = degen;
    EXPECT_EQ(FormatSummary(in), testing::kHclSummary);
}

TEST_F(Summary, AtomHasNoRotationalOrVibrationalLines) {
    in.name = "Ar";
    in.nAtoms = 1;
    in.molarMass = 39.948;
    in.sigmaText = "1";
    EXPECT_EQ(FormatSummary(in), testing::kArgonSummary);
}

TEST_F(Summary, NonlinearRowsLevelsAndTextsAsTheyStand) {
    const std::vector<double> freq{3657, 1595, 1000000};
    const std::vector<std::string> degen{"1", "02", "1"};
    const std::vector<double> levels{0, 500, 1234.567};
    const std::vector<std::string> levelDegen{"2", "1", "3"};
    in.name = "  water";
    in.nAtoms = 3;
    in.linear = false;
    in.molarMass = 1;
    in.sigmaText = "2";
    in.rotConst1 = 27.877, in.rotConst2 = 14.512, in.rotConst3 = 9.285;
    in.vibFreq = freq;
    in.vibDegeneracies = degen;
    in.elecEnergy = levels;
    in.elecDegeneracies = levelDegen;
    const std::string s = FormatSummary(in);
    EXPECT_NE(s.find("Gas phase nonlinear molecule   water.\r\n"), std::string::npos);
    EXPECT_NE(s.find("Molar Mass = 1.000 g/mol.\r\n"), std::string::npos);
    EXPECT_NE(s.find("Rotational Constants: 27.877000/cm,  14.512000/cm,  9.285000/cm.\r\n"),
              std::string::npos);
    EXPECT_NE(s.find(" 1.  3657.00   (1)\r\n 2.  1595.00   (02)\r\n 3.*********   (1)\r\n"),
              std::string::npos);
    EXPECT_NE(
        s.find(
            "  0.        0.00   (2)\r\n  1.      500.00   (1)\r\n  2.     1234.57   (3)\r\n\r\n"),
        std::string::npos);
    EXPECT_EQ(s.substr(s.size() - 4), "\r\n\r\n");
}

TEST_F(Summary, AtomNameKeepsLeadingBlanks) {
    in.name = " He";
    in.molarMass = 4.0026;
    EXPECT_NE(FormatSummary(in).find("Gas phase  He atom.\r\n"), std::string::npos);
}

}  // namespace
}  // namespace moltherm
