// Opening molecule files and quantum-chemistry outputs into the window's boxes, refusing what
// the boxes cannot hold, and saving the boxes as a molecule file.
#include <filesystem>
#include <sstream>

#include "app/molecule_file_commands.h"
#include "cli/run.h"
#include "form_fixture.h"
#include "tests/support/scratch_file.h"

namespace moltherm::app::testing {
namespace {

namespace fs = std::filesystem;

// Every control but the error box, which the refusals write to, one per line.
std::string Boxes(const frmMoltherm& form) {
    std::string all;
    for (const Control* c : form.controls())
        if (c->id.name != ControlName::txtError)
            all += IdText(c->id) + " " + c->text + (c->visible ? " shown" : "") +
                   (c->enabled ? " enabled" : "") + (c->selected ? " selected" : "") + "\n";
    return all;
}

// The report the command line writes for a file at 298.15 K, as the window shows it.
std::string CommandLineReport(const fs::path& file, const Clock& clock) {
    std::istringstream in;
    std::ostringstream out, err;
    const std::string path = file.string();
    const char* argv[] = {"moltherm-cli", path.c_str(), "-T", "298.15", "--crlf"};
    EXPECT_EQ(cli::RunCli(5, argv, {in, out, err}, clock), 0) << err.str();
    return out.str();
}

// "Calc" at 298.15 K, which must pass; the answer box.
std::string Calculated(Session& s) {
    Type(txtTemp, "298.15")(s);
    Press(cmdCalc)(s);
    EXPECT_FALSE(s.c(txtError).visible) << s.c(txtError).text;
    return s.c(txtAns).text;
}

struct OpenRow {
    const char* name;
    const char* file;          // under the source folder
    std::vector<Step> before;  // what the user did first
};

class OpenFile : public ::testing::TestWithParam<OpenRow> {};

// The file fills the boxes with its molecule, whatever they held: "Calc" on them reports what
// the command line reports for the same file.
TEST_P(OpenFile, FillsTheBoxesAsTyped) {
    const fs::path file = fs::path(MOLTHERM_SOURCE_DIR) / GetParam().file;
    Session s;
    for (const Step& step : GetParam().before) step(s);
    ASSERT_EQ(OpenMoleculeFile(s.form, file), std::nullopt);
    EXPECT_FALSE(s.c(txtError).visible);
    EXPECT_EQ(Calculated(s), CommandLineReport(file, s.clock));
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenFile,
    ::testing::Values(
        OpenRow{"WaterJsonOverArgon", "examples/h2o.json", {}},
        OpenRow{"ArgonJsonOverWater", "examples/ar.json", {Enter(WaterTexts)}},
        OpenRow{"Cl2JsonInResultsMode", "examples/cl2.json", {Enter(WaterTexts), Press(cmdCalc)}},
        OpenRow{"GaussianMethane", "tests/data/gaussian/methane.log", {Enter(HclTexts)}}),
    [](const auto& info) { return std::string(info.param.name); });

// Opens water changed so, as a file or an output would describe it.
std::function<std::optional<std::string>(frmMoltherm&)> Water(
    void (*change)(MoleculeDescription&)) {
    return [change](frmMoltherm& form) {
        MoleculeDescription water;
        std::tie(water.name, water.atoms, water.molarMass, water.shape, water.sigma) =
            std::tuple("H2O", 3, 18.015, Shape::kNonlinear, 2);
        water.rotationalConstants = {27.877, 14.512, 9.285};
        water.modes = {{3657, 1}, {1595, 1}, {3756, 1}};
        change(water);
        return OpenMolecule(form, water);
    };
}
// Opens a file of that text; nullptr: there is no such file.
std::function<std::optional<std::string>(frmMoltherm&)> File(const char* text) {
    return [text](frmMoltherm& form) {
        const std::string content = text ? text : "";
        return OpenMoleculeFile(
            form, moltherm::testing::ScratchFile("moltherm_bad.json", text ? &content : nullptr));
    };
}

struct RefusalRow {
    const char* name;
    std::function<std::optional<std::string>(frmMoltherm&)> open;
    const char* message;
};

class Refuse : public ::testing::TestWithParam<RefusalRow> {};

// What the boxes cannot hold, and a file that does not read, is refused with one line (naming
// the file) in the error box, and every box stays as it was. The wording of each fault in a
// file is the reader's; the file rows show that each kind of file brings its message here.
TEST_P(Refuse, LeavesTheBoxesUnchanged) {
    Session s;
    Enter(HclTexts)(s);
    const std::string before = Boxes(s.form);
    EXPECT_EQ(GetParam().open(s.form), GetParam().message);
    EXPECT_EQ(s.c(txtError).text, GetParam().message);
    EXPECT_TRUE(s.c(txtError).visible);
    EXPECT_EQ(Boxes(s.form), before);
}

INSTANTIATE_TEST_SUITE_P(
    Molecules, Refuse,
    // clang-format off
    ::testing::Values(
        RefusalRow{"TransitionState", Water([](MoleculeDescription& m) { m.atoms = 4; m.modes.push_back({500, 2}); m.droppedImaginary = 1; }), "Cannot open: 1 imaginary mode(s) left out (a transition state)"},
        RefusalRow{"TooManyAtoms", Water([](MoleculeDescription& m) { m.atoms = 10925; }), "Cannot open: 10925 atoms, the window holds 1 to 10924"},
        RefusalRow{"ModesShort", Water([](MoleculeDescription& m) { m.modes.pop_back(); }), "Cannot open: the vibrations count 2 modes, not 3"},
        RefusalRow{"LinearSigma3", Water([](MoleculeDescription& m) { m.shape = Shape::kLinear; m.modes.push_back({600, 1}); m.sigma = 3; }), "Cannot open: symmetry number 3"},
        RefusalRow{"GroundLevelOff0", Water([](MoleculeDescription& m) { m.levels[0].energy = 5; }), "Cannot open: the ground level is not at 0"},
        RefusalRow{"MissingFile", File(nullptr), "moltherm_bad.json: cannot be read"},
        RefusalRow{"UnknownKey", File(R"({"name": "X", "mass": 1})"), "moltherm_bad.json: unknown key \"mass\""},
        RefusalRow{"EmptyMolden", File("[Molden Format]\n"), "moltherm_bad.json: no [FREQ] section (is it a frequency job?)"}),
    // clang-format on
    [](const auto& info) { return std::string(info.param.name); });

// Saving writes what the window reads back into boxes that compute the same report; a box
// "Calc" refuses writes nothing.
TEST(SaveMolecule, RoundTripsThroughTheFile) {
    const fs::path file = moltherm::testing::ScratchFile("moltherm_save_test.json");
    Session saved, opened;
    for (const Step& step :
         {Enter(WaterTexts), Up({spnDegen, 1}), Press(cmdAddState), Type({txtEnergy, 1}, "123.25"),
          Up({spnEnergyDegen, 1}), Type(txtMolarMass, "abc")})
        step(saved);
    EXPECT_EQ(SaveMoleculeFile(saved.form, file), "Invalid molar mass");
    EXPECT_FALSE(fs::exists(file));
    Type(txtMolarMass, "18.015")(saved);
    ASSERT_EQ(SaveMoleculeFile(saved.form, file), std::nullopt);
    ASSERT_EQ(OpenMoleculeFile(opened.form, file), std::nullopt);
    EXPECT_EQ(Calculated(opened), Calculated(saved));
}

}  // namespace
}  // namespace moltherm::app::testing
