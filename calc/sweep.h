#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "engine/constants.h"
#include "engine/expected.h"
#include "engine/molecule.h"
#include "engine/options.h"

namespace moltherm {

// The reference temperature of the tabulated functions [K]; every sweep includes it.
inline constexpr double kSweepReferenceTemperature = 298.15;
// The largest number of grid points a range may have (298.15 K not counted).
inline constexpr std::size_t kMaxSweepPoints = 100000;

// Tmin, Tmin + step, ... up to Tmax [K]; Tmax is included when it lies on the grid within
// 1e-9 relative.
struct TemperatureRange {
    double tmin = 100;
    double tmax = 3000;
    double step = 100;
};

// The columns of a contribution in a sweep, in table order.
enum class SweepPart { kTranslational, kRotational, kVibrational, kElectronic, kTotal };
inline constexpr std::size_t kSweepPartCount = 5;
enum class SweepQuantity { kCp, kS, kHMinusHRef, kGibbsFunction, kG };
inline constexpr std::size_t kSweepQuantityCount = 5;

// One contribution at one temperature.
struct SweepValues {
    double cp = 0;             // [J/(K mol)]
    double s = 0;              // [J/(K mol)]
    double hMinusHRef = 0;     // H - H(298.15) [kJ/mol]
    double gibbsFunction = 0;  // -[G - H(298.15)]/T [J/(K mol)]
    double g = 0;              // [kJ/mol]

    double operator[](SweepQuantity quantity) const;
};

struct SweepRow {
    double temperature = 0;  // [K]
    std::array<SweepValues, kSweepPartCount> parts;

    const SweepValues& operator[](SweepPart part) const {
        return parts[static_cast<std::size_t>(part)];
    }
};

// The temperatures of the range in ascending order, 298.15 K in its place, or the one-line
// reason the range is refused (not finite, step <= 0, empty, more than kMaxSweepPoints).
Expected<std::vector<double>, std::string> SweepTemperatures(const TemperatureRange& range);

// One row per temperature of the range. A temperature the engine refuses refuses the whole
// sweep with the engine's message and the temperature ("Invalid Temperature at 5000 K").
Expected<std::vector<SweepRow>, std::string> ComputeSweep(const PhysicalConstants& constants,
                                                          const Molecule& molecule,
                                                          const ThermoOptions& options,
                                                          const TemperatureRange& range);

// "translational", ..., "total".
const char* SweepPartName(SweepPart part);
// The quantity's name in plain ASCII ("H-H(298.15)") or as the window shows it (with U+2212
// minus signs), and its unit ("J/(K mol)").
const char* SweepQuantityName(SweepQuantity quantity);
const char* SweepQuantityLabel(SweepQuantity quantity);
const char* SweepQuantityUnit(SweepQuantity quantity);

// The table's columns after T: every quantity of the translational part, then of the
// rotational one, ..., the total last.
struct SweepColumn {
    SweepPart part;
    SweepQuantity quantity;
};
inline constexpr std::size_t kSweepColumnCount = kSweepPartCount * kSweepQuantityCount;
SweepColumn SweepColumnAt(std::size_t index);

}  // namespace moltherm
