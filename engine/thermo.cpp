#include "engine/thermo.h"

#include <cmath>
#include <optional>

#include "engine/coefficients.h"

namespace moltherm {
namespace {

// Below this x, 1 - e^-x and e^x - 1 keep fewer than 9 correct digits; expm1 keeps them all.
constexpr double kSmallX = 1e-7;

struct ModeTerms {
    double qMode;
    double uMode;   // g x / (e^x - 1)
    double cpMode;  // g x^2 e^x / (e^x - 1)^2
};

ModeTerms EvaluateMode(double xVib, double degen) {
    ModeTerms m{};
    if (xVib < kSmallX) {
        const double expm1X = std::expm1(xVib);
        m.qMode = -1 / std::expm1(-xVib);
        m.uMode = xVib * degen / expm1X;
        m.cpMode = m.uMode * m.uMode / degen * std::exp(xVib);
        return m;
    }
    m.qMode = 1 / (1 - std::exp(-xVib));
    const double expX = std::exp(xVib);
    if (std::isfinite(expX)) {
        m.uMode = xVib * degen / (expX - 1);
        m.cpMode = m.uMode * m.uMode / degen * expX;
        return m;
    }
    // Past x = 709.78 through e^-x, which cannot overflow; past about 745 the terms are 0.
    const double expMinusX = std::exp(-xVib);
    if (expMinusX == 0) return m;
    const double oneMinus = 1 - expMinusX;
    m.uMode = xVib * degen * expMinusX / oneMinus;
    m.cpMode = degen * xVib * xVib * expMinusX / (oneMinus * oneMinus);
    return m;
}

bool Finite(const Contribution& c) {
    for (double v : {c.q, c.u, c.s, c.cp, c.h, c.a, c.g})
        if (!std::isfinite(v)) return false;
    return true;
}

void FillFreeEnergies(Contribution& x, double T) {
    x.a = x.u - x.s * T;
    x.g = x.h - x.s * T;
}

void ComputeVibration(const PhysicalConstants& c, const Molecule& m, ThermoResults& r, double T) {
    Contribution& vib = r.vib;
    vib.q = 1;
    if (m.atoms > 1) {
        for (const VibrationalMode& mode : m.modes) {
            const double degen = mode.degeneracy;
            const double xVib = mode.wavenumber * c.hcCm / r.kT;
            const ModeTerms t = EvaluateMode(xVib, degen);
            vib.q = vib.q * std::pow(t.qMode, degen);
            vib.u = vib.u + t.uMode;
            vib.cp = vib.cp + t.cpMode;
        }
    }
    vib.u = r.RT * vib.u;
    vib.cp = c.gasConst * vib.cp;
    vib.s = vib.u / T + c.gasConst * std::log(vib.q);
}

void ComputeElectronic(const PhysicalConstants& c, const Molecule& m, ThermoResults& r, double T) {
    Contribution& elec = r.elec;
    for (const ElectronicLevel& level : m.levels) {
        const double levelWeight = std::exp(-c.hcCm * level.energy / r.kT) * level.degeneracy;
        // A level too high to be populated adds nothing (and e^2 * 0 could be infinity * 0).
        if (levelWeight == 0) continue;
        elec.q = elec.q + levelWeight;
        elec.u = elec.u + level.energy * levelWeight;
        elec.cp = elec.cp + level.energy * level.energy * levelWeight;
    }
    elec.u = elec.u * c.hcCm * c.avogadro / elec.q;
    const double hcOverKT = c.hcCm / r.kT;
    // Each term is 0 when its sum is, also where (hc/kT)^2 or 1/(T RT) is beyond a double.
    const double meanSquare =
        elec.cp == 0 ? 0 : hcOverKT * hcOverKT * c.gasConst / elec.q * elec.cp;
    const double squareMean = elec.u == 0 ? 0 : elec.u * elec.u / (T * r.RT);
    elec.cp = meanSquare - squareMean;
    elec.s = elec.u / T + c.gasConst * std::log(elec.q);
}

void ComputeRotation(const PhysicalConstants& c, const Molecule& m, ThermoResults& r, double T) {
    Contribution& rot = r.rot;
    if (m.atoms == 1) {
        rot.q = 1;
        return;
    }
    const RotationalCoefficient coef = RotationOf(c, m);
    rot.q = std::pow(T, coef.rotExponent) * coef.rotCoef;
    rot.u = coef.rotExponent * r.RT;
    rot.cp = coef.rotExponent * c.gasConst;
    rot.s = rot.u / T + c.gasConst * std::log(rot.q);
}

void ComputeTranslation(const PhysicalConstants& c, const Molecule& m, ThermoResults& r, double T) {
    Contribution& trans = r.trans;
    trans.q = std::pow(T, 2.5) * TranslationalCoefficient(c, m.molarMass);
    trans.u = 1.5 * r.RT;
    trans.cp = 2.5 * c.gasConst;
    trans.s = c.gasConst * std::log(trans.q) + 2.5 * c.gasConst;
}

ThermoResults Evaluate(const PhysicalConstants& c, const Molecule& m, double T) {
    ThermoResults r;
    r.kT = c.boltzmann * T;
    r.RT = c.gasConst * T;
    ComputeVibration(c, m, r, T);
    ComputeElectronic(c, m, r, T);
    ComputeRotation(c, m, r, T);
    ComputeTranslation(c, m, r, T);

    Contribution& total = r.total;
    total.u = r.rot.u + r.trans.u + r.vib.u + r.elec.u;
    total.s = r.trans.s + r.rot.s + r.vib.s + r.elec.s;
    total.cp = r.rot.cp + r.trans.cp + r.vib.cp + r.elec.cp;
    total.q = r.rot.q * r.trans.q * r.vib.q * r.elec.q;

    r.trans.h = r.RT + r.trans.u;
    r.rot.h = r.rot.u;
    r.vib.h = r.vib.u;
    r.elec.h = r.elec.u;
    total.h = total.u + r.RT;
    for (Contribution* x : {&r.trans, &r.rot, &r.vib, &r.elec, &total}) FillFreeEnergies(*x, T);
    return r;
}

// The contribution that cannot be represented, or, when each can but the totals cannot, the one
// with the largest partition function. One mole's q is NA q/N: the table prints it too.
std::optional<ThermoFault> Unrepresentable(const PhysicalConstants& c, const ThermoResults& r) {
    if (!Finite(r.trans) || !std::isfinite(c.avogadro * r.trans.q)) return ThermoFault::kMolarMass;
    if (!Finite(r.elec)) return ThermoFault::kElectronicEnergy;
    if (!Finite(r.rot)) return ThermoFault::kRotationalConstant;
    if (!Finite(r.vib)) return ThermoFault::kVibrationalFrequency;
    if (Finite(r.total) && std::isfinite(c.avogadro * r.total.q)) return std::nullopt;
    std::pair<double, ThermoFault> largest{c.avogadro * r.trans.q, ThermoFault::kMolarMass};
    for (const auto& [q, fault] : {std::pair{r.elec.q, ThermoFault::kElectronicEnergy},
                                   std::pair{r.rot.q, ThermoFault::kRotationalConstant},
                                   std::pair{r.vib.q, ThermoFault::kVibrationalFrequency}})
        if (q > largest.first) largest = {q, fault};
    return largest.second;
}

// Water: an ordinary molecule, to tell a temperature at fault from an extreme molecule.
const Molecule& OrdinaryMolecule() {
    static const Molecule water = [] {
        Molecule m;
        m.atoms = 3;
        m.molarMass = 18.015;
        m.shape = Shape::kNonlinear;
        m.sigma = 2;
        m.rotationalConstants = {27.877, 14.512, 9.285};
        m.modes = {{3657, 1}, {1595, 1}, {3756, 1}};
        return m;
    }();
    return water;
}

std::optional<ThermoFault> OutOfDomain(const Molecule& m, double T) {
    if (!(T > 0) || !std::isfinite(T)) return ThermoFault::kTemperature;
    if (m.atoms < 1) return ThermoFault::kAtomCount;
    if (!(m.molarMass > 0)) return ThermoFault::kMolarMass;
    for (const ElectronicLevel& level : m.levels) {
        if (!(level.energy >= 0)) return ThermoFault::kElectronicEnergy;
        if (level.degeneracy < 1) return ThermoFault::kDegeneracy;
    }
    if (m.levels.empty()) return ThermoFault::kDegeneracy;
    if (m.atoms <= 1) return std::nullopt;
    const int used = m.shape == Shape::kNonlinear ? 3 : 1;
    for (int k = 0; k < used; ++k)
        if (!(m.rotationalConstants[k] > 0)) return ThermoFault::kRotationalConstant;
    if (m.sigma < 1) return ThermoFault::kSymmetryNumber;
    for (const VibrationalMode& mode : m.modes) {
        if (!(mode.wavenumber > 0)) return ThermoFault::kVibrationalFrequency;
        if (mode.degeneracy < 1) return ThermoFault::kDegeneracy;
    }
    return std::nullopt;
}

}  // namespace

Expected<ThermoResults, ThermoFault> ComputeThermo(const PhysicalConstants& c,
                                                   const Molecule& molecule, double T) {
    if (const auto fault = OutOfDomain(molecule, T)) return Unexpected{*fault};
    ThermoResults r = Evaluate(c, molecule, T);
    if (const auto fault = Unrepresentable(c, r)) {
        if (Unrepresentable(c, Evaluate(c, OrdinaryMolecule(), T)))
            return Unexpected{ThermoFault::kTemperature};
        return Unexpected{*fault};
    }
    return r;
}

}  // namespace moltherm
