#include "engine/nasa7.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/nasa7_least_squares.h"
#include "engine/reference_functions.h"

namespace moltherm {
namespace {

constexpr double kFitSpacing = 10;   // [K], the most between two points of the fit
constexpr double kCheckSpacing = 1;  // [K], the most between two points of the deviation check
constexpr int kMinIntervals = 10;    // so that even a narrow range has more points than unknowns

// Points from `from` to `to`, both included, at most `spacing` apart and evenly spread.
std::vector<double> Samples(double from, double to, double spacing) {
    const int intervals =
        std::max(kMinIntervals, static_cast<int>(std::ceil((to - from) / spacing)));
    std::vector<double> points(static_cast<std::size_t>(intervals) + 1);
    for (int k = 0; k < intervals; ++k)
        points[static_cast<std::size_t>(k)] = from + (to - from) * k / intervals;
    points.back() = to;
    return points;
}

// The engine's total Cp, H and S, with H on the fit's scale (shifted by `hOffset`).
class ExactValues {
  public:
    ExactValues(const PhysicalConstants& c, const Molecule& m, const ThermoOptions& o,
                double hOffset)
        : c_(c), m_(m), o_(o), hOffset_(hOffset) {}

    Expected<Contribution, ThermoFault> at(double T) const {
        auto r = ComputeThermo(c_, m_, T, o_);
        if (!r) return Unexpected{r.error()};
        r->total.h += hOffset_;
        return r->total;
    }

  private:
    const PhysicalConstants& c_;
    const Molecule& m_;
    const ThermoOptions& o_;
    double hOffset_;
};

Expected<std::vector<FitPoint>, ThermoFault> FitPoints(const ExactValues& exact, double from,
                                                       double to, const Contribution& atMatch,
                                                       double gasConst) {
    std::vector<FitPoint> points;
    for (const double T : Samples(from, to, kFitSpacing)) {
        const auto e = exact.at(T);
        if (!e) return Unexpected{e.error()};
        points.push_back(
            {T, e->cp / gasConst, (e->h - atMatch.h) / gasConst, (e->s - atMatch.s) / gasConst});
    }
    return points;
}

// a6 and a7 of `a` so that H/R and S/R at T take the given values.
void MatchEnthalpyAndEntropy(Nasa7Coefficients& a, double T, double hOverR, double sOverR) {
    a[5] = a[6] = 0;
    const Nasa7Value withoutConstants = EvaluateNasa7(a, T);
    a[5] = hOverR - T * withoutConstants.hOverRT;
    a[6] = sOverR - withoutConstants.sOverR;
}

Expected<Nasa7Deviation, ThermoFault> Deviation(const ExactValues& exact,
                                                const Nasa7Coefficients& a, double from, double to,
                                                double gasConst) {
    Nasa7Deviation d;
    for (const double T : Samples(from, to, kCheckSpacing)) {
        const auto e = exact.at(T);
        if (!e) return Unexpected{e.error()};
        const Nasa7Value p = EvaluateNasa7(a, T);
        d.cp = std::max(d.cp, std::fabs(p.cpOverR * gasConst - e->cp));
        d.h = std::max(d.h, std::fabs(p.hOverRT * gasConst * T - e->h));
        d.s = std::max(d.s, std::fabs(p.sOverR * gasConst - e->s));
    }
    return d;
}

Unexpected<Nasa7Fault> ThermoFaultOf(ThermoFault fault) {
    return Unexpected{Nasa7Fault{Nasa7Problem::kThermo, fault}};
}

}  // namespace

Nasa7Value EvaluateNasa7(const Nasa7Coefficients& a, double T) {
    Nasa7Value v;
    v.cpOverR = a[0] + T * (a[1] + T * (a[2] + T * (a[3] + T * a[4])));
    v.hOverRT = a[0] + T * (a[1] / 2 + T * (a[2] / 3 + T * (a[3] / 4 + T * a[4] / 5))) + a[5] / T;
    v.sOverR =
        a[0] * std::log(T) + T * (a[1] + T * (a[2] / 2 + T * (a[3] / 3 + T * a[4] / 4))) + a[6];
    return v;
}

Expected<Nasa7Fit, Nasa7Fault> FitNasa7(const PhysicalConstants& c, const Molecule& molecule,
                                        const Nasa7Temperatures& temperatures,
                                        std::optional<double> enthalpyOfFormation,
                                        const ThermoOptions& options) {
    const Nasa7Temperatures& t = temperatures;
    if (!(0 < t.low && t.low < t.mid && t.mid < t.high && t.high <= kMaxNasa7Temperature))
        return Unexpected{Nasa7Fault{Nasa7Problem::kTemperatures}};
    if (enthalpyOfFormation && !std::isfinite(*enthalpyOfFormation))
        return Unexpected{Nasa7Fault{Nasa7Problem::kEnthalpyOfFormation}};
    const auto reference = ComputeThermo(c, molecule, kReferenceTemperature, options);
    if (!reference) return ThermoFaultOf(reference.error());

    Nasa7Fit fit;
    fit.temperatures = t;
    fit.fromEnthalpyOfFormation = enthalpyOfFormation.has_value();
    fit.zeroPointEnergy = options.zeroPointEnergy;
    fit.h298 = enthalpyOfFormation.value_or(reference->total.h);
    const ExactValues exact(c, molecule, options, fit.h298 - reference->total.h);
    const double R = c.gasConst;

    const double match = std::clamp(kReferenceTemperature, t.low, t.mid);
    const auto atMatch = exact.at(match);
    if (!atMatch) return ThermoFaultOf(atMatch.error());
    const auto low = FitPoints(exact, t.low, t.mid, *atMatch, R);
    if (!low) return ThermoFaultOf(low.error());
    const auto high = FitPoints(exact, t.mid, t.high, *atMatch, R);
    if (!high) return ThermoFaultOf(high.error());

    // Deviations in units of R, divided by their targets.
    const FitWeights weights{R / kNasa7Targets.cp, R / kNasa7Targets.h, R / kNasa7Targets.s};
    const HeatCapacityPolynomials cp = FitHeatCapacity(*low, *high, t.mid, match, weights);
    std::copy(cp.low.begin(), cp.low.end(), fit.low.begin());
    std::copy(cp.high.begin(), cp.high.end(), fit.high.begin());
    MatchEnthalpyAndEntropy(fit.low, match, atMatch->h / R, atMatch->s / R);
    const Nasa7Value lowAtMid = EvaluateNasa7(fit.low, t.mid);
    MatchEnthalpyAndEntropy(fit.high, t.mid, lowAtMid.hOverRT * t.mid, lowAtMid.sOverR);

    const auto lowDeviation = Deviation(exact, fit.low, t.low, t.mid, R);
    if (!lowDeviation) return ThermoFaultOf(lowDeviation.error());
    const auto highDeviation = Deviation(exact, fit.high, t.mid, t.high, R);
    if (!highDeviation) return ThermoFaultOf(highDeviation.error());
    fit.lowDeviation = *lowDeviation;
    fit.highDeviation = *highDeviation;
    return fit;
}

}  // namespace moltherm
