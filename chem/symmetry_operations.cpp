#include "chem/symmetry_operations.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include "chem/inertia.h"

namespace moltherm::chem {
namespace {

using Eigen::Matrix3d;
// A SymmetryOperation's nine numbers, row by row.
using RowMajor3d = Eigen::Matrix<double, 3, 3, Eigen::RowMajor>;
using Eigen::Vector3d;

constexpr double kSameMass = 1e-3;  // [u]: masses as printed by programs, to 4 or more decimals

// Positions about the centre of mass, and the atoms sorted into kinds: only atoms of one kind
// (same element, same mass) can take each other's place.
struct CentredAtoms {
    std::vector<Vector3d> r;
    std::vector<double> radius;
    std::vector<int> kind;
    std::vector<std::vector<int>> members;
};

CentredAtoms Centre(std::span<const Atom> atoms) {
    const Vector3 centre = CentreOfMass(atoms);
    CentredAtoms m;
    std::vector<const Atom*> firstOfKind;
    for (const Atom& a : atoms) {
        const Vector3d r(a.position[0] - centre[0], a.position[1] - centre[1],
                         a.position[2] - centre[2]);
        m.r.push_back(r);
        m.radius.push_back(r.norm());
        const auto same = [&a](const Atom* b) {
            return b->element == a.element && std::abs(b->mass - a.mass) <= kSameMass;
        };
        const auto found = std::find_if(firstOfKind.begin(), firstOfKind.end(), same);
        const int kind = static_cast<int>(found - firstOfKind.begin());
        if (found == firstOfKind.end()) {
            firstOfKind.push_back(&a);
            m.members.emplace_back();
        }
        m.kind.push_back(kind);
        m.members[static_cast<std::size_t>(kind)].push_back(static_cast<int>(m.r.size()) - 1);
    }
    return m;
}

// For each atom, the nearest atom of its kind to its image under `op`; false if some image has
// none within `cutoff` or two images claim the same atom.
bool Match(const CentredAtoms& m, const Matrix3d& op, double cutoff, std::vector<int>& image) {
    const std::size_t n = m.r.size();
    image.assign(n, -1);
    std::vector<char> taken(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        const Vector3d y = op * m.r[i];
        int best = -1;
        double bestDistance2 = cutoff * cutoff;
        for (int j : m.members[static_cast<std::size_t>(m.kind[i])]) {
            const double d2 = (y - m.r[static_cast<std::size_t>(j)]).squaredNorm();
            if (d2 <= bestDistance2) {
                best = j;
                bestDistance2 = d2;
            }
        }
        if (best < 0 || taken[static_cast<std::size_t>(best)]) return false;
        taken[static_cast<std::size_t>(best)] = 1;
        image[i] = best;
    }
    return true;
}

// The orthogonal matrix of the requested handedness that best carries every atom onto its image
// (least squares, by the singular value decomposition of the correlation matrix).
Matrix3d Fit(const CentredAtoms& m, const std::vector<int>& image, bool proper) {
    Matrix3d correlation = Matrix3d::Zero();
    for (std::size_t i = 0; i < m.r.size(); ++i) {
        correlation += m.r[static_cast<std::size_t>(image[i])] * m.r[i].transpose();
    }
    const Eigen::JacobiSVD<Matrix3d> svd(correlation, Eigen::ComputeFullU | Eigen::ComputeFullV);
    const Matrix3d& u = svd.matrixU();
    const Matrix3d& v = svd.matrixV();
    Matrix3d handedness = Matrix3d::Identity();
    const bool rotation = (u * v.transpose()).determinant() > 0;
    handedness(2, 2) = rotation == proper ? 1 : -1;
    return u * handedness * v.transpose();
}

double MaxDeviation(const CentredAtoms& m, const Matrix3d& op, const std::vector<int>& image) {
    double worst = 0;
    for (std::size_t i = 0; i < m.r.size(); ++i) {
        worst = std::max(worst, (op * m.r[i] - m.r[static_cast<std::size_t>(image[i])]).norm());
    }
    return worst;
}

// Orthonormal frame (columns) of a, the part of b across a, and their cross product times
// `handedness`.
Matrix3d Frame(const Vector3d& a, const Vector3d& b, double handedness) {
    Matrix3d f;
    f.col(0) = a.normalized();
    f.col(1) = (b - b.dot(f.col(0)) * f.col(0)).normalized();
    f.col(2) = handedness * f.col(0).cross(f.col(1));
    return f;
}

// Atoms of i's kind at i's distance from the centre: the only places i can be carried to.
std::vector<int> Shell(const CentredAtoms& m, std::size_t i, double tolerance) {
    std::vector<int> shell;
    for (int j : m.members[static_cast<std::size_t>(m.kind[i])]) {
        if (std::abs(m.radius[static_cast<std::size_t>(j)] - m.radius[i]) <= 2 * tolerance) {
            shell.push_back(j);
        }
    }
    return shell;
}

// The reference pair: an operation is fixed by where it takes p and q, so p is an atom far from
// the centre with few places to go, q one far from the line through p, also with few places.
std::pair<std::size_t, std::size_t> ReferenceAtoms(const CentredAtoms& m, double tolerance) {
    const double farthest = *std::max_element(m.radius.begin(), m.radius.end());
    std::size_t p = 0;
    std::size_t fewest = m.r.size() + 1;
    for (std::size_t i = 0; i < m.r.size(); ++i) {
        if (m.radius[i] < farthest / 2) continue;
        const std::size_t places = Shell(m, i, tolerance).size();
        if (places < fewest || (places == fewest && m.radius[i] > m.radius[p])) {
            p = i;
            fewest = places;
        }
    }
    const Vector3d axis = m.r[p].normalized();
    std::vector<double> across(m.r.size());
    for (std::size_t i = 0; i < m.r.size(); ++i) {
        across[i] = (m.r[i] - m.r[i].dot(axis) * axis).norm();
    }
    const double widest = *std::max_element(across.begin(), across.end());
    std::size_t q = p;
    fewest = m.r.size() + 1;
    for (std::size_t i = 0; i < m.r.size(); ++i) {
        if (across[i] < widest / 2) continue;
        const std::size_t places = Shell(m, i, tolerance).size();
        if (places < fewest || (places == fewest && across[i] > across[q])) {
            q = i;
            fewest = places;
        }
    }
    return {p, q};
}

std::array<double, 9> ToArray(const Matrix3d& op) {
    std::array<double, 9> a{};
    Eigen::Map<RowMajor3d>(a.data()) = op;
    return a;
}

SymmetryOperation Identity(std::size_t atomCount) {
    SymmetryOperation identity{ToArray(Matrix3d::Identity()), std::vector<int>(atomCount), true};
    for (std::size_t i = 0; i < atomCount; ++i) identity.image[i] = static_cast<int>(i);
    return identity;
}

// Every operation within `tolerance`: each choice of images p', q' of the reference atoms, in
// either handedness, gives one candidate map, refined on all atoms and then checked.
std::vector<SymmetryOperation> Search(const CentredAtoms& m, double tolerance) {
    const auto [p, q] = ReferenceAtoms(m, tolerance);
    const double pq = (m.r[p] - m.r[q]).norm();
    const double farthest = *std::max_element(m.radius.begin(), m.radius.end());
    const Matrix3d from = Frame(m.r[p], m.r[q], 1);
    const double across = (m.r[q] - m.r[q].dot(from.col(0)) * from.col(0)).norm();
    if (!(across > 1e-9)) return {Identity(m.r.size())};  // all on one line: no finite group
    // The two-atom map inherits their position errors, magnified by the lever arm.
    const double loose = 3 * tolerance + 2 * tolerance * farthest * (1 / m.radius[p] + 1 / across);

    std::set<std::pair<bool, std::vector<int>>> seen;
    std::vector<SymmetryOperation> found;
    std::vector<int> image;
    for (int pImage : Shell(m, p, tolerance)) {
        const Vector3d& p2 = m.r[static_cast<std::size_t>(pImage)];
        for (int qImage : Shell(m, q, tolerance)) {
            const Vector3d& q2 = m.r[static_cast<std::size_t>(qImage)];
            if (qImage == pImage || std::abs((p2 - q2).norm() - pq) > 3 * tolerance) continue;
            if ((q2 - q2.dot(p2.normalized()) * p2.normalized()).norm() < 1e-12) continue;
            for (const bool proper : {true, false}) {
                Matrix3d op = Frame(p2, q2, proper ? 1 : -1) * from.transpose();
                if (!Match(m, op, loose, image)) continue;
                op = Fit(m, image, proper);
                if (!Match(m, op, 3 * tolerance, image)) continue;
                op = Fit(m, image, proper);
                if (MaxDeviation(m, op, image) > tolerance) continue;
                if (!seen.emplace(proper, image).second) continue;
                found.push_back({ToArray(op), image, proper});
            }
        }
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.proper != b.proper ? a.proper : a.image < b.image;
    });
    return found;
}

// True when every product of two operations is among them. Permutation and handedness together
// identify an operation of a non-linear molecule, so products are composed on those.
bool IsGroup(const std::vector<SymmetryOperation>& ops) {
    std::set<std::pair<bool, std::vector<int>>> members;
    for (const auto& op : ops) members.emplace(op.proper, op.image);
    std::vector<int> product;
    for (const auto& a : ops) {
        for (const auto& b : ops) {
            product.resize(b.image.size());
            for (std::size_t i = 0; i < b.image.size(); ++i) {
                product[i] = a.image[static_cast<std::size_t>(b.image[i])];
            }
            if (!members.count({a.proper == b.proper, product})) return false;
        }
    }
    return true;
}

}  // namespace

bool MapsOntoItself(std::span<const Atom> atoms, const std::array<double, 9>& matrix,
                    double tolerance) {
    const CentredAtoms m = Centre(atoms);
    const Matrix3d op = Eigen::Map<const RowMajor3d>(matrix.data());
    std::vector<int> image;
    return Match(m, op, tolerance, image);
}

std::vector<SymmetryOperation> FindSymmetryOperations(std::span<const Atom> atoms,
                                                      double tolerance) {
    if (atoms.empty()) return {};
    const CentredAtoms m = Centre(atoms);
    // The identity always passes, and alone it is a group, so the halving ends.
    for (int halvings = 0; halvings < 64; ++halvings, tolerance /= 2) {
        std::vector<SymmetryOperation> ops = Search(m, tolerance);
        if (ops.empty()) break;  // positions that are not numbers
        if (IsGroup(ops)) return ops;
    }
    return {Identity(atoms.size())};
}

}  // namespace moltherm::chem
