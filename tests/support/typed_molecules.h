#pragma once

// Typed molecules for the tests of the fits and their texts: small ones a fit must follow
// closely, a floppy six-atom one with a 20 1/cm mode, and ethane, more than a quartic can follow.

#include "engine/molecule.h"

namespace moltherm::testing {

inline Molecule TypedMolecule(int atoms, double molarMass, Shape shape, std::array<double, 3> abc,
                              int sigma, std::vector<VibrationalMode> modes) {
    return {atoms, molarMass, shape, sigma, abc, std::move(modes), {ElectronicLevel{}}};
}

inline Molecule Argon() {
    return TypedMolecule(1, 39.948, Shape::kLinear, {}, 1, {});
}
inline Molecule Water() {
    return TypedMolecule(3, 18.015, Shape::kNonlinear, {27.877, 14.512, 9.285}, 2,
                         {{3657, 1}, {1595, 1}, {3756, 1}});
}
inline Molecule CarbonDioxide() {
    return TypedMolecule(3, 44.01, Shape::kLinear, {0.3902}, 2, {{667.4, 2}, {1333, 1}, {2349, 1}});
}
inline Molecule Chlorine() {
    return TypedMolecule(2, 70.906, Shape::kLinear, {0.244}, 2, {{560, 1}});
}
// Modes of one degeneracy, in the order given.
inline std::vector<VibrationalMode> Modes(int degeneracy,
                                          std::initializer_list<double> wavenumbers) {
    std::vector<VibrationalMode> modes;
    for (double w : wavenumbers) modes.push_back({w, degeneracy});
    return modes;
}
// Twelve modes from 20 to 3700 1/cm and an electronic level at 8000 1/cm.
inline Molecule FloppyMolecule() {
    Molecule m =
        TypedMolecule(6, 60.05, Shape::kNonlinear, {1.2, 0.3, 0.25}, 1,
                      Modes(1, {20, 250, 400, 700, 950, 1050, 1150, 1350, 1450, 1500, 2950, 3700}));
    m.levels = {{0, 2}, {8000, 2}};
    return m;
}
inline Molecule Ethane() {
    Molecule m = TypedMolecule(8, 30.07, Shape::kNonlinear, {2.67, 0.6608, 0.6608}, 6,
                               Modes(1, {2954, 1388, 995, 289, 2896, 1379}));
    for (VibrationalMode mode : Modes(2, {2969, 1468, 1190, 2985, 1469, 822}))
        m.modes.push_back(mode);
    return m;
}
}  // namespace moltherm::testing
