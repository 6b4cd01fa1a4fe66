#include "engine/temperature_grid.h"

#include <algorithm>
#include <cmath>

namespace moltherm {

Expected<std::vector<double>, GridFault> ExpandTemperatureGrid(double start, double stop,
                                                               double step) {
    if (!std::isfinite(start) || !std::isfinite(stop) || !std::isfinite(step))
        return Unexpected{GridFault::kNotFinite};
    if (!(step > 0)) return Unexpected{GridFault::kStep};
    const double tolerance = kGridTolerance * std::max(std::fabs(start), std::fabs(stop));
    const auto point = [&](double k) { return start + k * step; };
    if (stop < start - tolerance) return Unexpected{GridFault::kEmpty};

    // Decide the count in doubles first: a huge quotient must not reach an integer conversion.
    const double steps = std::floor((stop - start) / step);
    if (!(steps < kMaxGridPoints)) return Unexpected{GridFault::kTooManyPoints};
    int last = std::max(0, static_cast<int>(steps));
    if (std::fabs(point(last + 1) - stop) <= tolerance) ++last;
    if (last + 1 > kMaxGridPoints) return Unexpected{GridFault::kTooManyPoints};

    std::vector<double> grid(static_cast<std::size_t>(last) + 1);
    for (int k = 0; k <= last; ++k) grid[static_cast<std::size_t>(k)] = point(k);
    if (std::fabs(grid.back() - stop) <= tolerance) grid.back() = stop;
    return grid;
}

}  // namespace moltherm
