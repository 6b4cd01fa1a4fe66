#pragma once

// Typed molecules for the tests of the fits and of their texts: small ones that any fit must
// follow closely, and a floppy six-atom one with a 20 1/cm mode.

#include "engine/molecule.h"

namespace moltherm::testing {

inline Molecule Argon() {
    Molecule m;
    m.molarMass = 39.948;
    return m;
}

inline Molecule LinearMolecule(int atoms, double molarMass, double b, int sigma,
                               std::vector<VibrationalMode> modes) {
    Molecule m;
    m.atoms = atoms;
    m.molarMass = molarMass;
    m.sigma = sigma;
    m.rotationalConstants = {b, 0, 0};
    m.modes = std::move(modes);
    return m;
}

inline Molecule NonlinearMolecule(int atoms, double molarMass, std::array<double, 3> abc, int sigma,
                                  std::vector<VibrationalMode> modes) {
    Molecule m = LinearMolecule(atoms, molarMass, 0, sigma, std::move(modes));
    m.shape = Shape::kNonlinear;
    m.rotationalConstants = abc;
    return m;
}

inline Molecule Water() {
    return NonlinearMolecule(3, 18.015, {27.877, 14.512, 9.285}, 2,
                             {{3657, 1}, {1595, 1}, {3756, 1}});
}

inline Molecule CarbonDioxide() {
    return LinearMolecule(3, 44.01, 0.3902, 2, {{667.4, 2}, {1333, 1}, {2349, 1}});
}

inline Molecule Chlorine() {
    return LinearMolecule(2, 70.906, 0.244, 2, {{560, 1}});
}

// Six atoms, twelve modes from 20 to 3700 1/cm, one electronic level above the ground.
inline Molecule FloppyMolecule() {
    Molecule m = NonlinearMolecule(6, 60.05, {1.2, 0.3, 0.25}, 1,
                                   {{20, 1},
                                    {250, 1},
                                    {400, 1},
                                    {700, 1},
                                    {950, 1},
                                    {1050, 1},
                                    {1150, 1},
                                    {1350, 1},
                                    {1450, 1},
                                    {1500, 1},
                                    {2950, 1},
                                    {3700, 1}});
    m.levels = {{0, 2}, {8000, 2}};
    return m;
}

}  // namespace moltherm::testing
