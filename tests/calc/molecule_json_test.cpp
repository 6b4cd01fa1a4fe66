// One molecule file as the window's Open reads it: one line for each kind of fault, and what is
// written reads back to the same molecule, geometry included.
#include <gtest/gtest.h>

#include "calc/molecule_json.h"

#include "tests/support/data_rows.h"
#include "tests/support/worked_examples.h"

namespace moltherm {
namespace {

class MoleculeJsonRefuses : public ::testing::TestWithParam<testing::Json> {};

TEST_P(MoleculeJsonRefuses, WithOneLine) {
    const auto read = ReadMoleculeJson(GetParam()["text"].get<std::string>(), {});
    ASSERT_FALSE(read.has_value());
    EXPECT_EQ(read.error(), GetParam()["message"]);
}

INSTANTIATE_TEST_SUITE_P(Calc, MoleculeJsonRefuses,
                         ::testing::ValuesIn(testing::DataRows("molecule_json_refusals")),
                         testing::RowName);

TEST(MoleculeJson, WrittenGeometryReadsBack) {
    const auto water = ReadMoleculeJson(R"({"name": "W", "geometry": [
        {"element": "O", "x": 0, "y": 0, "z": 0.119159},
        {"element": "H", "x": 0, "y": 0.790649, "z": -0.476637},
        {"element": "H", "x": 0, "y": -0.790649, "z": -0.476637, "mass": 2.014101778}],
        "vibrations": [{"wavenumber": 3657}, {"wavenumber": 1595}, {"wavenumber": 3756}]})",
                                        {});
    ASSERT_TRUE(water.has_value()) << water.error();
    const std::string written = WriteMoleculeJson(*water);
    const auto again = ReadMoleculeJson(written, {});
    ASSERT_TRUE(again.has_value()) << again.error() << "\n" << written;
    ASSERT_EQ(again->geometry.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(again->geometry[k].element, water->geometry[k].element);
        EXPECT_EQ(again->geometry[k].position, water->geometry[k].position);
        EXPECT_EQ(again->geometry[k].mass, water->geometry[k].mass);
    }
    EXPECT_EQ(WriteMoleculeJson(*again), written);
}

// Save writes the typed boxes with what Open found beyond them; reading back gives all of it.
TEST(MoleculeJson, SavedBoxesAndNotesReadBack) {
    auto cl2 = DescribeTexts(PhysicalConstants{}, testing::Cl2Texts(), 1, 0);
    ASSERT_TRUE(cl2.has_value()) << cl2.error();
    cl2->source = "by hand";
    cl2->atoms = 3, cl2->modes = {{560, 3}}, cl2->droppedImaginary = 1;
    const auto again = ReadMoleculeJson(WriteMoleculeJson(*cl2), {});
    ASSERT_TRUE(again.has_value()) << again.error();
    EXPECT_EQ(std::tuple(again->source, again->sigma, again->droppedImaginary, again->modes.size()),
              std::tuple(std::optional<std::string>("by hand"), 2, 1, 1u));
}

}  // namespace
}  // namespace moltherm
