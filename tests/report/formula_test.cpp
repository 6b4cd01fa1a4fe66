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

class Formulas : public ::testing::TestWithParam<FormulaCase> {};

TEST_P(Formulas, ReadOrRefuse) {
    const auto formula = ParseFormula(GetParam().text);
    std::string counts = formula ? "" : formula.error();
    for (const ElementCount& e : formula ? formula->elements : std::vector<ElementCount>{})
        counts += (counts.empty() ? "" : " ") + e.symbol + std::to_string(e.count);
    EXPECT_EQ(counts, GetParam().counts);
    if (formula) {
        EXPECT_EQ(formula->text, GetParam().text);
    }
}

constexpr const char* kSymbol =
    "Invalid formula: an element symbol is a capital letter and an optional small one";
constexpr const char* kCount =
    "Invalid formula: an element count is a whole number from 1 to 10924";

INSTANTIATE_TEST_SUITE_P(Report, Formulas,
                         ::testing::Values(FormulaCase{"Water", "H2O", "H2 O1"},
                                           FormulaCase{"TwoLetterSymbolFirst", "ClH", "Cl1 H1"},
                                           FormulaCase{"CountAfterFirstOnly", "F6S", "F6 S1"},
                                           FormulaCase{"RepeatsSummed", "CH3CH2OH", "C2 H6 O1"},
                                           FormulaCase{"LargestCount", "C10924", "C10924"},
                                           FormulaCase{"Empty", "", "No formula entered"},
                                           FormulaCase{"SmallFirstLetter", "h2o", kSymbol},
                                           FormulaCase{"Blank", "H2 O", kSymbol},
                                           FormulaCase{"Brackets", "C(CH3)4", kSymbol},
                                           FormulaCase{"ZeroCount", "H0", kCount},
                                           FormulaCase{"LeadingZero", "H02", kCount},
                                           FormulaCase{"CountBeyondLimit", "C10925", kCount},
                                           FormulaCase{"HugeCount", "H99999999999999999999",
                                                       kCount},
                                           FormulaCase{"SumBeyondLimit", "C10000HC925", kCount}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace moltherm
