// NASA-7 export texts read back against the engine under the window's options, and the line of
// every refusal.
#include "calc/nasa7_export.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "calc/number_text.h"
#include "tests/report/nasa7_read_back.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;

const PhysicalConstants kC;

Nasa7Request Request(Nasa7Format format, const char* formula, const char* enthalpy = "",
                     const char* tlow = "200", const char* tmid = "1000",
                     const char* thigh = "3000") {
    return {format, formula, enthalpy, tlow, tmid, thigh};
}

// The largest deviations the comments print, low range first, widened by half a last digit;
// [J/(K mol)], [J/mol], [J/(K mol)].
std::vector<Nasa7Deviation> PrintedDeviations(const std::string& text) {
    std::vector<Nasa7Deviation> printed;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const auto at = line.find(" K: Cp ");
        if (at == std::string::npos) continue;
        double cp = 0, h = 0, s = 0;
        EXPECT_EQ(std::sscanf(line.c_str() + at, " K: Cp %lf J/(K mol), H %lf kJ/mol, S %lf", &cp,
                              &h, &s),
                  3)
            << line;
        printed.push_back({cp + 5e-4, (h + 5e-4) * 1000, s + 5e-4});
    }
    return printed;
}

struct ExportCase {
    const char* name;
    const char* species;
    Molecule (*molecule)();
    ThermoOptions options;
    Nasa7Request request;
    const char* composition;            // as the readers give it
    std::optional<double> h298;         // the polynomials' H(298.15 K) [J/mol]; none: moltherm's
    std::vector<std::string> noteEnds;  // what lines of the text end with
};

void PrintTo(const ExportCase& c, std::ostream* out) {
    *out << c.name;
}

class Nasa7Exports : public ::testing::TestWithParam<ExportCase> {};

TEST_P(Nasa7Exports, ReadBackFollowTheEngineWithinThePrintedDeviations) {
    const ExportCase& e = GetParam();
    const Molecule m = e.molecule();
    const auto text = Nasa7ExportText(kC, m, e.options, e.species, e.request);
    ASSERT_TRUE(text.has_value()) << text.error();
    const bool chemkin = e.request.format == Nasa7Format::kChemkin;
    for (const std::string& note : e.noteEnds)
        EXPECT_NE(text->find(note + "\n"), std::string::npos) << note << " in\n" << *text;
    const std::vector<ReadSpecies> read =
        chemkin ? ReadChemkinEntries(*text) : ReadCanteraSpecies(*text);
    const std::vector<Nasa7Deviation> printed = PrintedDeviations(*text);
    ASSERT_EQ(read.size(), 1u);
    ASSERT_EQ(printed.size(), 2u);
    const ReadSpecies& r = read[0];
    EXPECT_EQ(r.name, e.species);
    EXPECT_EQ(r.composition, e.composition);
    const Nasa7Temperatures t = r.temperatures;
    EXPECT_EQ(t.low, ParseNumber(e.request.tlow));
    EXPECT_EQ(t.mid, ParseNumber(e.request.tmid));
    EXPECT_EQ(t.high, ParseNumber(e.request.thigh));

    const double h298 = ComputeThermo(kC, m, kReferenceTemperature, e.options)->total.h;
    for (const double f : {0.0, 0.3, 0.999, 1.001, 1.7, 2.0}) {
        const bool high = f > 1;
        const double T = high ? t.mid + (f - 1) * (t.high - t.mid) : t.low + f * (t.mid - t.low);
        const Nasa7Value p = EvaluateNasa7(high ? r.high : r.low, T);
        const Nasa7Deviation& d = printed[high];
        const Contribution exact = ComputeThermo(kC, m, T, e.options)->total;
        EXPECT_NEAR(p.cpOverR * kC.gasConst, exact.cp, d.cp) << T;
        EXPECT_NEAR(p.hOverRT * kC.gasConst * T, exact.h - h298 + e.h298.value_or(h298), d.h) << T;
        EXPECT_NEAR(p.sOverR * kC.gasConst, exact.s, d.s) << T;
    }
}

ThermoOptions ScaledWithZeroPointEnergy() {
    ThermoOptions o;
    o.frequencyScale = 0.96;
    o.zeroPointEnergy = true;
    o.zpeScale = 1;
    return o;
}

// Water's zero-point energy: 1/2 NA hc (3657 + 1595 + 3756) 1/cm = 53.880 kJ/mol.
INSTANTIATE_TEST_SUITE_P(
    Calc, Nasa7Exports,
    ::testing::Values(
        ExportCase{"ChemkinFromTheLowestLevel",
                   "H2O",
                   Water,
                   {},
                   Request(Nasa7Format::kChemkin, "H2O"),
                   "H2 O1",
                   {},
                   {" kJ/mol, moltherm's enthalpy measured from the lowest level (no enthalpy of "
                    "formation given)"}},
        ExportCase{"CanteraFromAnEnthalpyOfFormation",
                   "CO2",
                   CarbonDioxide,
                   {},
                   Request(Nasa7Format::kCantera, " CO2 ", " -393.51 ", "300", "1200", "5000"),
                   "C1 O2",
                   -393510.0,
                   {"\n# CO2: H(298.15 K) = -393.510 kJ/mol, the enthalpy of formation given"}},
        ExportCase{"CanteraUnderTheOptions",
                   "H2O",
                   Water,
                   ScaledWithZeroPointEnergy(),
                   Request(Nasa7Format::kCantera, "H2O"),
                   "H2 O1",
                   {},
                   {" kJ/mol, moltherm's enthalpy measured from the bottom of the well (no "
                    "enthalpy of formation given)",
                    "\n# H2O: Frequencies scaled by 0.96.",
                    "\n# H2O: Zero-point energy 53.880 kJ/mol included (factor 1).",
                    ", H(298.15 K) measured from the bottom of the well\""}},
        ExportCase{"ChemkinUpToTheHighestTemperature",
                   "water",
                   Water,
                   {},
                   Request(Nasa7Format::kChemkin, "HOH", "0", "100", "1000", "100000"),
                   "H2 O1",
                   0.0,
                   {"\n! water: H(298.15 K) = 0.000 kJ/mol, the enthalpy of formation given"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    Nasa7Request request;
    const char* message;
    ThermoOptions options = {};
    double molarMass = 18.015;  // [g/mol]
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class Nasa7Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Nasa7Refusals, AreOneLine) {
    Molecule m = Water();
    m.molarMass = GetParam().molarMass;
    const auto text = Nasa7ExportText(kC, m, GetParam().options, "H2O", GetParam().request);
    ASSERT_FALSE(text.has_value());
    EXPECT_EQ(text.error(), GetParam().message);
}

ThermoOptions OneAtmosphere() {
    ThermoOptions o;
    o.standardState.unit = PressureUnit::kAtm;
    return o;
}

constexpr Nasa7Format kChemkin = Nasa7Format::kChemkin;
constexpr const char* kBadEnthalpy = "Invalid enthalpy of formation";

INSTANTIATE_TEST_SUITE_P(
    Calc, Nasa7Refusals,
    ::testing::Values(
        RefusalCase{"NoFormula", Request(kChemkin, ""), "No formula entered"},
        RefusalCase{"BlankFormula", Request(kChemkin, "  "), "No formula entered"},
        RefusalCase{"SmallLetterSymbol", Request(kChemkin, "h2o"),
                    "Invalid formula: an element symbol is a capital letter and an optional small "
                    "one"},
        RefusalCase{"EnthalpyWithUnit", Request(kChemkin, "H2O", "-241.8 kJ"), kBadEnthalpy},
        RefusalCase{"EnthalpyBeyondADoubleInJoules", Request(kChemkin, "H2O", "1e306"),
                    kBadEnthalpy},
        RefusalCase{"TlowNotANumber", Request(kChemkin, "H2O", "", "2OO"), "Invalid TLOW"},
        RefusalCase{"TmidEmpty", Request(kChemkin, "H2O", "", "200", ""), "Invalid TMID"},
        RefusalCase{"ThighNotANumber", Request(kChemkin, "H2O", "", "200", "1000", "inf"),
                    "Invalid THIGH"},
        RefusalCase{"TlowZero", Request(kChemkin, "H2O", "", "0"), "TLOW must be above 0 K"},
        RefusalCase{"TlowAtTmid", Request(kChemkin, "H2O", "", "1000", "1000"),
                    "TLOW must lie below TMID"},
        RefusalCase{"TmidAboveThigh", Request(kChemkin, "H2O", "", "200", "3000", "1000"),
                    "TMID must lie below THIGH"},
        RefusalCase{"ThighBeyondTheLimit", Request(kChemkin, "H2O", "", "200", "1000", "100000.5"),
                    "THIGH must not exceed 100000 K"},
        RefusalCase{"OneAtmosphere", Request(kChemkin, "H2O"),
                    "NASA-7 polynomials are for 1 bar: set the standard state to 1 bar",
                    OneAtmosphere()},
        RefusalCase{"Massless", Request(kChemkin, "H2O"), "Invalid molar mass", {}, 0},
        RefusalCase{"FiveElementsInChemkin", Request(kChemkin, "CHNOS"),
                    "H2O: a Chemkin entry holds at most four elements"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace moltherm
