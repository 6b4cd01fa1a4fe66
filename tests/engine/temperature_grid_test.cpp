#include "engine/temperature_grid.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace moltherm {
namespace {

struct GridCase {
    const char* name;
    double start, stop, step;
    std::size_t count;
    bool endsOnStop;
    std::optional<GridFault> fault;
};

class TemperatureGrid : public ::testing::TestWithParam<GridCase> {};

TEST_P(TemperatureGrid, ExpandsOrRefuses) {
    const GridCase& g = GetParam();
    const auto grid = ExpandTemperatureGrid(g.start, g.stop, g.step);
    ASSERT_EQ(grid.has_value(), !g.fault);
    if (g.fault) {
        EXPECT_EQ(grid.error(), *g.fault);
        return;
    }
    ASSERT_EQ(grid->size(), g.count);
    // START + k STEP bit for bit (no running sum), but a last point within 1e-9 of STOP is STOP.
    for (std::size_t k = 0; k + 1 < g.count; ++k)
        ASSERT_EQ((*grid)[k], g.start + static_cast<double>(k) * g.step) << k;
    EXPECT_EQ(grid->back(), g.endsOnStop ? g.stop : g.start + (g.count - 1.0) * g.step);
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Engine, TemperatureGrid,
    ::testing::Values(
        GridCase{"Hundreds", 300, 1000, 100, 8, true, {}},
        GridCase{"StopOffTheGrid", 300, 1050, 100, 8, false, {}},
        GridCase{"StopJustBelowAPoint", 300, 999.9999, 100, 7, false, {}},
        // 0.1 + 2 * 0.1 is 0.30000000000000004, and 298.15 + 3 * 0.1 is not 298.45.
        GridCase{"TenthsEndOnStop", 0.1, 0.3, 0.1, 3, true, {}},
        GridCase{"TenthsAboveRoomTemperature", 298.15, 298.45, 0.1, 4, true, {}},
        GridCase{"ThousandTenths", 0, 100, 0.1, 1001, true, {}},
        GridCase{"SinglePoint", 298.15, 298.15, 5, 1, true, {}},
        GridCase{"StepBeyondStop", 300, 400, 1000, 1, false, {}},
        GridCase{"MostPoints", 1, 100000, 1, 100000, true, {}},
        GridCase{"OnePointTooMany", 1, 100001, 1, 0, false, GridFault::kTooManyPoints},
        GridCase{"HugeQuotient", 1, 1e300, 1e-300, 0, false, GridFault::kTooManyPoints},
        GridCase{"StopBelowStart", 1000, 300, 100, 0, false, GridFault::kEmpty},
        GridCase{"ZeroStep", 300, 1000, 0, 0, false, GridFault::kStep},
        GridCase{"NegativeStep", 1000, 300, -100, 0, false, GridFault::kStep},
        GridCase{"InfiniteStop", 300, kInf, 100, 0, false, GridFault::kNotFinite},
        GridCase{"InfiniteStep", 300, 1000, kInf, 0, false, GridFault::kNotFinite}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace moltherm
