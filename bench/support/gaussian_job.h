#pragma once

// A Gaussian frequency job of 100 atoms (294 modes), laid out as Gaussian 16 prints one: the
// input of the benchmarks that read and open outputs.
#include <cmath>
#include <cstdio>
#include <string>

namespace moltherm::bench {

inline constexpr int kAtoms = 100;

inline std::string Line(const char* format, auto... values) {
    char text[256];
    std::snprintf(text, sizeof text, format, values...);
    return std::string(text) + "\n";
}

// A chain of 50 CH pairs on a helix; distinct positions are all the reader needs.
inline std::string Orientation(const char* title) {
    std::string text = Line("                         %s", title);
    text +=
        " ---------------------------------------------------------------------\n"
        " Center     Atomic      Atomic             Coordinates (Angstroms)\n"
        " Number     Number       Type             X           Y           Z\n"
        " ---------------------------------------------------------------------\n";
    for (int k = 0; k < kAtoms; ++k) {
        const double turn = 0.6 * k;
        const double radius = (k % 2 == 0) ? 1.5 : 2.6;
        text += Line(" %6d %10d %11d %14.6f %11.6f %11.6f", k + 1, k % 2 == 0 ? 6 : 1, 0,
                     radius * std::cos(turn), radius * std::sin(turn), 0.75 * k);
    }
    return text + " ---------------------------------------------------------------------\n";
}

inline std::string GaussianFrequencyJob() {
    std::string text =
        " Entering Gaussian System, Link 0=g16\n"
        " Gaussian 16:  ES64L-G16RevA.03 25-Dec-2016\n"
        " #p b3lyp/6-31g(d) freq\n"
        " Charge =  0 Multiplicity = 1\n";
    text += Orientation("Input orientation:") + Orientation("Standard orientation:");
    text +=
        " Rotational constants (GHZ):           0.1234567           0.0456789           0.0412345\n"
        " SCF Done:  E(RB3LYP) =  -1560.12345678     A.U. after   12 cycles\n"
        " Harmonic frequencies (cm**-1), IR intensities (KM/Mole), Raman scattering\n";
    const int modes = 3 * kAtoms - 6;
    for (int first = 0; first < modes; first += 3) {
        text += Line("                     %4d                   %4d                   %4d",
                     first + 1, first + 2, first + 3);
        text += "                      A                      A                      A\n";
        text += Line(" Frequencies -- %10.4f             %10.4f             %10.4f",
                     20.0 + 12.0 * first, 26.0 + 12.0 * first, 32.0 + 12.0 * first);
        text +=
            " Red. masses --      1.0783                 1.0865                 1.1012\n"
            " Frc consts  --      0.0121                 0.0175                 0.0237\n"
            " IR Inten    --      0.1144                 0.0561                 0.3277\n"
            "  Atom  AN      X      Y      Z        X      Y      Z        X      Y      Z\n";
        for (int k = 0; k < kAtoms; ++k) {
            text += Line(
                "  %4d %3d   %5.2f  %5.2f  %5.2f    %5.2f  %5.2f  %5.2f    %5.2f  %5.2f  %5.2f",
                k + 1, k % 2 == 0 ? 6 : 1, 0.01, -0.02, 0.03, 0.04, -0.05, 0.06, 0.07, -0.08, 0.09);
        }
    }
    text +=
        "\n -------------------\n - Thermochemistry -\n -------------------\n"
        " Temperature   298.150 Kelvin.  Pressure   1.00000 Atm.\n";
    for (int k = 0; k < kAtoms; ++k) {
        text += Line(" Atom %5d has atomic number %2d and mass %9.5f", k + 1, k % 2 == 0 ? 6 : 1,
                     k % 2 == 0 ? 12.0 : 1.00783);
    }
    text +=
        " Rotational symmetry number  1.\n"
        " Rotational constants (GHZ):           0.12346     0.04568     0.04123\n"
        " Normal termination of Gaussian 16.\n";
    return text;
}

}  // namespace moltherm::bench
