#include "report/cantera_yaml.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/report/nasa7_read_back.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;

// "[1.5, -2e-05]" -> its numbers.
std::vector<double> Numbers(const std::string& list) {
    EXPECT_EQ(list.front() + std::string(1, list.back()), "[]") << list;
    std::vector<double> numbers;
    std::istringstream in(list.substr(1, list.size() - 2));
    for (std::string item; std::getline(in, item, ',');) numbers.push_back(std::stod(item));
    return numbers;
}

// Reads the layout this writer gives (not YAML in general), checking its fixed lines.
std::vector<ReadSpecies> ReadYaml(const std::string& text) {
    std::istringstream in(text);
    std::vector<ReadSpecies> read;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("- name: \"", 0) != 0) continue;
        std::string lines[9];
        for (std::string& l : lines) std::getline(in, l);
        EXPECT_EQ(lines[1] + lines[2] + lines[4] + lines[5],
                  "  thermo:    model: NASA7    reference-pressure: 1 bar    data:");
        ReadSpecies s{line.substr(9, line.size() - 10), "", {}};
        std::istringstream composition(lines[0].substr(lines[0].find('{') + 1));
        for (std::string symbol, count; composition >> symbol >> count;)
            s.composition += (s.composition.empty() ? "" : " ") +
                             symbol.substr(0, symbol.size() - 1) +
                             count.substr(0, count.size() - 1);
        const std::vector<double> ranges = Numbers(lines[3].substr(lines[3].find('[')));
        s.temperatures = {ranges.at(0), ranges.at(1), ranges.at(2)};
        const std::vector<double> low = Numbers(lines[6].substr(6)),
                                  high = Numbers(lines[7].substr(6));
        std::copy_n(low.begin(), 7, s.low.begin());
        std::copy_n(high.begin(), 7, s.high.begin());
        read.push_back(s);
    }
    return read;
}

TEST(CanteraYaml, ReadBackFollowsTheEngineWithTheSameDoubles) {
    const std::vector<FittedMolecule> fitted = FittedMolecules();
    std::vector<Nasa7Species> species;
    for (const FittedMolecule& f : fitted) species.push_back(f.species);
    const std::vector<ReadSpecies> read = ReadYaml(FormatCanteraSpecies(species, "\n"));
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
