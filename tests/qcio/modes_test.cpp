#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "qcio/molecule_modes.h"

namespace moltherm::qcio {
namespace {

struct ModesRow {
    const char* name;
    std::size_t atoms;
    bool linear;
    std::vector<double> printed;
    ImaginaryModes policy;
    std::vector<std::pair<double, int>> rows;  // wavenumber and degeneracy, or else
    int dropped;
    const char* error;  // the refusal
};

void PrintTo(const ModesRow& row, std::ostream* os) {
    *os << row.name;
}

class Modes : public ::testing::TestWithParam<ModesRow> {};

TEST_P(Modes, FollowThePrintedWavenumbers) {
    const ModesRow& row = GetParam();
    QcResult result;
    result.atoms.resize(row.atoms, chem::Atom{1, {0, 0, 0}, 1.008});
    result.wavenumbers = row.printed;
    const auto modes = ModesOf(result, row.linear, row.policy);
    ASSERT_EQ(modes.has_value(), *row.error == '\0') << (modes ? "" : modes.error());
    if (!modes) {
        EXPECT_EQ(modes.error(), row.error);
        return;
    }
    ASSERT_EQ(modes->rows.size(), row.rows.size());
    for (std::size_t k = 0; k < row.rows.size(); ++k) {
        EXPECT_EQ(modes->rows[k].wavenumber, row.rows[k].first) << k;
        EXPECT_EQ(modes->rows[k].degeneracy, row.rows[k].second) << k;
    }
    EXPECT_EQ(modes->droppedImaginary, row.dropped);
}

constexpr auto kRefuse = ImaginaryModes::Refuse;
const std::vector<double> kSaddle = {-512.3, 700, -100, 500, 600, 800};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Modes, ::testing::Values(
    ModesRow{"SixZerosOfAllThreeNGo", 3, false, {0, 0, -0.0, 0, 0, 0, 1595, 3657, 3756}, kRefuse,
             {{1595, 1}, {3657, 1}, {3756, 1}}, 0, ""},
    ModesRow{"FiveZerosOfALinearMolecule", 3, true, {0, 0, 0, 0, 0, 667.4, 667.4, 1333, 2349}, kRefuse,
             {{667.4, 2}, {1333, 1}, {2349, 1}}, 0, ""},
    ModesRow{"ALowRealModeStaysBesideTheZeros", 3, false, {0, 0, 0, 0, 0, 0, 20, 1595, 3657}, kRefuse,
             {{20, 1}, {1595, 1}, {3657, 1}}, 0, ""},
    ModesRow{"OnlyIdenticalValuesMerge", 3, false, {1000, 1000.0001, 1000}, kRefuse,
             {{1000, 2}, {1000.0001, 1}}, 0, ""},
    ModesRow{"AnAtomHasNone", 1, false, {0, 0, 0}, kRefuse, {}, 0, ""},
    ModesRow{"AnAtomWithAMode", 1, false, {0, 0, 0, 100}, kRefuse, {}, 0,
             "4 vibrational wavenumbers found; an atom has none"},
    ModesRow{"NearZeroUpTo50", 3, false, {0, 0, 0, 0, 0, 50, 1595, 3657, 3756}, kRefuse,
             {{1595, 1}, {3657, 1}, {3756, 1}}, 0, ""},
    ModesRow{"TooFew", 3, false, {1595, 3657}, kRefuse, {}, 0,
             "2 vibrational wavenumbers found; a non-linear molecule of 3 atoms has 3 (3N-6)"},
    ModesRow{"MoreThanThreeN", 2, true, {0, 0, 0, 0, 0, 0, 0, 4000}, kRefuse, {}, 0,
             "8 vibrational wavenumbers found; a linear molecule of 2 atoms has 1 (3N-5)"},
    ModesRow{"ALinearOutputTakenAsNonLinear", 3, false, {0, 0, 0, 0, 0, 667, 667, 1333, 2349}, kRefuse, {}, 0,
             "9 vibrational wavenumbers found; a non-linear molecule of 3 atoms has 3 (3N-6), so the 6 nearest "
             "zero would be its translations and rotations, but they reach 667.0 1/cm"},
    ModesRow{"ANonLinearOutputTakenAsLinear", 4, true, {0, 0, 0, 0, 0, 0, 1064, 1623, 1623, 3316, 3426, 3426},
             kRefuse, {}, 0,
             "12 vibrational wavenumbers found; a linear molecule of 4 atoms has 7 (3N-5), so the 5 nearest "
             "zero would be its translations and rotations, but one more is as near (0.0 1/cm)"},
    ModesRow{"ImaginaryRefused", 4, false, kSaddle, kRefuse, {}, 0, "2 imaginary modes (lowest -512.3 1/cm)"},
    ModesRow{"ImaginaryDropped", 4, false, kSaddle, ImaginaryModes::Drop,
             {{700, 1}, {500, 1}, {600, 1}, {800, 1}}, 2, ""},
    ModesRow{"ImaginaryInverted", 4, false, {-500, 700, 500, 600, 800, 900}, ImaginaryModes::Invert,
             {{500, 2}, {700, 1}, {600, 1}, {800, 1}, {900, 1}}, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace moltherm::qcio
