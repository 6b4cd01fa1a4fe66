// Frequency-job outputs on the command line, among molecule files: content decides the reader,
// bad files refuse only themselves.
#include "tests/cli/cli_test_support.h"
#include "tests/support/data_rows.h"

namespace moltherm::cli::testing {
namespace {

const std::string kMethane = std::string(MOLTHERM_TEST_DATA) + "/gaussian/methane.log";

// The methane job with its first frequency printed negative, or cut before its frequencies.
std::string MethaneCopy(const std::string& name, bool imaginary) {
    std::string copy = ReadFile(kMethane);
    const std::size_t row = copy.find(" Frequencies --   1373.5436");
    if (imaginary) copy.replace(row, 27, " Frequencies --  -1373.5436");
    if (!imaginary) copy.resize(row);
    return ScratchFile(name, &copy);
}

// What the file printed otherwise than its geometry gives is a warning; the geometry wins.
TEST(QcFile, DisagreementsAreWarnedOnStandardError) {
    std::string text = ReadFile(kMethane);
    text.replace(text.find("Rotational symmetry number 12."), 30, "Rotational symmetry number  6.");
    // 2 % off the geometry's constant.
    text.replace(text.find("157.25935   157.25935   157.25935"), 33,
                 "157.25935   157.25935   154.10000");
    const RunResult run = RunInProcess({ScratchFile("sigma.log", &text), "--format", "json"});
    EXPECT_EQ(std::pair(run.exitCode, run.err),
              std::pair(0, std::string("moltherm-cli: sigma.log: warning: the file's symmetry "
                                       "number 6 differs from 12 (point group Td); using 12\n"
                                       "moltherm-cli: sigma.log: warning: the file's rotational "
                                       "constants (5.24561, 5.24561, 5.14022 1/cm) differ from the "
                                       "geometry's (5.24559, 5.24559, 5.24559 1/cm); using the "
                                       "geometry's\n")));
    EXPECT_EQ(Json::parse(run.out).at(0).at("results"),
              Json::parse(RunInProcess({kMethane, "--format", "json"}).out).at(0).at("results"));
}

TEST(QcFile, MixesWithMoleculeFilesAndRefusesOnlyItself) {
    const RunResult run =
        RunInProcess({kMethane, ExamplePath("ar.json"), MethaneCopy("broken.log", false),
                      MethaneCopy("ts.log", true), "--format", "json"});
    EXPECT_EQ(std::pair(run.exitCode, run.err),
              std::pair(1, std::string("moltherm-cli: broken.log: no frequencies found (is it a "
                                       "frequency job?)\nmoltherm-cli: ts.log: 1 imaginary mode "
                                       "(-1373.5 1/cm)\n")));
    const Json document = Json::parse(run.out);
    ASSERT_EQ(document.size(), 4u);
    EXPECT_EQ(std::pair(document[0].at("name"), document[1].at("name")),
              std::pair(Json("methane"), Json("Ar")));
    EXPECT_EQ(document[2], (Json{{"name", "broken"},
                                 {"error", "no frequencies found (is it a frequency job?)"}}));
}

// Wavenumbers the file says it scaled are never scaled again, also after a molecule file.
TEST(QcFile, AlreadyScaledFrequenciesRefuseASecondFactor) {
    std::string text = ReadFile(std::string(MOLTHERM_TEST_DATA) + "/orca/dvb_ir_6.0.out");
    const std::string one = "Scaling factor for frequencies =  1.000000000";
    text.replace(text.find(one), one.size(), "Scaling factor for frequencies =  0.970000000");
    const std::string path = ScratchFile("scaled.out", &text);
    const RunResult report = RunInProcess({path, "--timestamp", "X"});
    EXPECT_NE(report.out.find("at 1 bar.\nFrequencies scaled by 0.97 in the file.\nMolar"),
              std::string::npos)
        << report.out;
    const std::string refusal =
        "Frequencies already scaled by 0.97 in the file: no second factor\n";
    EXPECT_EQ(RunInProcess({path, "--scale", "0.96"}),
              (RunResult{1, "", "moltherm-cli: scaled.out: " + refusal}));
    const std::string molecule = RunInProcess({path, "--format", "molecule"}).out;
    EXPECT_EQ(RunInProcess({"-", "--scale", "0.96"}, molecule),
              (RunResult{1, "", "moltherm-cli: scaled: " + refusal}));
}

class MoleculeFormat : public ::testing::TestWithParam<Json> {};

// The molecule file written reads back to the same report, at several temperatures and options.
TEST_P(MoleculeFormat, RoundTripGivesTheSameReport) {
    const auto files = GetParam()["files"].get<std::vector<std::string>>();
    std::vector<std::string> args;
    for (const std::string& file : files)
        args.push_back(file == "ts.log"          ? MethaneCopy("ts.log", true)
                       : file.ends_with(".json") ? ExamplePath(file)
                                                 : std::string(MOLTHERM_TEST_DATA) + "/" + file);
    for (const Json& option : GetParam()["options"]) args.push_back(option);
    args.insert(args.end(), {"-T", "100:1000:450"});
    std::vector<std::string> asMolecules = args;
    asMolecules.insert(asMolecules.end(), {"--format", "molecule"});
    const RunResult written = RunInProcess(asMolecules);
    ASSERT_EQ(std::pair(written.exitCode, written.err), std::pair(0, std::string()));
    const Json molecules = Json::parse(written.out);
    ASSERT_EQ(molecules.size(), files[0] == "molecules.json" ? 5u : files.size());
    // An output's molecule names its program; the array ends its last line.
    EXPECT_EQ(molecules[0].contains("source"), files[0] != "molecules.json");
    EXPECT_TRUE(written.out.ends_with("}\n]\n"));
    const RunResult direct = RunInProcess(args);
    EXPECT_NE(direct.out.find(GetParam()["row"]), std::string::npos) << direct.out;
    args.erase(args.begin(), args.begin() + static_cast<long>(files.size()));
    args.insert(args.begin(), "-");
    EXPECT_EQ(RunInProcess(args, written.out), direct);
    EXPECT_EQ(direct.exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(Cli, MoleculeFormat, ::testing::ValuesIn(DataRows("cli_round_trips")),
                         RowName);

}  // namespace
}  // namespace moltherm::cli::testing
