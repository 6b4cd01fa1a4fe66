#include "engine/temperature_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace moltherm {
namespace {

struct GridCase {
    const char* name;
    double start, stop, step;
    std::size_t count;  // 0 when refused
    GridFault fault;    // read when refused
};

void PrintTo(const GridCase& g, std::ostream* os) {
    *os << g.name;
}

class TemperatureGrid : public ::testing::TestWithParam<GridCase> {};

TEST_P(TemperatureGrid, ExpandsOrRefuses) {
    const GridCase& g = GetParam();
    const auto grid = ExpandTemperatureGrid(g.start, g.stop, g.step);
    if (g.count == 0) {
        ASSERT_FALSE(grid.has_value());
        EXPECT_EQ(grid.error(), g.fault);
        return;
    }
    ASSERT_TRUE(grid.has_value());
    ASSERT_EQ(grid->size(), g.count);
    // Every point but a last one on STOP is START + k STEP, bit for bit: no running sum.
    for (std::size_t k = 0; k + 1 < grid->size(); ++k)
        ASSERT_EQ((*grid)[k], g.start + static_cast<double>(k) * g.step) << "point " << k;
    const double last = g.start + static_cast<double>(g.count - 1) * g.step;
    const bool onStop = std::fabs(last - g.stop) <= 1e-9 * std::max(g.start, g.stop);
    EXPECT_EQ(grid->back(), onStop ? g.stop : last);
    EXPECT_LE(grid->back(), g.stop + 1e-9 * g.stop);
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr auto kOk = GridFault::kEmpty;  // not read for a grid that expands

INSTANTIATE_TEST_SUITE_P(
    Engine, TemperatureGrid,
    ::testing::Values(GridCase{"Hundreds", 300, 1000, 100, 8, kOk},
                      GridCase{"StopOffTheGrid", 300, 1050, 100, 8, kOk},
                      GridCase{"StopJustBelowAPoint", 300, 999.9999, 100, 7, kOk},
                      // 0.1 + 2 * 0.1 is 0.30000000000000004, and 298.15 + 3 * 0.1 is not 298.45
                      GridCase{"TenthsEndOnStop", 0.1, 0.3, 0.1, 3, kOk},
                      GridCase{"TenthsAboveRoomTemperature", 298.15, 298.45, 0.1, 4, kOk},
                      GridCase{"ThousandTenths", 0, 100, 0.1, 1001, kOk},
                      GridCase{"SinglePoint", 298.15, 298.15, 5, 1, kOk},
                      GridCase{"StepBeyondStop", 300, 400, 1000, 1, kOk},
                      GridCase{"MostPoints", 1, 100000, 1, 100000, kOk},
                      GridCase{"OnePointTooMany", 1, 100001, 1, 0, GridFault::kTooManyPoints},
                      GridCase{"HugeQuotient", 1, 1e300, 1e-300, 0, GridFault::kTooManyPoints},
                      GridCase{"StopBelowStart", 1000, 300, 100, 0, GridFault::kEmpty},
                      GridCase{"ZeroStep", 300, 1000, 0, 0, GridFault::kStep},
                      GridCase{"NegativeStep", 1000, 300, -100, 0, GridFault::kStep},
                      GridCase{"InfiniteStop", 300, kInf, 100, 0, GridFault::kNotFinite},
                      GridCase{"NaNStep", 300, 1000, kNaN, 0, GridFault::kNotFinite},
                      GridCase{"InfiniteStep", 300, 1000, kInf, 0, GridFault::kNotFinite}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace moltherm
