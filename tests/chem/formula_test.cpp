#include "chem/formula.h"

#include <gtest/gtest.h>

#include <ostream>

#include "molecules.h"

namespace moltherm::chem {
namespace {

using namespace moltherm::chem::testing;

struct FormulaRow {
    std::string name;
    std::vector<Atom> atoms;
    std::string hill;
};

void PrintTo(const FormulaRow& row, std::ostream* os) {
    *os << row.name;
}

class HillFormulaOf : public ::testing::TestWithParam<FormulaRow> {};

TEST_P(HillFormulaOf, CarbonThenHydrogenThenAlphabetical) {
    EXPECT_EQ(HillFormula(GetParam().atoms), GetParam().hill);
}

INSTANTIATE_TEST_SUITE_P(
    Molecules, HillFormulaOf,
    ::testing::Values(FormulaRow{"ethane", Ethane(), "C2H6"}, FormulaRow{"water", Water(), "H2O"},
                      FormulaRow{"HDO_counts_D_as_H", HeavyWater(), "H2O"},
                      FormulaRow{"HCl_without_carbon_is_alphabetical", HydrogenChloride(), "ClH"},
                      FormulaRow{"SF6", SulfurHexafluoride(), "F6S"},
                      FormulaRow{"boric_acid", BoricAcid(), "BH3O3"},
                      FormulaRow{"HCN_single_atoms_uncounted", HydrogenCyanide(), "CHN"},
                      FormulaRow{"CuCN_carbon_first_even_before_Cu", CopperCyanide(), "CCuN"},
                      FormulaRow{"CHBrClF",
                                 {At("F", 0, 0, 0), At("Cl", 0, 0, 1), At("Br", 0, 1, 0),
                                  At("H", 1, 0, 0), At("C", 1, 1, 1)},
                                 "CHBrClF"},
                      FormulaRow{"C60", Fullerene(), "C60"},
                      FormulaRow{"argon", {At("Ar", 0, 0, 0)}, "Ar"},
                      FormulaRow{
                          "unknown_element", {At("O", 0, 0, 0), Atom{0, {1, 0, 0}, 1}}, "?O"},
                      FormulaRow{"empty", {}, ""}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace moltherm::chem
