#pragma once

// The worked examples every layer's tests check against: the molecules as typed, and the exact
// report texts they give (CR LF line ends, the date "12/5/2026" and time "3:04:05 AM").

#include <cstdlib>
#include <string>

#include "calc/calc_input.h"
#include "calc/session.h"

namespace moltherm::testing {

inline const std::string kReportDate = "12/5/2026";
inline const std::string kReportTime = "3:04:05 AM";

inline CalcInputTexts AtomTexts(const std::string& name, const std::string& molarMass) {
    CalcInputTexts t;
    t.name = name;
    t.atomCount = "1";
    t.temperature = "298.15";
    t.molarMass = molarMass;
    t.energies = {"0"};
    t.sigma = "1";
    t.elecDegeneracies = {"1"};
    return t;
}

inline CalcInputTexts DiatomicTexts(const std::string& name, const std::string& molarMass,
                                    const std::string& sigma, const std::string& rotConst,
                                    const std::string& wavenumber) {
    CalcInputTexts t = AtomTexts(name, molarMass);
    t.atomCount = "2";
    t.sigma = sigma;
    t.rotConsts = {rotConst, "", ""};
    t.wavenumbers = {wavenumber};
    t.vibDegeneracies = {"1"};
    return t;
}

inline CalcInputTexts ArgonTexts() {
    return AtomTexts("Ar", "39.948");
}
inline CalcInputTexts HclTexts() {
    return DiatomicTexts("HCl", "36.461", "1", "10.59", "2990.95");
}
inline CalcInputTexts Cl2Texts() {
    return DiatomicTexts("Cl2", "70.906", "2", "0.244", "560");
}

inline CalcInputTexts WaterTexts() {
    CalcInputTexts t = AtomTexts("H2O", "18.015");
    t.atomCount = "3";
    t.sigma = "2";
    t.nonlinear = true;
    t.rotConsts = {"27.877", "14.512", "9.285"};
    t.wavenumbers = {"3657", "1595", "3756"};
    t.vibDegeneracies = {"1", "1", "1"};
    return t;
}

// The session after "Calc" of a worked example (the rows and levels its texts have).
inline CalcSession CalculatedSession(const CalcInputTexts& texts) {
    CalcSession session;
    session.record().nModes =
        static_cast<std::int16_t>(texts.wavenumbers.empty() ? 1 : texts.wavenumbers.size());
    session.record().lastLevel = static_cast<std::int16_t>(texts.energies.size() - 1);
    if (!session.Calc(texts, kReportDate + "  " + kReportTime)) std::abort();
    return session;
}

// The molecule a worked example's texts describe, as "Calc" reads it.
inline Molecule TypedMolecule(const CalcInputTexts& texts) {
    MolecularData record;
    record.nModes =
        static_cast<std::int16_t>(texts.wavenumbers.empty() ? 1 : texts.wavenumbers.size());
    record.lastLevel = static_cast<std::int16_t>(texts.energies.size() - 1);
    auto molecule = ReadCalcInput(PhysicalConstants{}, texts, record);
    if (!molecule) std::abort();
    return *molecule;
}

// The results grid of a worked example at a temperature, as "New T" computes it.
inline ThermoResults ResultsAt(const CalcInputTexts& texts, const std::string& temperature) {
    CalcSession session = CalculatedSession(texts);
    if (!session.AddTable(temperature, texts.vibDegeneracies, texts.elecDegeneracies)) std::abort();
    return session.results();
}

// Cl2 at 298.15 K, then at 1000 K: the two tables below the summary.
inline const std::string kCl2Tables =
    "298.15K        translational rotational vibrational  electronic     total\r\n"
    "  q            : 1.4320E+31   424.643    1.07186500     1.000    6.5180E+33\r\n"
    "  q/N          : 2.3779E+07                                      1.0823E+10\r\n"
    "  S/(J/(K mol)):  162.003      58.628       2.192       0.000     222.822\r\n"
    " Cp/(J/(K mol)):   20.786       8.315       4.677       0.000      33.778\r\n"
    "  U/(kJ/mol)   :    3.718       2.479       0.481       0.000       6.679\r\n"
    "  H/(kJ/mol)   :    6.197       2.479       0.481       0.000       9.158\r\n"
    "  A/(kJ/mol)   :  -44.583     -15.001      -0.172       0.000     -59.756\r\n"
    "  G/(kJ/mol)   :  -42.104     -15.001      -0.172       0.000     -57.277\r\n"
    "\r\n"
    "1000.00K       translational rotational vibrational  electronic     total\r\n"
    "  q            : 2.9503E+32  1424.260    1.80756780     1.000    7.5954E+35\r\n"
    "  q/N          : 4.8991E+08                                      1.2612E+12\r\n"
    "  S/(J/(K mol)):  187.157      68.690      10.332       0.000     266.179\r\n"
    " Cp/(J/(K mol)):   20.786       8.315       7.879       0.000      36.980\r\n"
    "  U/(kJ/mol)   :   12.472       8.315       5.410       0.000      26.196\r\n"
    "  H/(kJ/mol)   :   20.786       8.315       5.410       0.000      34.511\r\n"
    "  A/(kJ/mol)   : -174.686     -60.375      -4.922       0.000    -239.983\r\n"
    "  G/(kJ/mol)   : -166.371     -60.375      -4.922       0.000    -231.668\r\n"
    "\r\n";

inline const std::string kHclSummary =
    "Moltherm Calculation   12/5/2026  3:04:05 AM\r\n"
    "Gas phase linear molecule HCl.\r\n"
    "All data for 1 mole at 1 bar.\r\n"
    "Molar Mass = 36.461 g/mol.\r\n"
    "Symmetry Number = 1.\r\n"
    "Rotational Constant = 10.590000/cm.\r\n"
    "\r\n"
    "Vibrational data\r\n"
    " # Energy*cm (degen)\r\n"
    " 1.  2990.95   (1)\r\n"
    "\r\n"
    "Electronic Data\r\n"
    "Level  Energy*cm (degen)\r\n"
    "  0.        0.00   (1)\r\n"
    "\r\n";

inline const std::string kArgonSummary =
    "Moltherm Calculation   12/5/2026  3:04:05 AM\r\n"
    "Gas phase Ar atom.\r\n"
    "All data for 1 mole at 1 bar.\r\n"
    "Molar Mass = 39.948 g/mol.\r\n"
    "\r\n"
    "Electronic Data\r\n"
    "Level  Energy*cm (degen)\r\n"
    "  0.        0.00   (1)\r\n"
    "\r\n";

}  // namespace moltherm::testing
