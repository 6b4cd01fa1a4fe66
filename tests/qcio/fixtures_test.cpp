#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "chem/inertia.h"
#include "chem/point_group.h"
#include "qcio/molecule_modes.h"
#include "qcio/read_qc_file.h"
#include "tests/qcio/qc_fixtures.h"

namespace moltherm::qcio {
namespace {

constexpr double kBohr = 0.529177210903;  // [Angstrom]
constexpr double kGHz = 29.9792458;       // GHz per 1/cm
constexpr double kMHz = 29979.2458;       // MHz per 1/cm

// Each fixture against the numbers its program printed, in the units it printed them.
struct FixtureRow {
    const char* file;
    const char* program;
    const char* version;
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

void PrintTo(const FixtureRow& row, std::ostream* os) {
    *os << row.file;
}

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
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(r.atoms[0].position[k], row.firstPosition[k] * row.lengthUnit, 1e-9) << k;
    }
    EXPECT_DOUBLE_EQ(r.atoms[0].mass, row.firstMass);
    ASSERT_EQ(r.wavenumbers.size(), row.wavenumbers);
    EXPECT_DOUBLE_EQ(r.wavenumbers.front(), row.firstWavenumber);
    EXPECT_DOUBLE_EQ(r.wavenumbers.back(), row.lastWavenumber);
    EXPECT_EQ(r.multiplicity, row.multiplicity);
    EXPECT_EQ(r.electronicEnergy, row.energy);
    EXPECT_EQ(r.printedSigma, row.sigma);
    ASSERT_EQ(r.printedRotConsts.size(), row.rotConsts.size());
    for (std::size_t k = 0; k < row.rotConsts.size(); ++k) {
        EXPECT_DOUBLE_EQ(r.printedRotConsts[k], row.rotConsts[k] / row.rotUnit) << k;
    }
    EXPECT_EQ(r.scaleFactor, row.scale);
    EXPECT_FALSE(r.frequenciesScaled);

    // The geometry and masses read give back the shape, sigma and constants the program printed.
    EXPECT_EQ(chem::ShapeOf(r.atoms) == chem::Shape::Linear, row.linear);
    if (row.sigma) {
        EXPECT_EQ(chem::PerceivePointGroup(r.atoms).symmetryNumber, *row.sigma);
    }
    const std::vector<double> b = chem::RotationalConstants(r.atoms);
    ASSERT_GE(b.size(), row.rotConsts.size());
    for (std::size_t k = 0; k < row.rotConsts.size(); ++k) {
        EXPECT_NEAR(b[k] / r.printedRotConsts[k], 1, 1e-4) << k;
    }

    const auto modes = ModesOf(r, row.linear);
    ASSERT_EQ(modes.has_value(), *row.modeError == '\0') << (modes ? "" : modes.error());
    if (!modes) {
        EXPECT_EQ(modes.error(), row.modeError);
        return;
    }
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
    const std::vector<std::pair<double, int>> printed = {
        {1373.5436, 3}, {1593.3084, 2}, {3051.3248, 1}, {3160.9657, 3}};
    ASSERT_EQ(methane->rows.size(), printed.size());
    for (std::size_t k = 0; k < printed.size(); ++k) {
        EXPECT_EQ(methane->rows[k].wavenumber, printed[k].first);
        EXPECT_EQ(methane->rows[k].degeneracy, printed[k].second);
    }
    const auto ammonia = ModesOf(*ReadQcFile(testing::FixturePath("orca/NH3.hess")), false);
    ASSERT_TRUE(ammonia);  // 1623.399145 and 1623.438674
    EXPECT_EQ(ammonia->rows[1].degeneracy, 1);
    EXPECT_EQ(ammonia->rows[2].wavenumber, 1623.438674);
}

}  // namespace
}  // namespace moltherm::qcio
