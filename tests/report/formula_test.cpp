#include "report/formula.h"

#include <gtest/gtest.h>

#include <string>

namespace moltherm {
namespace {

struct FormulaCase {
    const char* name;
    const char* text;
    const char* counts;  // "C2 H6" as read back, or the message of the refusal
};

void PrintTo(const FormulaCase& c, std::ostream* os) {
    *os << c.name;
}

class Formulas : public ::testing::TestWithParam<FormulaCase> {};

TEST_P(Formulas, ReadOrRefuse) {
    const auto formula = ParseFormula(GetParam().text);
    if (!formula) {
        EXPECT_EQ(formula.error(), GetParam().counts);
        return;
    }
    EXPECT_EQ(formula->text, GetParam().text);
    std::string counts;
    for (const ElementCount& e : formula->elements)
        counts += (counts.empty() ? "" : " ") + e.symbol + std::to_string(e.count);
    EXPECT_EQ(counts, GetParam().counts);
}

constexpr const char* kBadSymbol =
    "Invalid formula: an element symbol is a capital letter and an optional small one";
constexpr const char* kBadCount =
    "Invalid formula: an element count is a whole number from 1 to 10924";

INSTANTIATE_TEST_SUITE_P(
    Report, Formulas,
    ::testing::Values(
        FormulaCase{"Water", "H2O", "H2 O1"}, FormulaCase{"Ethane", "C2H6", "C2 H6"},
        FormulaCase{"TwoLetterSymbolFirst", "ClH", "Cl1 H1"},
        FormulaCase{"CountAfterSecondElement", "F6S", "F6 S1"},
        FormulaCase{"RepeatsAreSummed", "CH3CH2OH", "C2 H6 O1"}, FormulaCase{"Atom", "Ar", "Ar1"},
        FormulaCase{"LargestCount", "C10924", "C10924"},
        FormulaCase{"Empty", "", "No formula entered"},
        FormulaCase{"SmallFirstLetter", "h2o", kBadSymbol},
        FormulaCase{"Blank", "H2 O", kBadSymbol}, FormulaCase{"Brackets", "C(CH3)4", kBadSymbol},
        FormulaCase{"Charge", "OH-", kBadSymbol}, FormulaCase{"ZeroCount", "H0", kBadCount},
        FormulaCase{"LeadingZero", "H02", kBadCount},
        FormulaCase{"CountBeyondLimit", "C10925", kBadCount},
        FormulaCase{"HugeCount", "H99999999999999999999", kBadCount},
        FormulaCase{"SumBeyondLimit", "C10000HC925", kBadCount}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace moltherm
