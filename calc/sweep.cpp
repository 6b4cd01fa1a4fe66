#include "calc/sweep.h"

#include <algorithm>
#include <cmath>

#include "calc/messages.h"
#include "calc/sweep_text.h"
#include "engine/thermo.h"

namespace moltherm {

namespace {

// Tmin + k step carries the binary rounding of step into values such as 100.30000000000001.
// Rounding to 15 significant digits of the range's largest magnitude gives back the decimal a
// person meant; where the power of ten would not be exact, the value is left alone.
double SnapToDecimal(double t, double magnitude) {
    if (!(magnitude > 0)) return t;
    const int digits = 15 - static_cast<int>(std::ceil(std::log10(magnitude)));
    if (digits < 0 || digits > 22) return t;
    const double scale = std::pow(10.0, digits);
    return std::round(t * scale) / scale;
}

std::string RefusalAt(ThermoFault fault, double temperature) {
    return std::string(messages::ForFault(fault)) + " at " + SweepNumberText(temperature) + " K";
}

SweepValues ValuesOf(const Contribution& c, const Contribution& reference, double temperature) {
    SweepValues v;
    v.cp = c.cp;
    v.s = c.s;
    v.hMinusHRef = (c.h - reference.h) / 1000;
    v.gibbsFunction = -(c.g - reference.h) / temperature;
    v.g = c.g / 1000;
    return v;
}

}  // namespace

double SweepValues::operator[](SweepQuantity quantity) const {
    switch (quantity) {
        case SweepQuantity::kCp:
            return cp;
        case SweepQuantity::kS:
            return s;
        case SweepQuantity::kHMinusHRef:
            return hMinusHRef;
        case SweepQuantity::kGibbsFunction:
            return gibbsFunction;
        case SweepQuantity::kG:
            return g;
    }
    return cp;
}

Expected<std::vector<double>, std::string> SweepTemperatures(const TemperatureRange& range) {
    const auto [tmin, tmax, step] = range;
    if (!std::isfinite(tmin) || !std::isfinite(tmax) || !std::isfinite(step))
        return Unexpected{std::string("Invalid temperature range")};
    if (step <= 0) return Unexpected{std::string("The step must be above 0 K")};
    if (tmax < tmin) return Unexpected{std::string("The range is empty: Tmax lies below Tmin")};
    const std::string tooMany = "The range has more than 100,000 points";
    const double span = (tmax - tmin) / step;
    if (!(span < static_cast<double>(kMaxSweepPoints))) return Unexpected{tooMany};

    const double tolerance = 1e-9 * std::abs(tmax);
    auto last = static_cast<std::size_t>(span);
    if (tmin + static_cast<double>(last + 1) * step <= tmax + tolerance) ++last;
    if (last + 1 > kMaxSweepPoints) return Unexpected{tooMany};

    const double magnitude = std::max(std::abs(tmin), std::abs(tmax));
    std::vector<double> temperatures;
    temperatures.reserve(last + 2);
    for (std::size_t k = 0; k <= last; ++k) {
        double t = SnapToDecimal(tmin + static_cast<double>(k) * step, magnitude);
        if (std::abs(t - tmax) <= tolerance) t = tmax;
        if (std::abs(t - kSweepReferenceTemperature) <= 1e-9 * kSweepReferenceTemperature)
            t = kSweepReferenceTemperature;
        temperatures.push_back(t);
    }
    const auto place =
        std::lower_bound(temperatures.begin(), temperatures.end(), kSweepReferenceTemperature);
    if (place == temperatures.end() || *place != kSweepReferenceTemperature)
        temperatures.insert(place, kSweepReferenceTemperature);
    return temperatures;
}

Expected<std::vector<SweepRow>, std::string> ComputeSweep(const PhysicalConstants& constants,
                                                          const Molecule& molecule,
                                                          const ThermoOptions& options,
                                                          const TemperatureRange& range) {
    auto temperatures = SweepTemperatures(range);
    if (!temperatures) return Unexpected{temperatures.error()};

    // Every temperature in order, so that a refusal names the lowest refused one.
    std::vector<ThermoResults> results;
    results.reserve(temperatures->size());
    const ThermoResults* reference = nullptr;
    for (const double t : *temperatures) {
        auto computed = ComputeThermo(constants, molecule, t, options);
        if (!computed) return Unexpected{RefusalAt(computed.error(), t)};
        results.push_back(*computed);
    }
    for (std::size_t i = 0; i < results.size(); ++i)
        if ((*temperatures)[i] == kSweepReferenceTemperature) reference = &results[i];

    std::vector<SweepRow> rows(results.size());
    for (std::size_t i = 0; i < results.size(); ++i) {
        const double t = (*temperatures)[i];
        const ThermoResults& r = results[i];
        rows[i].temperature = t;
        rows[i].parts = {ValuesOf(r.trans, reference->trans, t), ValuesOf(r.rot, reference->rot, t),
                         ValuesOf(r.vib, reference->vib, t), ValuesOf(r.elec, reference->elec, t),
                         ValuesOf(r.total, reference->total, t)};
    }
    return rows;
}

const char* SweepPartName(SweepPart part) {
    constexpr const char* kNames[] = {"translational", "rotational", "vibrational", "electronic",
                                      "total"};
    return kNames[static_cast<std::size_t>(part)];
}

const char* SweepQuantityName(SweepQuantity quantity) {
    constexpr const char* kNames[] = {"Cp", "S", "H-H(298.15)", "-[G-H(298.15)]/T", "G"};
    return kNames[static_cast<std::size_t>(quantity)];
}

const char* SweepQuantityLabel(SweepQuantity quantity) {
    constexpr const char* kLabels[] = {"Cp", "S", "H\u2212H(298.15)", "\u2212[G\u2212H(298.15)]/T",
                                       "G"};
    return kLabels[static_cast<std::size_t>(quantity)];
}

const char* SweepQuantityUnit(SweepQuantity quantity) {
    constexpr const char* kUnits[] = {"J/(K mol)", "J/(K mol)", "kJ/mol", "J/(K mol)", "kJ/mol"};
    return kUnits[static_cast<std::size_t>(quantity)];
}

SweepColumn SweepColumnAt(std::size_t index) {
    return {static_cast<SweepPart>(index / kSweepQuantityCount),
            static_cast<SweepQuantity>(index % kSweepQuantityCount)};
}

}  // namespace moltherm
