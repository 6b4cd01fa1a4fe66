#include "calc/sweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "calc/sweep_text.h"
#include "tests/support/data_rows.h"
#include "tests/support/worked_examples.h"

namespace moltherm {
namespace {

const PhysicalConstants kConstants;
using namespace moltherm::testing;

Molecule Hcl() {
    return TypedMolecule(HclTexts());
}
// Water with a low-lying excited level, so that every part has a heat capacity.
Molecule Water() {
    CalcInputTexts water = WaterTexts();
    water.energies = {"0", "400"};
    water.elecDegeneracies = {"1", "2"};
    return TypedMolecule(water);
}

std::vector<SweepRow> Sweep(const Molecule& m, TemperatureRange range,
                            const ThermoOptions& options = {}) {
    auto rows = ComputeSweep(kConstants, m, options, range);
    EXPECT_TRUE(rows.has_value()) << rows.error();
    return rows ? *rows : std::vector<SweepRow>{};
}

ThermoOptions QuasiRrho() {
    ThermoOptions o;
    o.zeroPointEnergy = true;
    o.qrrhoEnthalpyCutoff = 1000;
    o.qrrhoEntropyCutoff = 1000;
    return o;
}

class SweepIdentities : public ::testing::TestWithParam<Json> {};

// Per part: H-H(298.15) vanishes at 298.15 K, its slope is Cp, -[G-H(298.15)]/T is
// S - (H-H(298.15))/T, and translation and rotation have their classical Cp.
TEST_P(SweepIdentities, HoldPerPart) {
    const Json& c = GetParam();
    const Molecule m = c["molecule"] == "Ar"    ? TypedMolecule(ArgonTexts())
                       : c["molecule"] == "HCl" ? Hcl()
                                                : Water();
    const ThermoOptions options = c["quasiRrho"] ? QuasiRrho() : ThermoOptions{};
    const double R = kConstants.gasConst;
    for (const SweepRow& row : Sweep(m, {298.15, 298.15, 1}, options))
        for (const SweepValues& v : row.parts) EXPECT_EQ(v.hMinusHRef, 0);
    for (const double t : {60.0, 298.15, 750.0, 2500.0}) {
        const double d = 0.01;
        const auto rows = Sweep(m, {t - d, t + d, d}, options);
        ASSERT_EQ(rows.size(), t == 298.15 ? 3u : 4u);
        const std::size_t mid = t <= 298.15 ? 1 : 2;
        ASSERT_EQ(rows[mid].temperature, t);
        for (std::size_t p = 0; p < kSweepPartCount; ++p) {
            const auto part = static_cast<SweepPart>(p);
            const SweepValues& v = rows[mid][part];
            const double slope =
                (rows[mid + 1][part].hMinusHRef - rows[mid - 1][part].hMinusHRef) * 1000 / (2 * d);
            EXPECT_NEAR(slope, v.cp, 1e-5 + 1e-6 * v.cp) << SweepPartName(part) << " at " << t;
            EXPECT_NEAR(v.gibbsFunction, v.s - v.hMinusHRef * 1000 / t, 1e-9 * (std::abs(v.s) + 1));
        }
        EXPECT_NEAR(rows[mid][SweepPart::kTranslational].cp, 2.5 * R, 1e-9);
        EXPECT_NEAR(rows[mid][SweepPart::kRotational].cp, Number(c["rotationalCp"]) * R, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(Molecules, SweepIdentities,
                         ::testing::ValuesIn(DataRows("sweep_identities")), RowName);

// The temperatures of a range, or the refusal of the sweep over it.
class SweepGrid : public ::testing::TestWithParam<Json> {};

TEST_P(SweepGrid, IncludesTheReferenceInOrderOrSaysWhyNot) {
    const Json& r = GetParam()["range"];
    const TemperatureRange range{Number(r[0]), Number(r[1]), Number(r[2])};
    if (!GetParam().contains("message")) {
        const auto temperatures = SweepTemperatures(range);
        ASSERT_TRUE(temperatures.has_value()) << temperatures.error();
        EXPECT_EQ(*temperatures, GetParam()["temperatures"].get<std::vector<double>>());
        return;
    }
    Molecule m = Hcl();
    m.molarMass = GetParam().value("molarMass", m.molarMass);
    const auto rows = ComputeSweep(kConstants, m, {}, range);
    EXPECT_EQ(rows ? "computed" : rows.error(), GetParam()["message"]);
}

INSTANTIATE_TEST_SUITE_P(Ranges, SweepGrid, ::testing::ValuesIn(DataRows("sweep_ranges")), RowName);

TEST(SweepCsv, HeaderWithUnitsAndOneLinePerRow) {
    const auto rows = Sweep(Hcl(), {100, 3000, 100});
    const std::string csv = SweepCsv(rows);
    std::istringstream lines(csv);
    std::string header, line;
    std::getline(lines, header);
    std::string expected = "T [K]";
    for (const char* part : {"translational", "rotational", "vibrational", "electronic", "total"})
        expected += std::string(",Cp ") + part + " [J/(K mol)],S " + part +
                    " [J/(K mol)],H-H(298.15) " + part + " [kJ/mol],-[G-H(298.15)]/T " + part +
                    " [J/(K mol)],G " + part + " [kJ/mol]";
    EXPECT_EQ(header, expected);
    std::size_t count = 0;
    for (; std::getline(lines, line); ++count) {
        std::vector<double> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');) fields.push_back(std::stod(cell));
        ASSERT_EQ(fields.size(), 1 + kSweepColumnCount) << line;
        EXPECT_EQ(fields[0], rows[count].temperature);
        EXPECT_EQ(fields[4 * 5 + 3], rows[count][SweepPart::kTotal].hMinusHRef);
    }
    EXPECT_EQ(count, 31u);
    EXPECT_EQ(csv.back(), '\n');
}

// Argon at 298.15 K: JANAF lists Cp 20.786 and S 154.845 J/(K mol); this program's constants
// give S 0.002 higher. G = 5/2 RT - TS.
TEST(SweepPrintedText, ABlockPerPartWithinEightyColumns) {
    const std::string text =
        SweepPrintedText(Sweep(TypedMolecule(ArgonTexts()), {298.15, 298.15, 1}));
    EXPECT_TRUE(text.starts_with(
        "translational\n"
        "         T           Cp            S  H-H(298.15)  -[G-H(298.15)]/T            G\n"
        "       [K]  [J/(K mol)]  [J/(K mol)]     [kJ/mol]       [J/(K mol)]     [kJ/mol]\n"
        "    298.15       20.786      154.847        0.000           154.847      -39.970\n"))
        << text;
    EXPECT_NE(text.find("\ntotal\n"), std::string::npos);
    // A temperature that fills its column stands at the line's start.
    const Molecule argon = TypedMolecule(ArgonTexts());
    EXPECT_NE(SweepPrintedText(Sweep(argon, {12345.6789, 12345.6789, 1})).find("\n12345.6789 "),
              std::string::npos);
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 80u) << line;
}

}  // namespace
}  // namespace moltherm
