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
// Twelve modes from 20 to 3700 1/cm and an electronic level at 8000 1/cm.
inline Molecule FloppyMolecule() {
    Molecule m = TypedMolecule(6, 60.05, Shape::kNonlinear, {1.2, 0.3, 0.25}, 1,
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
inline Molecule Ethane() {
    return TypedMolecule(8, 30.07, Shape::kNonlinear, {2.67, 0.6608, 0.6608}, 6,
                         {{2954, 1},
                          {1388, 1},
                          {995, 1},
                          {289, 1},
                          {2896, 1},
                          {1379, 1},
                          {2969, 2},
                          {1468, 2},
                          {1190, 2},
                          {2985, 2},
                          {1469, 2},
                          {822, 2}});
}

}  // namespace moltherm::testing
