#include "report/cantera_yaml.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/report/nasa7_read_back.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;

struct YamlSpecies {
    std::string name;         // the quoted scalar, quotes included
    std::string composition;  // between the braces
    std::vector<double> ranges;
    std::vector<std::vector<double>> data;
};

// "[1.5, -2e-05]" -> its numbers.
std::vector<double> Numbers(const std::string& list) {
    EXPECT_EQ(list.front(), '[');
    EXPECT_EQ(list.back(), ']');
    std::vector<double> numbers;
    std::istringstream in(list.substr(1, list.size() - 2));
    for (std::string item; std::getline(in, item, ',');) numbers.push_back(std::stod(item));
    return numbers;
}

// Reads the layout this writer gives (not YAML in general), checking its fixed lines.
std::vector<YamlSpecies> ReadSpecies(const std::string& text) {
    std::istringstream in(text);
    std::vector<YamlSpecies> species;
    const auto after = [](const std::string& line, const std::string& key) {
        EXPECT_EQ(line.rfind(key, 0), 0u) << "expected " << key << " in: " << line;
        return line.substr(key.size());
    };
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("- name: ", 0) != 0) continue;
        YamlSpecies s;
        s.name = after(line, "- name: ");
        std::string composition, thermo, model, ranges, pressure, data, low, high;
        std::getline(in, composition);
        std::getline(in, thermo);
        std::getline(in, model);
        std::getline(in, ranges);
        std::getline(in, pressure);
        std::getline(in, data);
        std::getline(in, low);
        std::getline(in, high);
        const std::string braces = after(composition, "  composition: ");
        s.composition = braces.substr(1, braces.size() - 2);
        EXPECT_EQ(thermo, "  thermo:");
        EXPECT_EQ(model, "    model: NASA7");
        s.ranges = Numbers(after(ranges, "    temperature-ranges: "));
        EXPECT_EQ(pressure, "    reference-pressure: 1 bar");
        EXPECT_EQ(data, "    data:");
        s.data = {Numbers(after(low, "    - ")), Numbers(after(high, "    - "))};
        species.push_back(s);
    }
    return species;
}

Nasa7Coefficients Coefficients(const std::vector<double>& values) {
    Nasa7Coefficients a{};
    EXPECT_EQ(values.size(), 7u);
    std::copy_n(values.begin(), std::min<std::size_t>(7, values.size()), a.begin());
    return a;
}

TEST(CanteraYaml, ReadBackFollowsTheEngineWithTheSameDoubles) {
    const std::vector<FittedMolecule> fitted = FittedMolecules();
    std::vector<Nasa7Species> species;
    for (const FittedMolecule& f : fitted) species.push_back(f.species);
    const std::vector<YamlSpecies> read = ReadSpecies(FormatCanteraSpecies(species, "\n"));
    ASSERT_EQ(read.size(), fitted.size());
    const char* compositions[] = {"H: 2, O: 1", "C: 1, O: 2", "C: 2, H: 4, O: 2"};
    for (std::size_t k = 0; k < read.size(); ++k) {
        EXPECT_EQ(read[k].name, "\"" + fitted[k].species.name + "\"");
        EXPECT_EQ(read[k].composition, compositions[k]);
        ASSERT_EQ(read[k].ranges.size(), 3u);
        const Nasa7Coefficients low = Coefficients(read[k].data[0]);
        const Nasa7Coefficients high = Coefficients(read[k].data[1]);
        EXPECT_EQ(low, fitted[k].species.fit.low);  // low range first, every bit kept
        EXPECT_EQ(high, fitted[k].species.fit.high);
        ExpectFollowsTheEngine(fitted[k], {read[k].ranges[0], read[k].ranges[1], read[k].ranges[2]},
                               low, high);
    }
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

TEST(CanteraYaml, QuotesWhatAReaderCouldMisread) {
    Nasa7Species s = HandmadeSpecies();
    s.name = "say \"hi\"\\\n";
    s.formula = *ParseFormula("NYNoOn");
    s.fit.fromEnthalpyOfFormation = true;
    const std::string text = FormatCanteraSpecies({s}, "\n");
    EXPECT_NE(text.find("\n- name: \"say \\\"hi\\\"\\\\\\x0a\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n# say \"hi\"\\ : largest"), std::string::npos) << text;
    EXPECT_NE(text.find("composition: {\"N\": 1, \"Y\": 1, \"No\": 1, \"On\": 1}"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("H(298.15 K) the enthalpy of formation given\"\n"), std::string::npos);
    EXPECT_EQ(
        FormatCanteraSpecies({}, "\n"),
        "# NASA-7 polynomials fitted by moltherm to its ideal-gas Cp, H and S\nspecies: []\n");
}

}  // namespace
}  // namespace moltherm
