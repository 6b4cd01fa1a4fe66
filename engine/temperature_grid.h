#pragma once

#include <vector>

#include "engine/expected.h"

namespace moltherm {

// Why a range START:STOP:STEP gives no temperatures.
enum class GridFault {
    kNotFinite,      // START, STOP or STEP is infinite or not a number
    kStep,           // STEP is 0 or negative
    kEmpty,          // STOP lies below START
    kTooManyPoints,  // more than kMaxGridPoints temperatures
};

// The most temperatures one range may expand to.
inline constexpr int kMaxGridPoints = 100000;

// STOP counts as a grid point when it lies this close to one, relative to the larger of |START|
// and |STOP|: 300:1000:100 ends at 1000 although 300 + 7 * 100 need not be exactly 1000.
inline constexpr double kGridTolerance = 1e-9;

// START, START + STEP, ... up to STOP [K]: point k is START + k STEP (not a running sum, which
// would drift), and a point within the tolerance of STOP is STOP itself. START == STOP gives one
// point.
Expected<std::vector<double>, GridFault> ExpandTemperatureGrid(double start, double stop,
                                                               double step);

}  // namespace moltherm
