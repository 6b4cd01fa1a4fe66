#include "chem/point_group.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "chem/inertia.h"
#include "chem/symmetry_operations.h"

namespace moltherm::chem {
namespace {

using Eigen::Matrix3d;
using Eigen::Vector3d;

// Two axes are one when their directions agree within about 8 degrees; the fitted operations
// are far more precise, and distinct axes of a finite group are at least 18 degrees apart.
constexpr double kSameAxisCosine = 0.99;

Matrix3d ToMatrix(const SymmetryOperation& op) {
    // The nine numbers run row by row.
    return Eigen::Map<const Eigen::Matrix<double, 3, 3, Eigen::RowMajor>>(op.matrix.data());
}

// The axis of a rotation, or of the rotation part (-S) of an improper operation S: the direction
// its symmetric part R + R^T leaves unchanged (that also works for half turns).
Vector3d Axis(const SymmetryOperation& op) {
    const Matrix3d rotation = op.proper ? ToMatrix(op) : Matrix3d(-ToMatrix(op));
    const Matrix3d symmetric = rotation + rotation.transpose();
    const Eigen::SelfAdjointEigenSolver<Matrix3d> solver(symmetric);
    return solver.eigenvectors().col(2);
}

// How often an operation must be applied to give the identity: the least common multiple of
// the cycle lengths of its permutation.
int Order(const SymmetryOperation& op) {
    const std::size_t n = op.image.size();
    std::vector<char> visited(n, 0);
    int order = 1;
    for (std::size_t start = 0; start < n; ++start) {
        int length = 0;
        for (std::size_t i = start; !visited[i]; i = static_cast<std::size_t>(op.image[i])) {
            visited[i] = 1;
            ++length;
        }
        if (length > 0) order = std::lcm(order, length);
    }
    return order;
}

// The operations sorted into what names a group.
struct Elements {
    int rotations = 0;                    // proper operations, identity included: sigma
    int highestOrder = 1;                 // of a single rotation
    int threeFoldCount = 0;               // rotations of order 3: more than two only in T, O and I
    std::vector<Vector3d> principalAxes;  // the axes of the rotations of highest order
    std::vector<Vector3d> mirrorNormals;
    bool inversion = false;
    bool improper = false;
};

Elements Classify(const std::vector<SymmetryOperation>& ops) {
    Elements e;
    for (const SymmetryOperation& op : ops) {
        if (op.proper) {
            ++e.rotations;
            const int order = Order(op);
            if (order == 3) ++e.threeFoldCount;
            if (order > e.highestOrder) {
                e.highestOrder = order;
                e.principalAxes.clear();
            }
            if (order == e.highestOrder && order > 1) e.principalAxes.push_back(Axis(op));
            continue;
        }
        e.improper = true;
        const double trace = ToMatrix(op).trace();  // -3 inversion, +1 reflection
        if (trace < -2.5) e.inversion = true;
        if (std::abs(trace - 1) < 0.5) e.mirrorNormals.push_back(Axis(op));
    }
    return e;
}

// A mirror perpendicular to one of the principal axes.
bool HasHorizontalMirror(const Elements& e) {
    for (const Vector3d& axis : e.principalAxes) {
        for (const Vector3d& normal : e.mirrorNormals) {
            if (std::abs(axis.dot(normal)) > kSameAxisCosine) return true;
        }
    }
    return false;
}

// "C3v", "S4", "D6h": a letter, an order and a suffix. (Built with += because GCC 12 warns
// wrongly about operator+ on temporaries at -O3.)
std::string Symbol(char letter, int order, const char* suffix) {
    std::string symbol(1, letter);
    symbol += std::to_string(order);
    symbol += suffix;
    return symbol;
}

std::string Name(const Elements& e) {
    const int n = e.highestOrder;
    if (e.rotations == 1) {
        if (!e.improper) return "C1";
        return e.inversion ? "Ci" : "Cs";
    }
    if (n == e.rotations) {  // one axis: cyclic
        if (!e.improper) return Symbol('C', n, "");
        if (HasHorizontalMirror(e)) return Symbol('C', n, "h");
        return e.mirrorNormals.empty() ? Symbol('S', 2 * n, "") : Symbol('C', n, "v");
    }
    if (e.threeFoldCount > 2) {  // several three-fold axes: a polyhedral group
        if (e.rotations == 12) return !e.improper ? "T" : e.inversion ? "Th" : "Td";
        if (e.rotations == 24) return e.improper ? "Oh" : "O";
        return e.improper ? "Ih" : "I";
    }
    if (!e.improper) return Symbol('D', e.rotations / 2, "");
    return Symbol('D', e.rotations / 2, HasHorizontalMirror(e) ? "h" : "d");
}

// Largest distance of an atom from the axis of the smallest moment through the centre of mass.
double DistanceFromLongAxis(std::span<const Atom> atoms, const PrincipalAxes& principal) {
    const Vector3 centre = CentreOfMass(atoms);
    const Vector3& axis = principal.axes[0];
    double widest = 0;
    for (const Atom& a : atoms) {
        Vector3d r(a.position[0] - centre[0], a.position[1] - centre[1], a.position[2] - centre[2]);
        r -= r.dot(Vector3d(axis[0], axis[1], axis[2])) * Vector3d(axis[0], axis[1], axis[2]);
        widest = std::max(widest, r.norm());
    }
    return widest;
}

}  // namespace

PointGroup PerceivePointGroup(std::span<const Atom> atoms, double tolerance) {
    for (const Atom& a : atoms) {
        for (double x : a.position) {
            if (!std::isfinite(x)) return {"C1", 1, 1};
        }
    }
    const PrincipalAxes principal = PrincipalMoments(atoms);
    switch (ShapeOf(principal, atoms.size())) {
        case Shape::Atom:
            return {"Kh", 1, 0};
        case Shape::Linear: {
            const std::array<double, 9> inversion{-1, 0, 0, 0, -1, 0, 0, 0, -1};
            if (MapsOntoItself(atoms, inversion, tolerance)) return {"D∞h", 2, 0};
            return {"C∞v", 1, 0};
        }
        case Shape::Nonlinear:
            break;
    }
    tolerance = std::min(tolerance, DistanceFromLongAxis(atoms, principal) / 4);
    const std::vector<SymmetryOperation> ops = FindSymmetryOperations(atoms, tolerance);
    const Elements e = Classify(ops);
    return {Name(e), e.rotations, static_cast<int>(ops.size())};
}

}  // namespace moltherm::chem
