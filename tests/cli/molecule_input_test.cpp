// Molecule files: the one-line message for each kind of broken molecule, in the window's order of
// checks, and what the reader must let through.
#include <nlohmann/json.hpp>

#include "tests/cli/cli_test_support.h"

namespace moltherm::cli::testing {
namespace {

std::string Repeat(const std::string& text, int count) {
    std::string repeated;
    for (int i = 0; i < count; ++i) repeated += text;
    return repeated;
}

// HCl as a file may hold it, each change replacing the key it names or adding it, as the first
// key; a change of the key alone ("atoms":) drops it.
std::string Hcl(const std::vector<std::string>& changes = {}) {
    std::vector<std::string> fields = Split(
        R"("name": "HCl"|"molar_mass": 36.461|"atoms": 2|"shape": "linear"|"symmetry_number": 1|)"
        R"("rotational_constants": [10.59]|"vibrations": [{"wavenumber": 2990.95}])",
        "|");
    for (const std::string& change : changes) {
        const std::string key = change.substr(0, change.find(':') + 1);
        std::erase_if(fields, [&](const std::string& field) { return field.starts_with(key); });
        if (change != key) fields.insert(fields.begin(), change);
    }
    std::string json = "{";
    for (const std::string& field : fields) json += (json.size() > 1 ? ", " : "") + field;
    return json + "}";
}

struct Broken {
    const char* name;
    std::string input;  // changes to HCl split by " | ", or a file when it does not start with '"'
    std::string message;  // after "moltherm-cli: " (and "HCl: " for changes to HCl)
};
const auto kCaseName = [](const auto& info) { return std::string(info.param.name); };

// Each molecule is refused alone: one line on standard error, no output, status 1.
class MoleculeMessage : public ::testing::TestWithParam<Broken> {};

TEST_P(MoleculeMessage, IsTheOneLineOnStandardError) {
    const Broken& c = GetParam();
    const bool hcl = c.input[0] == '"';
    EXPECT_EQ(
        RunInProcess({"-"}, hcl ? Hcl(Split(c.input, " | ")) : c.input),
        (RunResult{1, "", "moltherm-cli: " + (hcl ? "HCl: " + c.message : c.message) + "\n"}));
}

const std::string kWhole = "expected a whole number from 1 to 32767";
const std::string kAtoms = "atoms: expected a whole number from 1 to 10924";
const std::string kList = Repeat("{}, ", 32767) + "{}]";
// A nonlinear molecule x with three atoms.
const std::string kX = R"({"name": "x", "atoms": 3, "shape": "nonlinear", "molar_mass": 18, )";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Structure, MoleculeMessage, ::testing::Values(
    // A root array is the list of molecules, anything else one molecule.
    Broken{"NotAnObject", R"(["Ar"])", "molecule 1: expected a molecule (an object), got a string"},
    // Far deeper than any stack would allow for recursion.
    Broken{"DeepArray", Repeat("[", 100000) + Repeat("]", 100000), "molecule 1: expected a molecule (an object), got an array"},
    Broken{"FirstUnknownKeyInTextOrder", R"("aa": 1 | "zz": 1)", R"(unknown key "zz")"},
    Broken{"DuplicateKey", R"({"name": "HCl", "atoms": 2, "atoms": 2})", R"(HCl: duplicate key "atoms")"},
    Broken{"LongKeyCut", "\"\\u0001" + Repeat("k", 60) + "\": 1", "unknown key \"\\u0001" + Repeat("k", 39) + "\u2026\""},
    Broken{"VibrationDuplicateKey", R"("vibrations": [{"wavenumber": 1, "wavenumber": 1}])", R"(vibration 1: duplicate key "wavenumber")"},
    Broken{"LevelKey", R"("electronic_levels": [{"e": 0}])", R"(electronic level 0: unknown key "e")"},
    Broken{"NameNotText", R"({"name": 36, "atoms": 1})", "molecule 1: name: expected a string, got a number"},
    Broken{"NameNul", R"({"name": "HCl\u0000", "atoms": 1})", "molecule 1: name: must not contain control characters"},
    Broken{"MolarMassList", R"("molar_mass": [36.461])", "molar_mass: expected a number, got an array"},
    Broken{"ShapeNumber", R"("shape": 1)", "shape: expected a string, got a number"},
    Broken{"VibrationsObject", R"("vibrations": {"wavenumber": 1})", "vibrations: expected an array, got an object"},
    Broken{"VibrationNumber", R"("vibrations": [2990.95])", "vibration 1: expected an object, got a number"},
    Broken{"WavenumberNull", R"("vibrations": [{"wavenumber": null}])", "vibration 1: wavenumber: expected a number, got null"},
    Broken{"ConstantList", R"("rotational_constants": [[10.59]])", "rotational constant 1: expected a number, got an array"},
    Broken{"AtomsMissing", R"("atoms":)", "atoms: required"},
    Broken{"AtomsZero", R"("atoms": 0)", kAtoms},
    Broken{"AtomsTooMany", R"("atoms": 10925)", kAtoms},
    Broken{"AtomsHalf", R"("atoms": "2.5")", kAtoms},
    Broken{"SigmaTooLarge", R"("symmetry_number": 32768)", "symmetry_number: " + kWhole},
    Broken{"ShapeBent", R"("shape": "bent")", R"(shape: expected "linear" or "nonlinear")"},
    Broken{"DiatomicNonlinear", R"("shape": "nonlinear")", "shape: an atom or a diatomic molecule is linear"},
    Broken{"ShapeMissing", R"({"name": "x", "atoms": 3})", "x: shape: required for 3 or more atoms"},
    Broken{"TwoConstants", R"("rotational_constants": [1, 2])", "rotational_constants: expected 1 value for a linear molecule, got 2"},
    Broken{"AtomWithVibrations", R"({"name": "x", "atoms": 1, "molar_mass": 4, "vibrations": [{}]})", "x: vibrations: an atom has no vibrations"},
    Broken{"DegeneraciesTooMany", R"("vibrations": [{"wavenumber": 1, "degeneracy": 2}])", "vibrations: degeneracies add up to 2, expected 1 (3N-5 for 2 atoms)"},
    Broken{"Degeneracies3NMinus6", kX + R"("rotational_constants": [1, 2, 3], "vibrations": [{"wavenumber": 1, "degeneracy": 4}]})", "x: vibrations: degeneracies add up to 4, expected 3 (3N-6 for 3 atoms)"},
    Broken{"DegeneracyHalf", R"("vibrations": [{"wavenumber": 1, "degeneracy": 0.5}])", "vibration 1: degeneracy: " + kWhole},
    Broken{"LevelDegeneracyZero", R"("electronic_levels": [{"degeneracy": 0}])", "electronic level 0: degeneracy: " + kWhole},
    Broken{"GroundLevelOff0", R"("electronic_levels": [{"energy": 5}, {"energy": 10}])", "electronic level 0: energy: the ground level must be at 0"},
    Broken{"NoLevels", R"("electronic_levels": [])", "electronic_levels: expected at least the ground level"},
    Broken{"TooManyLevels", "\"electronic_levels\": [" + kList, "electronic_levels: more than 32767 levels"},
    Broken{"TooManyRows", "\"vibrations\": [" + kList, "vibrations: more than 32767 rows"}), kCaseName);
// clang-format on

// Water as a geometry only: everything the boxes need is derived from it.
const std::string kWaterGeometry =
    R"("geometry": [{"element": "O", "x": 0, "y": 0, "z": 0.1173},
    {"element": "H", "x": 0, "y": 0.7572, "z": -0.4692},
    {"element": "h", "x": "0", "y": -0.7572, "z": -0.4692, "mass": 1.00782503223}])";
const std::string kWater = R"({"name": "W", "vibrations": [{"wavenumber": 3657},
    {"wavenumber": 1595}, {"wavenumber": 3756}], )";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Geometry, MoleculeMessage, ::testing::Values(
    Broken{"NotAList", R"("geometry": {})", "geometry: expected an array, got an object"},
    Broken{"Empty", R"("geometry": [])", "geometry: expected 1 to 10924 atoms"},
    Broken{"UnknownElement", R"("geometry": [{"element": "Xx", "x": 0, "y": 0, "z": 0}])", "geometry atom 1: element: expected an element symbol"},
    Broken{"MissingCoordinate", R"("geometry": [{"element": "H", "x": 0, "y": 0}])", "geometry atom 1: z: required"},
    Broken{"CoordinateText", R"("geometry": [{"element": "H", "x": "a", "y": 0, "z": 0}])", "geometry atom 1: x: expected a number"},
    Broken{"HugeCoordinate", R"("geometry": [{"element": "H", "x": 1e999, "y": 0, "z": 0}])", "geometry atom 1: x: expected a number"},
    Broken{"ZeroMass", R"("geometry": [{"element": "H", "x": 0, "y": 0, "z": 0, "mass": 0}])", "geometry atom 1: mass: expected a positive number"},
    Broken{"AtomKey", R"("geometry": [{"element": "H", "x": 0, "y": 0, "z": 0, "q": 1}])", R"(geometry atom 1: unknown key "q")"},
    Broken{"AtomCountDiffers", kWater + R"("atoms": 4, )" + kWaterGeometry + "}", "W: atoms: 4, but the geometry has 3"},
    Broken{"FormulaNotText", R"("formula": 7)", "formula: expected a string, got a number"},
    Broken{"EnthalpyNotNumber", R"("enthalpy_of_formation": "x")", "enthalpy_of_formation: expected a number"},
    Broken{"PrescaledBy3", R"("frequency_scale_applied": 3)", "frequency_scale_applied: expected a number from 0 to 2"}), kCaseName);
// clang-format on

// A geometry gives what is left out; given values win, with a warning where they differ.
TEST(MoleculeInput, GeometryGivesWhatIsLeftOut) {
    const std::vector<std::string> args{"-", "--format", "molecule"};
    const RunResult derived = RunInProcess(args, kWater + kWaterGeometry + "}");
    ASSERT_EQ(std::pair(derived.exitCode, derived.err), std::pair(0, std::string()));
    const nlohmann::json m = nlohmann::json::parse(derived.out).at(0);
    EXPECT_EQ(std::tuple(m.at("atoms"), m.at("shape"), m.at("symmetry_number"), m.at("formula")),
              std::tuple(3, "nonlinear", 2, "H2O"));
    EXPECT_NEAR(m.at("molar_mass").get<double>(), 18.0106, 1e-4);
    EXPECT_NEAR(m.at("rotational_constants")[0].get<double>(), 27.38, 0.01);

    const RunResult given =
        RunInProcess(args, kWater + R"("molar_mass": 18.3, "symmetry_number": 1, "formula": "OH2",
            "rotational_constants": [27.38, 14.59, 9.3], )" +
                               kWaterGeometry + "}");
    EXPECT_EQ(given.err,
              "moltherm-cli: W: warning: the given molar mass 18.3 differs from the geometry's "
              "18.0106 by more than 1 %; using 18.3\n"
              "moltherm-cli: W: warning: the given symmetry number 1 differs from the geometry's 2 "
              "(point group C2v); using 1\n"
              "moltherm-cli: W: warning: the given rotational constant 3 9.3 differs from "
              "the geometry's 9.5164 by more than 1 %; using 9.3\n");
    const nlohmann::json g = nlohmann::json::parse(given.out).at(0);
    EXPECT_EQ(std::tuple(g.at("molar_mass"), g.at("symmetry_number"), g.at("formula")),
              std::tuple(18.3, 1, "OH2"));
}

// Numbers beyond a double are valid JSON: each gets its field's own message.
// clang-format off
INSTANTIATE_TEST_SUITE_P(BeyondADouble, MoleculeMessage, ::testing::Values(
Broken{"MolarMass", R"("molar_mass": 1E+400)", "Invalid molar mass"},
    Broken{"NegativeWavenumber", R"("vibrations": [{"wavenumber": -1e999}])", "Invalid vibrational frequency"},
    Broken{"GroundEnergy", R"("electronic_levels": [{"energy": 1e400}])", "Invalid electronic energy"},
    Broken{"LongInteger", R"("rotational_constants": [)" + Repeat("9", 400) + "]", "Invalid rotational constant"},
    Broken{"Name", R"({"name": 1e400, "atoms": 1})", "molecule 1: name: expected a string, got a number"},
    // Below a double it is 0.
    Broken{"Molecule", R"([1e400, {"name": "Ar", "atoms": 1, "molar_mass": 1e-400}])", "molecule 1: expected a molecule (an object), got a number\nmoltherm-cli: Ar: Invalid molar mass"}), kCaseName);

// The window's message wins when the window refuses a box before the file's problem; the boxes a
// file leaves out are the window's empty boxes.
INSTANTIATE_TEST_SUITE_P(CheckOrder, MoleculeMessage, ::testing::Values(
    Broken{"EmptyNameBeforeMissingLists", R"({"name": "", "atoms": 2, "molar_mass": 28})", "molecule 1: Molecule must be named"},
    Broken{"EmptyNameBeforeUnknownKey", R"({"name": "", "atoms": 1, "colour": 1})", "molecule 1: Molecule must be named"},
    Broken{"ShapeBeforeMolarMass", R"("shape": "bent" | "molar_mass": "abc")", R"(shape: expected "linear" or "nonlinear")"},
    Broken{"NoMolarMass", R"("molar_mass":)", "No molar mass entered"},
    Broken{"NoConstants", R"("rotational_constants":)", "Invalid rotational constant"},
    Broken{"TooFewConstants", kX + R"("rotational_constants": [1]})", "x: Invalid rotational constant"},
    Broken{"RefusedConstantBeforeCount", R"("rotational_constants": [-1, 2])", "Invalid rotational constant"},
    Broken{"RefusedConstantBeforeBrokenOne", kX + R"("rotational_constants": [-1, [2], 3]})", "x: Invalid rotational constant"},
    Broken{"NoVibrations", R"("vibrations":)", "Invalid vibrational frequency"},
    Broken{"TooFewVibrations", kX + R"("rotational_constants": [1, 2, 3], "vibrations": [{"wavenumber": 1}]})", "x: Invalid vibrational frequency"},
    Broken{"RefusedWavenumberBeforeSum", R"("vibrations": [{"wavenumber": -1, "degeneracy": 2}])", "Invalid vibrational frequency"},
    Broken{"RefusedLevelBeforeLaterKey", R"("electronic_levels": [{}, {"energy": -5}, {"e": 1}])", "Invalid electronic energy"},
    Broken{"LevelBeforeConstant", R"("rotational_constants": [-1] | "electronic_levels": [{}, {"energy": "x"}])", "Invalid electronic energy"},
    Broken{"SigmaBeforeWavenumber", R"("symmetry_number": 0 | "vibrations": [{"wavenumber": -1}])", "symmetry_number: " + kWhole},
    Broken{"ConstantKindBeforeWavenumber", R"("rotational_constants": [[1]] | "vibrations": [{"wavenumber": -1}])", "rotational constant 1: expected a number, got an array"}), kCaseName);

// How messages name a molecule: its name, cut short, or its place when the name says nothing.
INSTANTIATE_TEST_SUITE_P(Labels, MoleculeMessage, ::testing::Values(
    Broken{"BlankName", R"({"name": "   ", "atoms": 1})", "molecule 1: No molar mass entered"},
    Broken{"LongName", R"({"atoms": 1, "name": ")" + Repeat("k", 60) + "\"}", Repeat("k", 40) + "\u2026: No molar mass entered"},
    Broken{"LongUnicodeName", R"({"atoms": 1, "name": ")" + Repeat("\u00e9", 41) + "\"}", Repeat("\u00e9", 40) + "\u2026: No molar mass entered"},
    Broken{"SecondMolecule", R"([{"name": "Ar", "atoms": 1}, {"atoms": 1}])", "Ar: No molar mass entered\nmoltherm-cli: molecule 2: Molecule must be named"}), kCaseName);
// clang-format on

// What a file may hold that the window's boxes hold too: numbers as texts, whole numbers
// written as decimals (shown as the spinners show them), an atom's ignored rotational constants,
// a ground level at -0.
TEST(MoleculeInput, AcceptedSpellingsGiveTheSameReport) {
    const std::vector<std::string> text{"-", "--timestamp", "X"};
    const RunResult hcl = RunInProcess(text, Hcl());
    ASSERT_EQ(hcl.exitCode, 0) << hcl.err;
    EXPECT_EQ(
        RunInProcess(text, Hcl({R"("molar_mass": " 36.461")", R"("atoms": "2.0")",
                                R"("symmetry_number": "1.0")", R"("shape":)",
                                R"("rotational_constants": ["10.59"])",
                                R"("vibrations": [{"wavenumber": "2990.95 ", "degeneracy": 1e0}])",
                                R"("electronic_levels": [{"energy": -0.0, "degeneracy": "1"}])"})),
        hcl);
    const RunResult water = RunInProcess({ExamplePath("h2o.json"), "--timestamp", "X"});
    EXPECT_NE(
        water.out.find("\nRotational Constants: 27.877000/cm,  14.512000/cm,  9.285000/cm.\n"),
        std::string::npos);
    EXPECT_EQ(RunInProcess(text, R"({"name": "H2O", "molar_mass": 1.8015e1, "atoms": 3.0,
        "shape": "nonlinear", "symmetry_number": "2", "rotational_constants": [27.877, "14.512", 9.285],
        "vibrations": [{"wavenumber": 3657}, {"wavenumber": 1595}, {"wavenumber": "3756"}]})"),
              water);
    EXPECT_EQ(RunInProcess(text, R"({"name": "1e400", "atoms": 1, "molar_mass": 4,
        "rotational_constants": "anything", "vibrations": []})")
                  .exitCode,
              0);
}

}  // namespace
}  // namespace moltherm::cli::testing
