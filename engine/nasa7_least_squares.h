#pragma once

#include <array>
#include <vector>

namespace moltherm {

// The exact values the fit follows at one temperature, on the scale of R. H and S are measured
// from their values at the match temperature, where the polynomials will take them exactly.
struct FitPoint {
    double temperature = 0;  // [K]
    double cpOverR = 0;
    double hOverR = 0;  // [H(T) - H(match)] / R [K]
    double sOverR = 0;  // [S(T) - S(match)] / R
};

// Cp/R = p0 + p1 T + ... + p4 T^4 [T in K] of the two ranges.
struct HeatCapacityPolynomials {
    std::array<double, 5> low{};
    std::array<double, 5> high{};
};

// How much one unit of deviation of Cp/R, H/R [K] and S/R counts in the fit.
struct FitWeights {
    double cp = 1;
    double h = 1;
    double s = 1;
};

// The Cp/R polynomials of [low.front(), mid] and [mid, high.back()] whose Cp, H and S (H and S
// integrated from `match`, in the low range, and continuous at mid) deviate least from the points,
// each deviation times its weight. Cp and dCp/dT are continuous at mid by construction: the high
// range is the low one plus (T - mid)^2 times a quadratic. Least squares, reweighted by Lawson's
// rule toward the smallest largest weighted deviation over all points.
HeatCapacityPolynomials FitHeatCapacity(const std::vector<FitPoint>& low,
                                        const std::vector<FitPoint>& high, double mid, double match,
                                        const FitWeights& weights);

}  // namespace moltherm
