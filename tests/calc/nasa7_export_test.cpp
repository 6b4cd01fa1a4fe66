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
constexpr Nasa7Format kChemkin = Nasa7Format::kChemkin;

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

class Nasa7Exports : public ::testing::TestWithParam<Json> {};

TEST_P(Nasa7Exports, ReadBackFollowTheEngineWithinThePrintedDeviations) {
    const Json& e = GetParam();
    const Molecule m = e["molecule"] == "water" ? Water() : CarbonDioxide();
    ThermoOptions o;
    o.frequencyScale = e.value("frequencyScale", 1.0);
    o.zeroPointEnergy = e.contains("zpeScale");
    if (o.zeroPointEnergy) o.zpeScale = e["zpeScale"].get<double>();
    const auto q = e["request"].get<std::vector<std::string>>();
    const Nasa7Format format = e["format"] == "chemkin" ? kChemkin : Nasa7Format::kCantera;
    const auto text =
        Nasa7ExportText(kC, m, o, e["species"], {format, q[0], q[1], q[2], q[3], q[4]});
    ASSERT_TRUE(text.has_value()) << text.error();
    for (const std::string note : e["noteEnds"])
        EXPECT_NE(text->find(note + "\n"), std::string::npos) << note << " in\n" << *text;
    const std::vector<ReadSpecies> read =
        format == kChemkin ? ReadChemkinEntries(*text) : ReadCanteraSpecies(*text);
    const std::vector<Nasa7Deviation> printed = PrintedDeviations(*text);
    ASSERT_EQ(read.size() * 10 + printed.size(), 12u) << *text;
    const ReadSpecies& r = read[0];
    const Nasa7Temperatures t = r.temperatures;
    EXPECT_EQ(std::tuple(r.name, r.composition, t.low, t.mid, t.high),
              std::tuple(e["species"], e["composition"], ParseNumber(q[2]), ParseNumber(q[3]),
                         ParseNumber(q[4])));
    const double h298 = ComputeThermo(kC, m, kReferenceTemperature, o)->total.h;
    for (const double f : {0.0, 0.3, 0.999, 1.001, 1.7, 2.0}) {
        const bool high = f > 1;
        const double T = high ? t.mid + (f - 1) * (t.high - t.mid) : t.low + f * (t.mid - t.low);
        const Nasa7Value p = EvaluateNasa7(high ? r.high : r.low, T);
        const Nasa7Deviation& d = printed[high];
        const Contribution exact = ComputeThermo(kC, m, T, o)->total;
        EXPECT_NEAR(p.cpOverR * kC.gasConst, exact.cp, d.cp) << T;
        EXPECT_NEAR(p.hOverRT * kC.gasConst * T, exact.h - h298 + e.value("h298", h298), d.h) << T;
        EXPECT_NEAR(p.sOverR * kC.gasConst, exact.s, d.s) << T;
    }
}

INSTANTIATE_TEST_SUITE_P(Calc, Nasa7Exports, ::testing::ValuesIn(DataRows("nasa7_exports")),
                         RowName);

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
