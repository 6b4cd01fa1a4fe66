#pragma once

#include <optional>

namespace moltherm {

// The unit a standard state was given in: kept so that the report names it as the user did.
enum class PressureUnit { kBar, kAtm, kPa, kKPa, kMPa, kTorr };

// The standard state of the translational partition function: the volume of one molecule is
// kT/p at a pressure, or 1/(c 1000 NA) [m^3] at a concentration c [mol/L].
struct StandardState {
    enum class Kind { kPressure, kConcentration };
    Kind kind = Kind::kPressure;
    double value = 1;  // in `unit` for a pressure, [mol/L] for a concentration
    PressureUnit unit = PressureUnit::kBar;

    double pascal() const;  // the pressure [Pa]; only for kPressure
    bool isOneBar() const { return kind == Kind::kPressure && pascal() == 100000; }
};

// The conventions of a calculation beyond the textbook defaults. Every default leaves the
// results exactly as without options.
struct ThermoOptions {
    StandardState standardState;
    // Every wavenumber is multiplied by F in all vibrational terms (0 < F <= 2).
    double frequencyScale = 1;
    // Energies measured from the bottom of the well: E0 = 1/2 NA hc sum g nu F_zpe [J/mol] is
    // added to U, H, A and G of vibration and the total, and q_vib = q(v=0) e^(-E0/RT). E0 uses
    // the wavenumbers as given (neither scaled by F nor raised); F_zpe defaults to F.
    bool zeroPointEnergy = false;
    std::optional<double> zpeScale;
    // Grimme's quasi-RRHO entropy: per mode S = w S_HO + (1 - w) S_FR with
    // w = 1 / (1 + (W0/nu)^4), S_HO = R [x/(e^x - 1) - ln(1 - e^-x)],
    // S_FR = R [1/2 + ln sqrt(8 pi^3 mu' k T / h^2)], mu = h / (8 pi^2 c nu),
    // mu' = mu B_av / (mu + B_av), B_av = 1e-44 kg m^2. Cutoff W0 [1/cm].
    std::optional<double> qrrhoEntropyCutoff;
    // Head-Gordon's quasi-RRHO energy: per mode U = w (RT x/(e^x - 1) [+ E0 of the mode]) +
    // (1 - w) RT/2 and Cp = w C_HO + (1 - w) R/2, the same w. Cutoff W0 [1/cm].
    std::optional<double> qrrhoEnthalpyCutoff;
    // Truhlar: every wavenumber below W (after scaling) is raised to W in all vibrational terms
    // (not in E0) [1/cm].
    std::optional<double> raiseLowModesTo;

    double zpeFactor() const { return zpeScale.value_or(frequencyScale); }
    bool quasiRrho() const { return qrrhoEntropyCutoff || qrrhoEnthalpyCutoff; }
    bool isDefault() const {
        return standardState.isOneBar() && frequencyScale == 1 && !zeroPointEnergy && !zpeScale &&
               !quasiRrho() && !raiseLowModesTo;
    }
};

}  // namespace moltherm
