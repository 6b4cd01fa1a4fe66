#include "engine/thermo.h"

#include <cmath>
#include <optional>

#include "engine/coefficients.h"

namespace moltherm {
namespace {

// 1/2 NA hc F_zpe times a sum of g nu [1/cm]: [J/mol].
double ZeroPointEnergyOfModes(const PhysicalConstants& c, double wavenumberSum,
                              const ThermoOptions& o) {
    return 0.5 * c.avogadro * c.hcCm * wavenumberSum * o.zpeFactor();
}

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

// The wavenumber of a mode in the vibrational terms: scaled, then raised.
double EffectiveWavenumber(double wavenumber, const ThermoOptions& o) {
    double nu = wavenumber;
    if (o.frequencyScale != 1) nu = nu * o.frequencyScale;
    if (o.raiseLowModesTo && nu < *o.raiseLowModesTo) nu = *o.raiseLowModesTo;
    return nu;
}

// The quasi-RRHO weight of a mode, 1 / (1 + (W0/nu)^4).
double Weight(double cutoff, double nu) {
    const double ratio = cutoff / nu;
    return 1 / (1 + ratio * ratio * ratio * ratio);
}

// Harmonic and free-rotor entropies of one mode [R]: Grimme's interpolation takes both.
double HarmonicEntropy(double x) {
    return x / std::expm1(x) - std::log1p(-std::exp(-x));
}

double FreeRotorEntropy(const PhysicalConstants& c, double nu, double T) {
    constexpr double kAverageMoment = 1e-44;                             // B_av [kg m^2]
    const double speedOfLight = c.hcCm / c.planck;                       // [cm/s]
    const double mu = c.planck / (8 * c.pi * c.pi * speedOfLight * nu);  // [kg m^2]
    const double reduced = mu * kAverageMoment / (mu + kAverageMoment);
    const double pi3 = c.pi * c.pi * c.pi;
    return 0.5 + std::log(std::sqrt(8 * pi3 * reduced * c.boltzmann * T / (c.planck * c.planck)));
}

void ComputeVibration(const PhysicalConstants& c, const Molecule& m, const ThermoOptions& o,
                      ThermoResults& r, double T) {
    Contribution& vib = r.vib;
    vib.q = 1;
    double sQuasi = 0, uQuasi = 0, cpQuasi = 0;  // [R], [RT] and [R], over the modes
    double e0Weighted = 0;                       // [J/mol]: the modes' E0 times their weights
    if (m.atoms > 1) {
        for (const VibrationalMode& mode : m.modes) {
            const double degen = mode.degeneracy;
            const double nu = EffectiveWavenumber(mode.wavenumber, o);
            const double xVib = nu * c.hcCm / r.kT;
            const ModeTerms t = EvaluateMode(xVib, degen);
            vib.q = vib.q * std::pow(t.qMode, degen);
            vib.u = vib.u + t.uMode;
            vib.cp = vib.cp + t.cpMode;
            if (o.qrrhoEntropyCutoff) {
                const double w = Weight(*o.qrrhoEntropyCutoff, nu);
                sQuasi +=
                    degen * (w * HarmonicEntropy(xVib) + (1 - w) * FreeRotorEntropy(c, nu, T));
            }
            if (o.qrrhoEnthalpyCutoff) {
                const double w = Weight(*o.qrrhoEnthalpyCutoff, nu);
                uQuasi += w * t.uMode + (1 - w) * degen / 2;
                cpQuasi += w * t.cpMode + (1 - w) * degen / 2;
                if (o.zeroPointEnergy)
                    e0Weighted += w * ZeroPointEnergyOfModes(c, mode.wavenumber * degen, o);
            }
        }
    }
    vib.u = r.RT * vib.u;
    vib.cp = c.gasConst * vib.cp;
    vib.s = vib.u / T + c.gasConst * std::log(vib.q);
    if (o.qrrhoEntropyCutoff) vib.s = c.gasConst * sQuasi;
    const double e0 = o.zeroPointEnergy ? ZeroPointEnergy(c, m, o) : 0;
    if (o.qrrhoEnthalpyCutoff) {
        vib.u = r.RT * uQuasi + e0Weighted;
        vib.cp = c.gasConst * cpQuasi;
    } else if (o.zeroPointEnergy) {
        vib.u = vib.u + e0;
    }
    // q from the bottom of the well; S is unchanged, as U/T rises by as much as R ln q falls.
    if (o.zeroPointEnergy) vib.q = vib.q * std::exp(-e0 / r.RT);
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

// The volume per molecule of the standard state over that of 1 bar, kT/p0.
double VolumeRatio(const PhysicalConstants& c, const StandardState& state, double T) {
    if (state.kind == StandardState::Kind::kPressure) return c.stdPressure / state.pascal();
    return c.stdPressure / (state.value * 1000 * c.avogadro * c.boltzmann * T);
}

void ComputeTranslation(const PhysicalConstants& c, const Molecule& m, const ThermoOptions& o,
                        ThermoResults& r, double T) {
    Contribution& trans = r.trans;
    trans.q = std::pow(T, 2.5) * TranslationalCoefficient(c, m.molarMass);
    if (!o.standardState.isOneBar()) trans.q = trans.q * VolumeRatio(c, o.standardState, T);
    trans.u = 1.5 * r.RT;
    trans.cp = 2.5 * c.gasConst;
    trans.s = c.gasConst * std::log(trans.q) + 2.5 * c.gasConst;
}

ThermoResults Evaluate(const PhysicalConstants& c, const Molecule& m, double T,
                       const ThermoOptions& o = {}) {
    ThermoResults r;
    r.kT = c.boltzmann * T;
    r.RT = c.gasConst * T;
    ComputeVibration(c, m, o, r, T);
    ComputeElectronic(c, m, r, T);
    ComputeRotation(c, m, r, T);
    ComputeTranslation(c, m, o, r, T);

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

double ZeroPointEnergy(const PhysicalConstants& c, const Molecule& m, const ThermoOptions& o) {
    if (m.atoms <= 1) return 0;
    double sum = 0;
    for (const VibrationalMode& mode : m.modes) sum += mode.wavenumber * mode.degeneracy;
    return ZeroPointEnergyOfModes(c, sum, o);
}

Expected<ThermoResults, ThermoFault> ComputeThermo(const PhysicalConstants& c,
                                                   const Molecule& molecule, double T,
                                                   const ThermoOptions& options) {
    if (const auto fault = OutOfDomain(molecule, T)) return Unexpected{*fault};
    ThermoResults r = Evaluate(c, molecule, T, options);
    if (const auto fault = Unrepresentable(c, r)) {
        if (Unrepresentable(c, Evaluate(c, OrdinaryMolecule(), T)))
            return Unexpected{ThermoFault::kTemperature};
        return Unexpected{*fault};
    }
    return r;
}

}  // namespace moltherm
