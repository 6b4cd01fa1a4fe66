#include "chem/elements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace moltherm::chem {
namespace {

struct ElementRow {
    std::string typed;  // as it may stand in a file
    int number;
    std::string_view symbol;
    double isotopeMass;     // NIST, most abundant isotope [u]
    double standardWeight;  // IUPAC 2021 conventional [u]
};

void PrintTo(const ElementRow& row, std::ostream* os) {
    *os << '"' << row.typed << '"';
}

class ElementLookup : public ::testing::TestWithParam<ElementRow> {};

TEST_P(ElementLookup, SymbolInAnyCaseAndNumberFindTheSameRecord) {
    const ElementRow& row = GetParam();
    const Element* bySymbol = ElementBySymbol(row.typed);
    ASSERT_NE(bySymbol, nullptr);
    EXPECT_EQ(bySymbol, ElementByNumber(row.number));
    EXPECT_EQ(bySymbol->number, row.number);
    EXPECT_EQ(bySymbol->symbol, row.symbol);
    EXPECT_DOUBLE_EQ(bySymbol->isotopeMass, row.isotopeMass);
    EXPECT_DOUBLE_EQ(bySymbol->standardWeight, row.standardWeight);
}

INSTANTIATE_TEST_SUITE_P(Elements, ElementLookup,
                         ::testing::Values(ElementRow{"H", 1, "H", 1.00782503223, 1.008},
                                           ElementRow{"c", 6, "C", 12.0, 12.011},
                                           ElementRow{"O", 8, "O", 15.99491461957, 15.999},
                                           ElementRow{"CL", 17, "Cl", 34.968852682, 35.45},
                                           ElementRow{"cl", 17, "Cl", 34.968852682, 35.45},
                                           ElementRow{"Br", 35, "Br", 78.9183376, 79.904},
                                           ElementRow{"te", 52, "Te", 129.906222748, 127.60},
                                           ElementRow{"Rn", 86, "Rn", 222.0175782, 222},
                                           ElementRow{"U", 92, "U", 238.0507884, 238.02891}),
                         [](const auto& info) {
                             return info.param.typed + "_" + std::to_string(info.param.number);
                         });

TEST(ElementLookup, EveryNumberHasItsOwnSymbolAndMassesNearItsMassNumber) {
    for (int z = 1; z <= 92; ++z) {
        const Element* e = ElementByNumber(z);
        ASSERT_NE(e, nullptr) << z;
        EXPECT_EQ(e->number, z);
        EXPECT_EQ(ElementBySymbol(e->symbol), e) << e->symbol;
        // A mass never strays more than 0.1 u from a whole number for the isotope, and the
        // weight of a mixture lies within 3 u of it: catches a slipped digit or a swapped row.
        EXPECT_LT(std::abs(e->isotopeMass - std::round(e->isotopeMass)), 0.1) << e->symbol;
        EXPECT_LT(std::abs(e->standardWeight - e->isotopeMass), 3.0) << e->symbol;
        if (z > 1) {
            EXPECT_GT(e->standardWeight, ElementByNumber(z - 1)->standardWeight - 2) << z;
        }
    }
}

TEST(ElementLookup, UnknownSymbolsAndNumbersFindNothing) {
    for (const char* s : {"", "X", "Xx", "C1", "Cl ", " H", "Hee", "D"}) {
        EXPECT_EQ(ElementBySymbol(s), nullptr) << '"' << s << '"';
    }
    for (int z : {-1, 0, 93, 1000}) EXPECT_EQ(ElementByNumber(z), nullptr) << z;
}

}  // namespace
}  // namespace moltherm::chem
