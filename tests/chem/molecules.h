#pragma once

#include <cmath>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "chem/atom.h"
#include "chem/elements.h"

// Geometries of real molecules for the chem tests, in Angstrom.
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

inline Atom Isotope(double mass, Atom atom) {
    atom.mass = mass;
    return atom;
}

// clang-format off
// cclib water_mp2.log (Gaussian 16); it prints rotational constants 795.3367043, 401.0831699
// and 266.6255997 GHz.
inline std::vector<Atom> Water() { return Mol(
    "O 0 0 0.119159 H 0 0.790649 -0.476637 H 0 -0.790649 -0.476637"); }

inline std::vector<Atom> HeavyWater() {  // HDO
    std::vector<Atom> m = Water();
    m[2].mass = kDeuterium;
    return m;
}

// GoodVibes HCN_singlet.out: 43.5180532 GHz.
inline std::vector<Atom> HydrogenCyanide() { return Mol(
    "C 0 0 -0.506397 N 0 0 0.66016 H 0 0 -1.582739"); }

// GoodVibes benzene.out (optimised without symmetry): 5.75236, 5.75200, 2.87609 GHz.
inline std::vector<Atom> Benzene() { return Mol(
    "C -0.347635 -1.344283 0.000001 C 0.990447 -0.973144 0.000006 "
    "C 1.338042 0.371078 0.000002 C 0.347571 1.344299 0.000001 C -0.990401 0.97319 0 "
    "C -1.338024 -0.371141 -0.000004 H -0.618403 -2.391648 -0.000005 "
    "H 1.762015 -1.731416 -0.000013 H 2.380461 0.660308 -0.000019 "
    "H 0.618479 2.391628 -0.000007 H -1.762068 1.731362 0.000005 "
    "H -2.380482 -0.660234 0.000002"); }

// GoodVibes allene.out: 143.96949, 8.78162, 8.78162 GHz.
inline std::vector<Atom> Allene() { return Mol(
    "C 0 0 1.314179 H 0 0.933149 1.886367 H 0 -0.933149 1.886367 C 0 0 0 C 0 0 -1.314179 "
    "H -0.933149 0 -1.886367 H 0.933149 0 -1.886367"); }

// GoodVibes ethane.out, staggered, optimised without symmetry (Gaussian itself found C1).
inline std::vector<Atom> Ethane() { return Mol(
    "C 0.765318 0.000004 -0.000003 H 1.164553 1.005505 -0.177152 "
    "H 1.164455 -0.349371 0.959382 H 1.164453 -0.656233 -0.782203 "
    "C -0.765318 -0.000004 0.000003 H -1.164553 -1.00559 0.176665 "
    "H -1.164453 0.655854 0.782521 H -1.164455 0.349836 -0.959212"); }

// Ethane with its second methyl group (atoms 4 to 7) turned about the C-C axis (x).
inline std::vector<Atom> EthaneTwisted(double degrees) {
    std::vector<Atom> m = Ethane();
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
    std::vector<Atom> m = Ethane();
    m[1].mass = m[5].mass = kDeuterium;
    m[2].mass = m[7].mass = kTritium;
    return m;
}

// GoodVibes methane.log
inline std::vector<Atom> Methane() { return Mol(
    "C 0 0 0 H 0.631339 0.631339 0.631339 H -0.631339 -0.631339 0.631339 "
    "H -0.631339 0.631339 -0.631339 H 0.631339 -0.631339 -0.631339"); }

// Methane with its first C-H bond 0.05 Angstrom longer.
inline std::vector<Atom> MethaneStretched() {
    std::vector<Atom> m = Methane();
    for (double& x : m[1].position) x += 0.05 / std::sqrt(3.0);
    return m;
}

// GoodVibes neopentane.out, optimised without symmetry
inline std::vector<Atom> Neopentane() { return Mol(
    "C 0.000007 0.000025 0.000001 C 0.556483 -0.069291 1.434676 "
    "H -0.253702 -0.145972 2.170559 H 1.209378 -0.94145 1.564525 H 1.143102 0.826024 1.675702 "
    "C -0.909307 1.235593 -0.138935 H -1.32205 1.311731 -1.152672 "
    "H -1.751928 1.188111 0.562162 H -0.35544 2.16015 0.066548 C 1.167659 0.106805 -0.999006 "
    "H 1.834164 -0.761462 -0.923555 H 0.801672 0.158259 -2.032062 "
    "H 1.767943 1.005984 -0.812072 C -0.814834 -1.273113 -0.296735 "
    "H -1.655565 -1.376801 0.400568 H -1.225201 -1.252631 -1.314078 "
    "H -0.192415 -2.172058 -0.205627"); }

// GoodVibes CuCN.out: 0.36 degrees from linear; Gaussian treats it as Cs with three constants.
inline std::vector<Atom> CopperCyanide() { return Mol(
    "Cu 0 0.778386 0 C 0.002939 -1.105753 0 N -0.002519 -2.276954 0"); }

// NH3: r(NH) 1.012, HNH 106.7 degrees.
inline std::vector<Atom> Ammonia() { return Mol(
    "N 0 0 0 H 0.9375 0 -0.381 H -0.4688 0.8119 -0.381 H -0.4688 -0.8119 -0.381"); }

// C2H4: r(CC) 1.339, r(CH) 1.086, HCH 117.6 degrees.
inline std::vector<Atom> Ethylene() { return Mol(
    "C 0.6695 0 0 C -0.6695 0 0 H 1.2321 0.9289 0 H 1.2321 -0.9289 0 H -1.2321 0.9289 0 "
    "H -1.2321 -0.9289 0"); }

// H2O2: r(OO) 1.475, r(OH) 0.950, OOH 94.8, dihedral 111.5 degrees.
inline std::vector<Atom> HydrogenPeroxide() { return Mol(
    "O 0 0 0.7375 O 0 0 -0.7375 H 0.5328 0.7825 0.817 H 0.5328 -0.7825 -0.817"); }

// B(OH)3, planar propeller: r(BO) 1.367, r(OH) 0.956, BOH 113 degrees.
inline std::vector<Atom> BoricAcid() { return Mol(
    "B 0 0 0 O 1.367 0 0 H 1.7405 -0.88 0 O -0.6835 1.1839 0 H -0.1082 1.9474 0 "
    "O -0.6835 -1.1839 0 H -1.6324 -1.0673 0"); }

// SF6: r(SF) 1.564, axes turned 0.7 rad about (1, 2, 3).
inline std::vector<Atom> SulfurHexafluoride() { return Mol(
    "S 0 0 0 F 1.2225 0.8604 -0.4598 F -1.2225 -0.8604 0.4598 F -0.7553 1.3013 0.4269 "
    "F 0.7553 -1.3013 -0.4269 F 0.6174 -0.1117 1.4326 F -0.6174 0.1117 -1.4326"); }

// CO2: r(CO) 1.162, along (0.48, -0.6, 0.64)/|..|.
inline std::vector<Atom> CarbonDioxide() { return Mol(
    "C 0 0 0 O 0.55776 -0.6972 0.74368 O -0.55776 0.6972 -0.74368"); }

// HCCH: r(CC) 1.203, r(CH) 1.063; straight, and with both C-C-H angles 179.5 degrees (trans).
inline std::vector<Atom> Acetylene() { return Mol(
    "C 0.6015 0 0 C -0.6015 0 0 H 1.6645 0 0 H -1.6645 0 0"); }
inline std::vector<Atom> AcetyleneTransBent() { return Mol(
    "C 0.6015 0 0 C -0.6015 0 0 H 1.66446 0.009276 0 H -1.66446 -0.009276 0"); }

// The same with only one C-C-H angle 179.5 degrees: one hydrogen lies 0.009 Angstrom off the
// axis, less than the symmetry tolerance, so only a tolerance narrowed to the bend sees Cs (a
// half turn about the axis would pass at 0.01 and make it C2v).
inline std::vector<Atom> AcetyleneBentAtOneEnd() { return Mol(
    "C 0.6015 0 0 C -0.6015 0 0 H 1.66446 0.009276 0 H -1.6645 0 0"); }

// C(OH)4 in its S4 conformer: r(CO) 1.40, r(OH) 0.96, COH 108 degrees, each OH turned 40
// degrees from the plane through C, O and the S4 axis.
inline std::vector<Atom> OrthocarbonicAcid() { return Mol(
    "C 0 0 0 O 0.8083 0.8083 0.8083 H 1.7137 0.7246 0.5004 O 0.8083 -0.8083 -0.8083 "
    "H 0.7246 -1.7137 -0.5004 O -0.8083 -0.8083 0.8083 H -1.7137 -0.7246 0.5004 "
    "O -0.8083 0.8083 -0.8083 H -0.7246 1.7137 -0.5004"); }

// HCl at its equilibrium distance, 1.27455 Angstrom (NIST diatomic spectral database, with
// B_e = 10.5934 1/cm for H-35Cl).
inline std::vector<Atom> HydrogenChloride() { return Mol("H 0 0 0 Cl 0 0 1.27455"); }

// clang-format on

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

}  // namespace moltherm::chem::testing
