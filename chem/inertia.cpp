#include "chem/inertia.h"

#include <Eigen/Eigenvalues>
#include <algorithm>

#include "engine/constants.h"

namespace moltherm::chem {
namespace {

// [u Angstrom^2] -> [kg m^2]: 1 u = 1e-3 kg/mol / N_A, 1 Angstrom^2 = 1e-20 m^2.
double MomentInKgM2(double moment) {
    return moment * 1e-3 / PhysicalConstants{}.avogadro * 1e-20;
}

// B [1/cm] of one principal moment [u Angstrom^2].
double RotationalConstant(double moment) {
    const PhysicalConstants k;
    const double lightSpeedCm = k.hcCm / k.planck;  // [cm/s]
    return k.planck / (8 * k.pi * k.pi * lightSpeedCm * MomentInKgM2(moment));
}

}  // namespace

double MolarMass(std::span<const Atom> atoms) {
    double sum = 0;
    for (const Atom& a : atoms) sum += a.mass;
    return sum;
}

Vector3 CentreOfMass(std::span<const Atom> atoms) {
    Vector3 centre{0, 0, 0};
    const double total = MolarMass(atoms);
    if (atoms.empty() || total <= 0) return centre;
    for (const Atom& a : atoms) {
        for (int k = 0; k < 3; ++k) centre[k] += a.mass * a.position[k];
    }
    for (double& c : centre) c /= total;
    return centre;
}

Matrix3 InertiaTensor(std::span<const Atom> atoms) {
    const Vector3 centre = CentreOfMass(atoms);
    Matrix3 tensor{};
    for (const Atom& a : atoms) {
        Vector3 r;
        for (int k = 0; k < 3; ++k) r[k] = a.position[k] - centre[k];
        const double r2 = r[0] * r[0] + r[1] * r[1] + r[2] * r[2];
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) tensor[i][j] += a.mass * ((i == j ? r2 : 0) - r[i] * r[j]);
        }
    }
    return tensor;
}

PrincipalAxes PrincipalMoments(std::span<const Atom> atoms) {
    const Matrix3 tensor = InertiaTensor(atoms);
    Eigen::Matrix3d m;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) m(i, j) = tensor[i][j];
    }
    const Eigen::SelfAdjointEigenSolver<Eigen::Matrix3d> solver(m);
    PrincipalAxes result;
    for (int i = 0; i < 3; ++i) {
        // Rounding leaves a linear molecule's zero moment a tiny negative number now and then.
        result.moments[i] = std::max(0.0, solver.eigenvalues()(i));
        for (int k = 0; k < 3; ++k) result.axes[i][k] = solver.eigenvectors()(k, i);
    }
    return result;
}

Shape ShapeOf(const PrincipalAxes& principal, std::size_t atomCount) {
    if (atomCount <= 1) return Shape::Atom;
    return principal.moments[0] <= kLinearMomentRatio * principal.moments[2] ? Shape::Linear
                                                                             : Shape::Nonlinear;
}

Shape ShapeOf(std::span<const Atom> atoms) {
    return ShapeOf(PrincipalMoments(atoms), atoms.size());
}

std::vector<double> RotationalConstants(const PrincipalAxes& principal, Shape shape) {
    const Vector3& m = principal.moments;
    switch (shape) {
        case Shape::Atom:
            return {};
        case Shape::Linear:
            return {RotationalConstant((m[1] + m[2]) / 2)};
        case Shape::Nonlinear:
            break;
    }
    return {RotationalConstant(m[0]), RotationalConstant(m[1]), RotationalConstant(m[2])};
}

std::vector<double> RotationalConstants(std::span<const Atom> atoms) {
    const PrincipalAxes principal = PrincipalMoments(atoms);
    return RotationalConstants(principal, ShapeOf(principal, atoms.size()));
}

}  // namespace moltherm::chem
