#include "report/cantera_yaml.h"

#include <gtest/gtest.h>

#include "tests/report/nasa7_read_back.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;

TEST(CanteraYaml, ReadBackFollowsTheEngineWithTheSameDoubles) {
    const std::vector<FittedMolecule> fitted = FittedMolecules();
    std::vector<Nasa7Species> species;
    for (const FittedMolecule& f : fitted) species.push_back(f.species);
    const std::vector<ReadSpecies> read = ReadCanteraSpecies(FormatCanteraSpecies(species, "\n"));
    ASSERT_EQ(read.size(), 3u);
    const char* compositions[] = {"H2 O1", "C1 O2", "C2 H4 O2"};
    for (std::size_t k = 0; k < 3; ++k)
        ExpectFollowsTheEngine(fitted[k], read[k], compositions[k], 0);
}

TEST(CanteraYaml, HandmadeFitByteForByte) {
    EXPECT_EQ(FormatCanteraSpecies({HandmadeSpecies()}, "\r\n"),
              "# NASA-7 polynomials fitted by moltherm to its ideal-gas Cp, H and S\r\n"
              "species:\r\n"
              "# HOCl: largest deviations 200-1000 K: Cp 0.013 J/(K mol), H 0.003 kJ/mol, S "
              "0.004 J/(K mol)\r\n"
              "# HOCl: largest deviations 1000-3000 K: Cp 0.020 J/(K mol), H 0.005 kJ/mol, S "
              "0.005 J/(K mol)\r\n"
              "# HOCl: H(298.15 K) = 9.905 kJ/mol, moltherm's enthalpy measured from the lowest "
              "level (no enthalpy of formation given)\r\n"
              "- name: \"HOCl\"\r\n"
              "  composition: {H: 1, O: 1, Cl: 1}\r\n"
              "  thermo:\r\n"
              "    model: NASA7\r\n"
              "    temperature-ranges: [200.0, 1000.0, 3000.0]\r\n"
              "    reference-pressure: 1 bar\r\n"
              "    data:\r\n"
              "    - [3.5, -0.00125, 2.5e-06, -1.5e-09, 3.125e-13, -1234.5, 6.75]\r\n"
              "    - [4.25, 0.0015, -4.5e-07, 6.25e-11, -4.0e-15, -1500.25, 1.125]\r\n"
              "    note: \"moltherm ideal-gas fit, formula HOCl, H(298.15 K) measured from the "
              "lowest level\"\r\n");
}

// Quotes and escapes in names, symbols a YAML 1.1 reader takes for booleans, an empty list.
TEST(CanteraYaml, QuotesWhatAReaderCouldMisread) {
    Nasa7Species s = HandmadeSpecies();
    s.name = "say \"hi\"\\\n";
    s.formula = *ParseFormula("NYNoOn");
    s.fit.fromEnthalpyOfFormation = true;
    const std::string text = FormatCanteraSpecies({s}, "\n");
    for (const char* part : {"\n- name: \"say \\\"hi\\\"\\\\\\x0a\"\n",
                             "\n# say \"hi\"\\ : H(298.15 K) = 9.905 kJ/mol, the enthalpy of "
                             "formation given\n",
                             "composition: {\"N\": 1, \"Y\": 1, \"No\": 1, \"On\": 1}",
                             "H(298.15 K) the enthalpy of formation given\"\n"})
        EXPECT_NE(text.find(part), std::string::npos) << part << " in\n" << text;
    EXPECT_EQ(
        FormatCanteraSpecies({}, "\n"),
        "# NASA-7 polynomials fitted by moltherm to its ideal-gas Cp, H and S\nspecies: []\n");
}

}  // namespace
}  // namespace moltherm
