#include "engine/nasa7_least_squares.h"

#include <Eigen/Dense>
#include <cmath>

namespace moltherm {
namespace {

// Five polynomial coefficients of the low range and three of the quadratic the high range adds.
constexpr int kUnknowns = 8;
// Lawson's weights settle to a few parts in a thousand of the largest deviation within 20 rounds.
constexpr int kReweightings = 20;

using Polynomial = std::array<double, 5>;  // in the scaled temperature t

double Value(const Polynomial& p, double t) {
    return p[0] + t * (p[1] + t * (p[2] + t * (p[3] + t * p[4])));
}

// Integral of p(t) dt from a to b.
double Integral(const Polynomial& p, double a, double b) {
    double sum = 0, powerA = a, powerB = b;
    for (int k = 0; k < 5; ++k, powerA *= a, powerB *= b) sum += p[k] * (powerB - powerA) / (k + 1);
    return sum;
}

// Integral of p(t) / t dt from a to b.
double IntegralOverT(const Polynomial& p, double a, double b) {
    double sum = p[0] * std::log(b / a), powerA = a, powerB = b;
    for (int k = 1; k < 5; ++k, powerA *= a, powerB *= b) sum += p[k] * (powerB - powerA) / k;
    return sum;
}

// Each unknown's polynomial in each range: t^k in both for the first five; zero in the low range
// and (t - tm)^2 t^j in the high one for the other three.
struct Basis {
    std::array<Polynomial, kUnknowns> low{};
    std::array<Polynomial, kUnknowns> high{};

    explicit Basis(double tm) {
        for (int k = 0; k < 5; ++k) low[k][k] = high[k][k] = 1;
        for (int j = 0; j < 3; ++j) {
            high[5 + j][j] = tm * tm;
            high[5 + j][j + 1] = -2 * tm;
            high[5 + j][j + 2] = 1;
        }
    }
};

// Three rows per point (Cp/R, H/R, S/R, each times its weight) and their targets.
struct System {
    Eigen::MatrixXd matrix;
    Eigen::VectorXd target;
};

System BuildSystem(const std::vector<FitPoint>& low, const std::vector<FitPoint>& high,
                   const Basis& basis, double scale, double tm, double tMatch,
                   const FitWeights& w) {
    System sys;
    const auto rows = static_cast<Eigen::Index>(3 * (low.size() + high.size()));
    sys.matrix.resize(rows, kUnknowns);
    sys.target.resize(rows);
    Eigen::Index row = 0;
    for (const auto* points : {&low, &high}) {
        const bool inHigh = points == &high;
        for (const FitPoint& p : *points) {
            const double t = p.temperature / scale;
            for (int j = 0; j < kUnknowns; ++j) {
                const Polynomial& own = inHigh ? basis.high[j] : basis.low[j];
                // H and S run from the match point through the low range to mid, then on.
                const double from = inHigh ? tm : tMatch;
                double h = Integral(own, from, t), s = IntegralOverT(own, from, t);
                if (inHigh) {
                    h += Integral(basis.low[j], tMatch, tm);
                    s += IntegralOverT(basis.low[j], tMatch, tm);
                }
                sys.matrix(row, j) = w.cp * Value(own, t);
                sys.matrix(row + 1, j) = w.h * scale * h;
                sys.matrix(row + 2, j) = w.s * s;
            }
            sys.target(row) = w.cp * p.cpOverR;
            sys.target(row + 1) = w.h * p.hOverR;
            sys.target(row + 2) = w.s * p.sOverR;
            row += 3;
        }
    }
    return sys;
}

// Lawson: each round multiplies every row's weight by its deviation, which drives the largest
// deviations down at the expense of the small ones. Keeps the round with the smallest largest.
Eigen::VectorXd Minimax(const System& sys) {
    Eigen::VectorXd weight = Eigen::VectorXd::Ones(sys.target.size());
    Eigen::VectorXd best;
    double bestLargest = INFINITY;
    for (int round = 0; round <= kReweightings; ++round) {
        const Eigen::VectorXd root = weight.cwiseSqrt();
        const Eigen::VectorXd x =
            (root.asDiagonal() * sys.matrix).householderQr().solve(root.asDiagonal() * sys.target);
        const Eigen::VectorXd deviation = (sys.matrix * x - sys.target).cwiseAbs();
        const double largest = deviation.maxCoeff();
        if (round == 0 || largest < bestLargest) {
            bestLargest = largest;
            best = x;
        }
        weight = weight.cwiseProduct(deviation);
        const double sum = weight.sum();
        if (!(sum > 0)) break;  // an exact fit (an atom): nothing left to reweight
        weight /= sum;
    }
    return best;
}

}  // namespace

HeatCapacityPolynomials FitHeatCapacity(const std::vector<FitPoint>& low,
                                        const std::vector<FitPoint>& high, double mid, double match,
                                        const FitWeights& weights) {
    // t = T / THIGH lies in (0, 1]: the powers up to t^4 stay comparable for any range.
    const double scale = high.back().temperature;
    const double tm = mid / scale;
    const Basis basis(tm);
    const Eigen::VectorXd x =
        Minimax(BuildSystem(low, high, basis, scale, tm, match / scale, weights));

    HeatCapacityPolynomials result;
    double power = 1;  // scale^k: p_k(T) = p_k(t) / scale^k
    for (int k = 0; k < 5; ++k, power *= scale) {
        for (int j = 0; j < kUnknowns; ++j) {
            result.low[k] += x(j) * basis.low[j][k];
            result.high[k] += x(j) * basis.high[j][k];
        }
        result.low[k] /= power;
        result.high[k] /= power;
    }
    return result;
}

}  // namespace moltherm
