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
constexpr Nasa7Format kChemkin = Nasa7Format::kChemkin, kCantera = Nasa7Format::kCantera;
const auto kName = [](const auto& info) { return std::string(info.param.name); };

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
        double cp = 0, h = 0, s = 0;
        const auto at = line.find(" K: Cp ");
        if (at != std::string::npos &&
            std::sscanf(line.c_str() + at, " K: Cp %lf J/(K mol), H %lf kJ/mol, S %lf", &cp, &h,
                        &s) == 3)
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

class Nasa7Exports : public ::testing::TestWithParam<ExportCase> {};

TEST_P(Nasa7Exports, ReadBackFollowTheEngineWithinThePrintedDeviations) {
    const ExportCase& e = GetParam();
    const Molecule m = e.molecule();
    const auto text = Nasa7ExportText(kC, m, e.options, e.species, e.request);
    ASSERT_TRUE(text.has_value()) << text.error();
    for (const std::string& note : e.noteEnds)
        EXPECT_NE(text->find(note + "\n"), std::string::npos) << note << " in\n" << *text;
    const std::vector<ReadSpecies> read =
        e.request.format == kChemkin ? ReadChemkinEntries(*text) : ReadCanteraSpecies(*text);
    const std::vector<Nasa7Deviation> printed = PrintedDeviations(*text);
    ASSERT_EQ(read.size() * 10 + printed.size(), 12u) << *text;
    const ReadSpecies& r = read[0];
    const Nasa7Temperatures t = r.temperatures;
    EXPECT_EQ(std::tuple(r.name, r.composition, t.low, t.mid, t.high),
              std::tuple(e.species, e.composition, ParseNumber(e.request.tlow),
                         ParseNumber(e.request.tmid), ParseNumber(e.request.thigh)));
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

const char* const kFromLowest =
    " kJ/mol, moltherm's enthalpy measured from the lowest level (no enthalpy of formation given)";
const char* const kFromWell =
    " kJ/mol, moltherm's enthalpy measured from the bottom of the well (no enthalpy of formation "
    "given)";

// Water's zero-point energy: 1/2 NA hc (3657 + 1595 + 3756) 1/cm = 53.880 kJ/mol.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Calc, Nasa7Exports, ::testing::Values(
    ExportCase{"ChemkinFromTheLowestLevel", "H2O", Water, {}, Request(kChemkin, "H2O"), "H2 O1", {}, {kFromLowest}},
    ExportCase{"CanteraFromAnEnthalpyOfFormation", "CO2", CarbonDioxide, {},
               Request(kCantera, " CO2 ", " -393.51 ", "300", "1200", "5000"), "C1 O2", -393510.0,
               {"\n# CO2: H(298.15 K) = -393.510 kJ/mol, the enthalpy of formation given"}},
    ExportCase{"CanteraUnderTheOptions", "H2O", Water, ScaledWithZeroPointEnergy(), Request(kCantera, "H2O"), "H2 O1", {},
               {kFromWell, "\n# H2O: Frequencies scaled by 0.96.",
                "\n# H2O: Zero-point energy 53.880 kJ/mol included (factor 1).",
                ", H(298.15 K) measured from the bottom of the well\""}},
    ExportCase{"ChemkinUpToTheHighestTemperature", "water", Water, {}, Request(kChemkin, "HOH", "0", "100", "1000", "100000"),
               "H2 O1", 0.0, {"\n! water: H(298.15 K) = 0.000 kJ/mol, the enthalpy of formation given"}}), kName);
// clang-format on

struct RefusalCase {
    const char* name;
    Nasa7Request request;
    const char* message;
    PressureUnit unit = PressureUnit::kBar;
    double molarMass = 18.015;  // [g/mol]
};

class Nasa7Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Nasa7Refusals, AreOneLine) {
    Molecule m = Water();
    m.molarMass = GetParam().molarMass;
    ThermoOptions o;
    o.standardState.unit = GetParam().unit;
    const auto text = Nasa7ExportText(kC, m, o, "H2O", GetParam().request);
    EXPECT_EQ(text ? "written" : text.error(), GetParam().message);
}

constexpr const char* kBadEnthalpy = "Invalid enthalpy of formation";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Calc, Nasa7Refusals, ::testing::Values(
    RefusalCase{"NoFormula", Request(kChemkin, ""), "No formula entered"},
    RefusalCase{"BlankFormula", Request(kChemkin, "  "), "No formula entered"},
    RefusalCase{"SmallLetterSymbol", Request(kChemkin, "h2o"), "Invalid formula: an element symbol is a capital letter and an optional small one"},
    RefusalCase{"EnthalpyWithUnit", Request(kChemkin, "H2O", "-241.8 kJ"), kBadEnthalpy},
    RefusalCase{"EnthalpyBeyondADoubleInJoules", Request(kChemkin, "H2O", "1e306"), kBadEnthalpy},
    RefusalCase{"TlowNotANumber", Request(kChemkin, "H2O", "", "2OO"), "Invalid TLOW"},
    RefusalCase{"TmidEmpty", Request(kChemkin, "H2O", "", "200", ""), "Invalid TMID"},
    RefusalCase{"ThighNotANumber", Request(kChemkin, "H2O", "", "200", "1000", "inf"), "Invalid THIGH"},
    RefusalCase{"TlowZero", Request(kChemkin, "H2O", "", "0"), "TLOW must be above 0 K"},
    RefusalCase{"TlowAtTmid", Request(kChemkin, "H2O", "", "1000", "1000"), "TLOW must lie below TMID"},
    RefusalCase{"TmidAboveThigh", Request(kChemkin, "H2O", "", "200", "3000", "1000"), "TMID must lie below THIGH"},
    RefusalCase{"ThighBeyondTheLimit", Request(kChemkin, "H2O", "", "200", "1000", "100000.5"), "THIGH must not exceed 100000 K"},
    RefusalCase{"OneAtmosphere", Request(kChemkin, "H2O"), "NASA-7 polynomials are for 1 bar: set the standard state to 1 bar", PressureUnit::kAtm},
    RefusalCase{"Massless", Request(kChemkin, "H2O"), "Invalid molar mass", PressureUnit::kBar, 0},
    RefusalCase{"FiveElementsInChemkin", Request(kChemkin, "CHNOS"), "H2O: a Chemkin entry holds at most four elements"}), kName);
// clang-format on

}  // namespace
}  // namespace moltherm
