// NASA-7 export texts read back against the engine under the window's options, and the line of
// every refusal.
#include "calc/nasa7_export.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "calc/number_text.h"
#include "tests/report/nasa7_read_back.h"
#include "tests/support/data_rows.h"

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

class Nasa7Refusals : public ::testing::TestWithParam<Json> {};

TEST_P(Nasa7Refusals, AreOneLine) {
    const auto r = GetParam()["request"].get<std::vector<std::string>>();
    Molecule m = Water();
    m.molarMass = GetParam().value("molarMass", 18.015);
    ThermoOptions o;
    if (GetParam().value("atmosphere", false)) o.standardState.unit = PressureUnit::kAtm;
    const auto text = Nasa7ExportText(kC, m, o, "H2O", {kChemkin, r[0], r[1], r[2], r[3], r[4]});
    EXPECT_EQ(text ? "written" : text.error(), GetParam()["message"]);
}

INSTANTIATE_TEST_SUITE_P(Calc, Nasa7Refusals, ::testing::ValuesIn(DataRows("nasa7_refusals")),
                         RowName);

}  // namespace
}  // namespace moltherm
