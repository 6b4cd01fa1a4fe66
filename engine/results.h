#pragma once

namespace moltherm {

// One column of the results grid. q is per molecule (dimensionless); U, H, A, G [J/mol];
// S, Cp [J/(K mol)].
struct Contribution {
    double q = 0;
    double u = 0;
    double s = 0;
    double cp = 0;
    double h = 0;
    double a = 0;
    double g = 0;
};

// The results grid of one molecule at one temperature.
struct ThermoResults {
    Contribution trans;
    Contribution rot;
    Contribution vib;
    Contribution elec;
    Contribution total;
    double kT = 0;  // [J]
    double RT = 0;  // [J/mol]
};

}  // namespace moltherm
