#include "engine/thermo.h"

#include <cmath>

#include "engine/number_text.h"

namespace moltherm {
namespace {

struct VibrationalMode {
    double qMode;
    double uMode;   // x*g/(e^x - 1)
    double cpMode;  // g*x^2*e^x/(e^x - 1)^2
};

// The written formulas where exp(x) is finite; past that the same terms through exp(-x),
// which cannot overflow and tend to zero as they should.
VibrationalMode EvaluateMode(double xVib, double degen) {
    VibrationalMode m{};
    m.qMode = 1 / (1 - std::exp(-xVib));
    const double expX = std::exp(xVib);
    if (std::isfinite(expX)) {
        m.uMode = xVib * degen / (expX - 1);
        m.cpMode = m.uMode * m.uMode / degen * expX;
    } else {
        const double expMinusX = std::exp(-xVib);
        const double oneMinus = 1 - expMinusX;
        m.uMode = xVib * degen * expMinusX / oneMinus;
        m.cpMode = degen * xVib * xVib * expMinusX / (oneMinus * oneMinus);
    }
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

}  // namespace

ThermoOutcome ComputeThermo(const PhysicalConstants& c, const MolecularData& data,
                            std::string_view temperatureText, const DegeneracyTexts& degeneracies) {
    const auto parsed = ParseNumber(temperatureText);
    if (!parsed) return ThermoOutcome{std::nullopt, kInvalidTemperature, {}};
    return ComputeThermoAt(c, data, *parsed, degeneracies);
}

ThermoOutcome ComputeThermoAt(const PhysicalConstants& c, const MolecularData& data, double T,
                              const DegeneracyTexts& degeneracies) {
    ThermoOutcome out{T, std::nullopt, {}};
    if (T < 0) {
        out.error = kNegativeTemperature;
        return out;
    }
    // kT = 0 divides by zero in the vibrational and electronic terms.
    if (T == 0) {
        out.error = kInvalidTemperature;
        return out;
    }
    // The stored arrays must cover the rows and levels the counts name.
    if (static_cast<int>(data.elecEnergy.size()) <= data.lastLevel ||
        (data.nAtoms > 1 && static_cast<int>(data.vibFreq.size()) <= data.nModes))
        return ThermoOutcome{T, "Rows and levels do not match the stored data", {}};
    ThermoResults& r = out.results;
    const double R = c.gasConst;
    r.kT = c.boltzmann * T;
    r.RT = c.gasConst * T;

    Contribution& vib = r.vib;
    vib.q = 1;
    if (data.nAtoms > 1) {
        const int rows = data.nModes;
        for (int i = 1; i <= rows; ++i) {
            const auto degen = ParseNumber(i - 1 < static_cast<int>(degeneracies.vibrational.size())
                                               ? std::string_view(degeneracies.vibrational[i - 1])
                                               : std::string_view());
            if (!degen || *degen < 1) return ThermoOutcome{T, kInvalidDegeneracy, {}};
            const double xVib = data.vibFreq[i] * c.hcCm / r.kT;
            const VibrationalMode m = EvaluateMode(xVib, *degen);
            vib.q = vib.q * std::pow(m.qMode, *degen);
            vib.u = vib.u + m.uMode;
            vib.cp = vib.cp + m.cpMode;
        }
    }
    vib.u = r.RT * vib.u;
    vib.cp = R * vib.cp;
    vib.s = vib.u / T + R * std::log(vib.q);

    Contribution& elec = r.elec;
    for (int i = 0; i <= data.lastLevel; ++i) {
        const auto degen = ParseNumber(i < static_cast<int>(degeneracies.electronic.size())
                                           ? std::string_view(degeneracies.electronic[i])
                                           : std::string_view());
        if (!degen || *degen < 1) return ThermoOutcome{T, kInvalidDegeneracy, {}};
        const double energy = data.elecEnergy[i];
        const double levelWeight = std::exp(-c.hcCm * energy / r.kT) * *degen;
        elec.q = elec.q + levelWeight;
        elec.u = elec.u + energy * levelWeight;
        elec.cp = elec.cp + energy * energy * levelWeight;
    }
    elec.u = elec.u * c.hcCm * c.avogadro / elec.q;
    const double hcOverKT = c.hcCm / r.kT;
    elec.cp = hcOverKT * hcOverKT * R / elec.q * elec.cp - elec.u * elec.u / (T * r.RT);
    elec.s = elec.u / T + R * std::log(elec.q);

    Contribution& rot = r.rot;
    if (data.nAtoms == 1) {
        rot.q = 1;
    } else {
        rot.q = std::pow(T, data.rotExponent) * data.rotCoef;
        rot.u = data.rotExponent * r.RT;
        rot.cp = data.rotExponent * R;
        rot.s = rot.u / T + R * std::log(rot.q);
    }

    Contribution& trans = r.trans;
    trans.q = std::pow(T, 2.5) * data.transCoef;
    trans.u = 1.5 * r.RT;
    trans.cp = 2.5 * R;
    trans.s = R * std::log(trans.q) + 2.5 * R;

    Contribution& total = r.total;
    total.u = rot.u + trans.u + vib.u + elec.u;
    total.s = trans.s + rot.s + vib.s + elec.s;
    total.cp = rot.cp + trans.cp + vib.cp + elec.cp;
    total.q = rot.q * trans.q * vib.q * elec.q;

    trans.h = r.RT + trans.u;
    rot.h = rot.u;
    vib.h = vib.u;
    elec.h = elec.u;
    total.h = total.u + r.RT;
    for (Contribution* x : {&trans, &rot, &vib, &elec, &total}) FillFreeEnergies(*x, T);

    // One mole's q is avogadro*q/N; it must stay finite too, as the table prints it.
    const bool finite = Finite(trans) && Finite(rot) && Finite(vib) && Finite(elec) &&
                        Finite(total) && std::isfinite(c.avogadro * trans.q) &&
                        std::isfinite(c.avogadro * total.q);
    if (!finite) return ThermoOutcome{T, kInvalidTemperature, {}};
    return out;
}

}  // namespace moltherm
