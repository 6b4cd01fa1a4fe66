// The program as a user runs it: the report in each format, messages and exit status.

#include "tests/cli/cli_test_support.h"
#include "tests/support/data_rows.h"

namespace moltherm::cli::testing {
namespace {

// The summary above kCl2Tables.
const std::string kCl2Summary =
    "Moltherm Calculation   12/5/2026  3:04:05 AM\r\nGas phase linear molecule Cl2.\r\n"
    "All data for 1 mole at 1 bar.\r\nMolar Mass = 70.906 g/mol.\r\nSymmetry Number = 2.\r\n"
    "Rotational Constant = 0.244000/cm.\r\n\r\nVibrational data\r\n # Energy*cm (degen)\r\n"
    " 1.   560.00   (1)\r\n\r\nElectronic Data\r\nLevel  Energy*cm (degen)\r\n"
    "  0.        0.00   (1)\r\n\r\n";

// The clock's date and time or the --timestamp text in the heading.
TEST(Report, Cl2AtTwoTemperatures) {
    const std::string report = kCl2Summary + kCl2Tables;
    std::string lf = report;
    std::erase(lf, '\r');
    const std::string cl2 = ExamplePath("cl2.json");
    EXPECT_EQ(RunInProcess({cl2, "--crlf", "-T", "298.15", "-T", "1000"}),
              (RunResult{0, report, ""}));
    EXPECT_EQ(RunProgram({cl2, "--timestamp", "X", "-T", "298.15", "-T", "1000"}),
              (RunResult{0, "Moltherm Calculation   X" + lf.substr(lf.find('\n')), ""}));
    // The installed program reads the local clock: a date, two blanks and a time.
    const std::string local = RunProgram({ExamplePath("ar.json")}).out;
    const std::size_t end = local.find('\n'), gap = local.find("  ", 23);
    EXPECT_TRUE(local.starts_with("Moltherm Calculation   ") && gap > 23 && gap + 2 < end) << local;
    EXPECT_EQ(local.find("\nGas phase Ar atom.\n"), end) << local;
}

// Every way to give a temperature reads the same; one at which a molecule cannot be computed
// refuses that molecule, naming the temperature.
TEST(Report, TemperatureOptionSpellings) {
    const std::string hcl = ExamplePath("hcl.json");
    const RunResult at500 = RunInProcess({hcl, "-T", "500", "--format", "csv"});
    ASSERT_EQ(at500.exitCode, 0) << at500.err;
    for (const std::string spelling : {"-T=500", "--temperature=500", "-T500"})
        EXPECT_EQ(RunInProcess({hcl, "--format", "csv", spelling}), at500) << spelling;
    const std::string huge = "1" + std::string(299, '0');
    EXPECT_EQ(RunInProcess({hcl, "-T", "300", "-T", huge}),
              (RunResult{1, "",
                         "moltherm-cli: HCl: temperature \"" + huge.substr(0, 40) +
                             "\u2026\": Invalid Temperature\n"}));
}

// A usage error is one line on standard error with status 2 and nothing on standard output.
class UsageLine : public ::testing::TestWithParam<Json> {};

TEST_P(UsageLine, IsOneLineAndStatus2) {
    const Json& c = GetParam();
    std::vector<std::string> args = Split(c["args"], " ");
    for (std::string& arg : args)
        if (arg == "hcl.json" || arg == "molecules.json") arg = ExamplePath(arg);
    EXPECT_EQ(RunInProcess(args, c["input"].get<std::string>()),
              (RunResult{2, "", "moltherm-cli: " + c["message"].get<std::string>() + "\n"}));
}

INSTANTIATE_TEST_SUITE_P(Cli, UsageLine, ::testing::ValuesIn(DataRows("cli_usage_errors")),
                         RowName);

TEST(Report, AnOutputThatCannotBeWrittenIsNoSuccess) {
    const std::string command = ShellQuoted(MOLTHERM_CLI_PATH) + " " +
                                ShellQuoted(ExamplePath("hcl.json")) + " >/dev/full 2>/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << status;
}

TEST(Report, VersionAndHelpWithTheUnitsOfJsonAndCsv) {
    EXPECT_EQ(RunProgram({"--version"}), (RunResult{0, "moltherm-cli 1.03\n", ""}));
    RunResult help = RunProgram({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    std::replace(help.out.begin(), help.out.end(), '\n', ' ');
    for (const char* text : {"Usage: moltherm-cli [OPTIONS] MOLECULE", "-T,--temperature",
                             "--format TEXT:{text,json,csv,molecule,janaf,chemkin,cantera}=text",
                             ("temperature is in K, q is per molecule (the report's q/N), U, H, A "
                              "and G are in J/mol, S and Cp in J/(K mol), H_minus_H298")})
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
}

const char* const kColumns[] = {"translational", "rotational", "vibrational", "electronic",
                                "total"};
const char* const kQuantities[] = {"q", "U", "H", "A", "G", "S", "Cp"};

// The engine's grid for the molecule at 1000 K as the JSON output holds it.
Json EngineGrid(const CalcInputTexts& texts) {
    const ThermoResults r = testing::ResultsAt(texts, "1000");
    const double dh = r.total.h - testing::ResultsAt(texts, "298.15").total.h;
    Json grid{{"temperature", 1000.0},
              {"H_minus_H298", dh},
              {"gibbs_energy_function", r.total.s - dh / 1000}};
    const Contribution* parts[] = {&r.trans, &r.rot, &r.vib, &r.elec, &r.total};
    for (std::size_t c = 0; c < 5; ++c) {
        const double values[] = {parts[c]->q, parts[c]->u, parts[c]->h, parts[c]->a,
                                 parts[c]->g, parts[c]->s, parts[c]->cp};
        for (std::size_t k = 0; k < 7; ++k) grid[kColumns[c]][kQuantities[k]] = values[k];
    }
    return grid;
}

// The texts are the shortest that read back as the same doubles.
TEST(JsonFormat, OneObjectPerMoleculeAndTemperatureInOrderWithTheEnginesValuesBitForBit) {
    const RunResult run = RunInProcess({ExamplePath("molecules.json"), "--format", "json", "-T",
                                        "1000", "-T", "500", "-T", "1e3"});
    ASSERT_EQ(std::pair(run.exitCode, run.err), std::pair(0, std::string()));
    const Json document = Json::parse(run.out);
    // A molecule a line, between the lines of the brackets; whole numbers read as floating point.
    EXPECT_TRUE(run.out.starts_with("[\n{\"name\":\"HCl\",\"results\":[{\"temperature\":1000.0,"));
    EXPECT_TRUE(run.out.ends_with("}\n]\n"));
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), document.size() + 2);
    const CalcInputTexts examples[] = {HclTexts(), Cl2Texts(), WaterTexts(), ArgonTexts()};
    std::string names;
    for (std::size_t m = 0; m < document.size(); ++m) {
        names += document[m].at("name").get<std::string>() + " ";
        const Json& results = document[m].at("results");
        ASSERT_EQ(results.size(), 3u);
        EXPECT_EQ(results[1].at("temperature"), 500.0);
        if (m >= std::size(examples)) continue;
        const Json grid = EngineGrid(examples[m]);
        EXPECT_EQ(results[0], grid) << names;
        EXPECT_EQ(results[2], grid) << names;
    }
    EXPECT_EQ(names, "HCl Cl2 H2O Ar O2 ");
}

TEST(CsvFormat, HeaderThenOneRowPerTemperature) {
    const RunResult run =
        RunInProcess({ExamplePath("cl2.json"), "--format", "csv", "-T", "298.15", "-T", "1000"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> rows = Split(run.out, "\n");
    ASSERT_EQ(rows.size(), 4u);
    std::string header = "name,temperature";
    for (const char* column : kColumns)
        for (const char* quantity : kQuantities)
            header += std::string(",") + column + "_" + quantity;
    EXPECT_EQ(rows[0], header + ",H_minus_H298,gibbs_energy_function,error");
    EXPECT_EQ(rows[3], "") << "text after the last line end";
    const std::vector<std::string> first = Split(rows[1], ","), second = Split(rows[2], ",");
    ASSERT_EQ(first.size(), 40u);
    // At 298.15 K, H - H(298.15) is 0 and -[G - H(298.15)]/T is S; the electronic q of a single
    // level at 0 is exactly 1.
    EXPECT_EQ(
        (std::vector{first[0], first[1], second.at(1), first[37], first[38], first[39], first[23]}),
        (std::vector<std::string>{"Cl2", "298.15", "1000", "0", first[35], "", "1"}));
}

// The same one-line messages on standard error in each format; the other molecules are written.
TEST(EachFormat, RefusedMoleculesAreNamedAndLeaveTheOthersWritten) {
    const std::string input =
        R"([{"name": "Ar, \"the lazy one\"", "atoms": 1, "molar_mass": 39.948},
        {"atoms": 1, "molar_mass": 4}, {"name": "water", "molar_mass": "heavy", "atoms": 1},
        {"name": "He \"4\" \u00e9", "atoms": 1, "molar_mass": 4, "colour": "none"}, 12,
        {"name": "Ne", "molar_mass": 20.18, "atoms": 1}])";
    const std::string labels[] = {"molecule 2", "water", "He \"4\" \u00e9", "molecule 5"};
    const std::string errors[] = {"Molecule must be named", "Invalid molar mass",
                                  "unknown key \"colour\"",
                                  "expected a molecule (an object), got a number"};
    std::string messages;
    for (std::size_t i = 0; i < 4; ++i)
        messages += "moltherm-cli: " + labels[i] + ": " + errors[i] + "\n";

    // JSON: an error in place of the results.
    const RunResult json = RunInProcess({"-", "--format", "json"}, input);
    EXPECT_EQ(std::pair(json.exitCode, json.err), std::pair(1, messages));
    const Json document = Json::parse(json.out);
    ASSERT_EQ(document.size(), 6u);
    EXPECT_EQ(std::pair(document[0].at("name"), document[5].at("results").size()),
              std::pair(Json("Ar, \"the lazy one\""), std::size_t{1}));
    const Json names[] = {nullptr, "water", "He \"4\" \u00e9", nullptr};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(document[i + 1], (Json{{"name", names[i]}, {"error", errors[i]}}));
    EXPECT_EQ(RunInProcess({"-", "--format", "json"}, " [ ] ").out, "[]\n");

    // CSV: a row with the error after an empty temperature and empty values; RFC 4180 quoting.
    const RunResult csv = RunInProcess({"-", "--format", "csv", "--crlf"}, input);
    EXPECT_EQ(std::pair(csv.exitCode, csv.err), std::pair(1, messages));
    const std::vector<std::string> rows = Split(csv.out, "\r\n");
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_TRUE(rows[1].starts_with(R"("Ar, ""the lazy one""",298.15,)")) << rows[1];
    EXPECT_TRUE(rows[6].starts_with("Ne,298.15,")) << rows[6];
    const std::string empty(39, ',');
    EXPECT_EQ(std::vector(rows.begin() + 2, rows.end()),
              (std::vector<std::string>{empty + errors[0], "water" + empty + errors[1],
                                        R"("He ""4"" é")" + empty + R"("unknown key ""colour""")",
                                        empty + "\"" + errors[3] + "\"", rows[6], ""}));
}

// Many molecules, computed in batches on every core, give what each gives alone, in their order.
TEST(EachFormat, ManyMoleculesGiveWhatEachGivesAlone) {
    std::string input = "[", out, err;
    for (int i = 0; i < 600; ++i) {
        const std::string molecule =
            R"({"name": "A)" + std::to_string(i) + R"(", "atoms": 1)" +
            (i % 7 == 3 ? "" : ", \"molar_mass\": " + std::to_string(4 + i)) + "}";
        input += (i ? "," : "") + molecule;
        const RunResult alone = RunInProcess({"-", "--format", "csv"}, molecule);
        out += (i ? alone.out.substr(alone.out.find('\n') + 1) : alone.out);
        err += alone.err;
    }
    EXPECT_EQ(RunInProcess({"-", "--format", "csv"}, input + "]"), (RunResult{1, out, err}));
}

}  // namespace
}  // namespace moltherm::cli::testing
