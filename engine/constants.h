#pragma once

namespace moltherm {

// The physical constants as the fixed decimal literals the results depend on. They are stored,
// not derived: pi is the 15-digit decimal, not the double nearest to pi, and gasConst and hcCm
// are the rounded products avogadro*boltzmann and planck*c[cm/s].
struct PhysicalConstants {
    double pi = 3.14159265358979;
    double avogadro = 6.0221367e23;       // [1/mol]
    double boltzmann = 1.380658e-23;      // [J/K]
    double planck = 6.6260755e-34;        // [J s]
    double gasConst = 8.3145112119486;    // [J/(K mol)]
    double stdPressure = 100000;          // [Pa], 1 bar
    double hcCm = 1.986447461038579e-23;  // [J cm], wavenumber in 1/cm to energy in J
};

}  // namespace moltherm
