#pragma once

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "chem/atom.h"
#include "chem/elements.h"

// Geometries of real molecules for the chem tests, in Angstrom: tests/data/geometries.xyz holds
// one frame per molecule, its comment line the molecule's name, "|", and where it comes from.
//
// Sources:
// - "GoodVibes" examples (github.com/patonlab/GoodVibes, examples/*.out|log, MIT licence): the
//   last "Standard orientation" of Gaussian 09/16 frequency jobs, as printed (6 decimals). Most
//   were optimised without symmetry, so they carry the scatter of real outputs.
// - cclib regression data (github.com/cclib/cclib, data/Gaussian/basicGaussian16/water_mp2.log,
//   BSD 3-clause licence): water, Gaussian 16.
// - Experimental geometries listed by NIST CCCBDB (cccbdb.nist.gov), built in a tilted frame
//   and printed to 4 (or 6) decimals.
namespace moltherm::chem::testing {

inline Atom At(std::string_view symbol, double x, double y, double z) {
    const Element* e = ElementBySymbol(symbol);
    return Atom{e->number, {x, y, z}, e->isotopeMass};
}

inline constexpr double kDeuterium = 2.01410177812;  // [u], NIST
inline constexpr double kTritium = 3.0160492779;     // [u], NIST

// "O 0 0 0.119159 H ..." as atoms: a symbol and three coordinates each.
inline std::vector<Atom> Mol(const char* text) {
    std::istringstream in(text);
    std::vector<Atom> atoms;
    std::string symbol;
    for (double x, y, z; in >> symbol >> x >> y >> z;) atoms.push_back(At(symbol, x, y, z));
    return atoms;
}

// The frame of tests/data/geometries.xyz whose comment line starts with `name` and " |".
inline std::vector<Atom> Geometry(std::string_view name) {
    std::ifstream in(MOLTHERM_TEST_DATA "/geometries.xyz");
    std::string count, comment, line, frame;
    while (std::getline(in, count) && std::getline(in, comment)) {
        frame.clear();
        for (int i = std::stoi(count); i > 0 && std::getline(in, line); --i) frame += line + ' ';
        if (comment.rfind(std::string(name) + " |", 0) == 0) return Mol(frame.c_str());
    }
    std::abort();  // no such frame: a typo in a test
}

inline Atom Isotope(double mass, Atom atom) {
    atom.mass = mass;
    return atom;
}

inline std::vector<Atom> HeavyWater() {  // HDO
    std::vector<Atom> m = Geometry("Water");
    m[2].mass = kDeuterium;
    return m;
}

// Ethane with its second methyl group (atoms 4 to 7) turned about the C-C axis (x).
inline std::vector<Atom> EthaneTwisted(double degrees) {
    std::vector<Atom> m = Geometry("Ethane");
    const double a = degrees * 3.14159265358979 / 180;
    for (std::size_t i = 4; i < 8; ++i) {
        auto& p = m[i].position;
        const double y = p[1], z = p[2];
        p[1] = y * std::cos(a) - z * std::sin(a);
        p[2] = y * std::sin(a) + z * std::cos(a);
    }
    return m;
}

// meso-CHDT-CHDT, anti: ethane with D and T on inversion partners; the only symmetry left is i.
inline std::vector<Atom> DideuterioditritioEthane() {
    std::vector<Atom> m = Geometry("Ethane");
    m[1].mass = m[5].mass = kDeuterium;
    m[2].mass = m[7].mass = kTritium;
    return m;
}

// Methane with its first C-H bond 0.05 Angstrom longer.
inline std::vector<Atom> MethaneStretched() {
    std::vector<Atom> m = Geometry("Methane");
    for (double& x : m[1].position) x += 0.05 / std::sqrt(3.0);
    return m;
}

// C60 as a truncated icosahedron with every edge 1.42 Angstrom: the cyclic permutations of
// (0, +-1, +-3phi), (+-1, +-(2+phi), +-2phi), (+-phi, +-2, +-(2phi+1)), edge 2, scaled.
inline std::vector<Atom> Fullerene() {
    const double phi = (1 + std::sqrt(5.0)) / 2;
    const double base[3][3] = {{0, 1, 3 * phi}, {1, 2 + phi, 2 * phi}, {phi, 2, 2 * phi + 1}};
    std::vector<Atom> m;
    for (const auto& b : base) {
        for (int signs = 0; signs < 8; ++signs) {
            double v[3];
            for (int k = 0; k < 3; ++k) v[k] = (signs >> k & 1 ? -1 : 1) * b[k] * 0.71;
            if ((v[0] == 0 && signs & 1)) continue;  // -0 is +0
            for (int shift = 0; shift < 3; ++shift) {
                m.push_back(At("C", v[shift], v[(shift + 1) % 3], v[(shift + 2) % 3]));
            }
        }
    }
    return m;
}

// A frame of tests/data/geometries.xyz by its name, one of the molecules built above, or atoms
// written out as Mol writes them.
inline std::vector<Atom> NamedMolecule(const std::string& name) {
    if (name.empty() || name.find(' ') != std::string::npos) return Mol(name.c_str());
    if (name == "ArgonAtom") return {At("Ar", 1, 2, 3)};
    if (name == "HeavyWater") return HeavyWater();
    if (name == "MethaneStretched") return MethaneStretched();
    if (name == "EthaneEclipsed") return EthaneTwisted(60);
    if (name == "EthaneTwisted20") return EthaneTwisted(20);
    if (name == "DideuterioditritioEthane") return DideuterioditritioEthane();
    return name == "Fullerene" ? Fullerene() : Geometry(name);
}

}  // namespace moltherm::chem::testing
