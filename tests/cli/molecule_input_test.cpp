// Reading molecule files: what is JSON, what a molecule's value holds, and the one-line message
// for each kind of broken molecule, in the order of the window's checks.
#include "cli/json_overflow.h"
#include "cli/json_reader.h"
#include "tests/cli/cli_test_support.h"

namespace moltherm::cli::testing {
namespace {

std::vector<JsonNode> Molecules(const std::string& text) {
    std::vector<JsonNode> molecules;
    const JsonMoleculeStream stream(text);
    stream.forEachMolecule(
        [&](JsonNode&& node, std::size_t) { molecules.push_back(std::move(node)); });
    return molecules;
}

std::string List(int count, const std::string& entry) {
    std::string list = "[" + entry;
    for (int i = 1; i < count; ++i) list += ", " + entry;
    return list + "]";
}

TEST(JsonReader, NumbersKeepTheTextTheyWereWrittenWith) {
    const auto molecules = Molecules(R"({"a": 1.50, "b": 1E+2, "c": 1e400, "d": -2e-999,
        "e": 123456789012345678901234, "f": -7, "g": "1e400"})");
    std::string read;  // a string's text in quotes
    for (const JsonMember& m : molecules.at(0).members)
        read += m.key + "=" + (m.value.kind == JsonNode::Kind::kNumber ? "" : "\"") + m.value.text +
                (m.value.kind == JsonNode::Kind::kNumber ? " " : "\" ");
    EXPECT_EQ(read, "a=1.50 b=1E+2 c=1e400 d=-2e-999 e=123456789012345678901234 f=-7 g=\"1e400\" ");
}

TEST(JsonReader, LongListsKeepOnlyWhatAnyMoleculeCanUseButCountAll) {
    const auto molecules =
        Molecules(R"({"vibrations": )" + List(100000, "0") + R"(, "name": "x"})");
    const JsonNode& vibrations = molecules.at(0).members.at(0).value;
    EXPECT_EQ(vibrations.size, 100000u);
    EXPECT_EQ(vibrations.members.size(), 32768u);
    EXPECT_EQ(molecules[0].members.at(1).value.text, "x");
}

TEST(JsonReader, OverflowingNumbersArePatchedOutsideStringsOnly) {
    const auto patch =
        PatchOverflowingNumbers(R"([1e400, "1e400", "a\"1e400", -1e999, 5, 1e308, 01e400])");
    ASSERT_TRUE(patch);
    EXPECT_EQ(patch->text, R"([0    , "1e400", "a\"1e400", -0    , 5, 1e308, 01e400])");
    EXPECT_EQ(patch->numbers, (decltype(patch->numbers){{0, "1e400"}, {1, "-1e999"}}));
    EXPECT_FALSE(PatchOverflowingNumbers(R"({"a": 1e308, "b": "1e999"})"));
}

// HCl as a file may hold it, each change replacing the key it names or adding it, as the first
// key so that the others are read after it; a change of the key alone ("atoms":) drops it.
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

const std::string kWhole = "expected a whole number from 1 to 32767";

// A row is one change to HCl (from '"') and the message after "HCl: ", or a whole file and its
// message. Each molecule is refused alone: one line on standard error, no output.
const std::pair<std::string, std::string> kBrokenMolecules[] = {
    // A root array is the list of molecules, anything else one molecule; values of the wrong
    // kind, unknown keys.
    {R"(["Ar"])", "molecule 1: expected a molecule (an object), got a string"},
    {"null", "molecule 1: expected a molecule (an object), got null"},
    // A million levels deep, read without recursion.
    {std::string(1000000, '[') + std::string(1000000, ']'),
     "molecule 1: expected a molecule (an object), got an array"},
    {R"("symetry_number": 1)", R"(unknown key "symetry_number")"},
    {R"({"name": "HCl", "atoms": 2, "atoms": 2})", R"(HCl: duplicate key "atoms")"},
    {"\"\\u0001" + std::string(60, 'k') + "\": 1",
     "unknown key \"\\u0001" + std::string(39, 'k') + "...\""},
    {R"("vibrations": [{"wavenumber": 1, "degen": 1}])", R"(vibration 1: unknown key "degen")"},
    {R"("electronic_levels": [{"e": 0}])", R"(electronic level 0: unknown key "e")"},
    {R"({"name": 36, "atoms": 1})", "molecule 1: name: expected a string, got a number"},
    {R"({"name": "H\nCl", "atoms": 1})", "molecule 1: name: must not contain control characters"},
    {R"({"name": "HCl\u0000", "atoms": 1})",
     "molecule 1: name: must not contain control characters"},
    {R"("molar_mass": [36.461])", "molar_mass: expected a number, got an array"},
    {R"("atoms": true)", "atoms: expected a number, got a boolean"},
    {R"("shape": 1)", "shape: expected a string, got a number"},
    {R"("vibrations": {"wavenumber": 1})", "vibrations: expected an array, got an object"},
    {R"("vibrations": [2990.95])", "vibration 1: expected an object, got a number"},
    {R"("vibrations": [{"wavenumber": null}])",
     "vibration 1: wavenumber: expected a number, got null"},
    {R"("rotational_constants": [[10.59]])",
     "rotational constant 1: expected a number, got an array"},
    {R"("electronic_levels": "0")", "electronic_levels: expected an array, got a string"},
    {R"("vibrations": [{"wavenumber": )" + std::string(100000, '[') + std::string(100000, ']') +
         "}]",
     "vibration 1: wavenumber: expected a number, got an array"},
    // Counts and limits.
    {R"("atoms":)", "atoms: required"},
    {R"("atoms": 0)", "atoms: expected a whole number from 1 to 10924"},
    {R"("atoms": 10925)", "atoms: expected a whole number from 1 to 10924"},
    {R"("atoms": "2.5")", "atoms: expected a whole number from 1 to 10924"},
    {R"("atoms": "two")", "atoms: expected a whole number from 1 to 10924"},
    {R"("symmetry_number": 0)", "symmetry_number: " + kWhole},
    {R"("symmetry_number": 32768)", "symmetry_number: " + kWhole},
    {R"("shape": "bent")", R"(shape: expected "linear" or "nonlinear")"},
    {R"("shape": "nonlinear")", "shape: an atom or a diatomic molecule is linear"},
    {R"({"atoms": 3})", "molecule 1: shape: required for 3 or more atoms"},
    {R"("rotational_constants": [1, 2])",
     "rotational_constants: expected 1 value for a linear molecule, got 2"},
    {R"("rotational_constants":)",
     "rotational_constants: expected 1 value for a linear molecule, got 0"},
    {R"({"atoms": 3, "shape": "nonlinear", "rotational_constants": [1]})",
     "molecule 1: rotational_constants: expected 3 values for a nonlinear molecule, got 1"},
    {R"({"atoms": 1, "vibrations": [{}]})", "molecule 1: vibrations: an atom has no vibrations"},
    {R"({"atoms": 3, "shape": "nonlinear", "rotational_constants": [1, 2, 3],
         "vibrations": [{}, {}]})",
     "molecule 1: vibrations: degeneracies add up to 2, expected 3 (3N-6 for 3 atoms)"},
    {R"("vibrations": [{"wavenumber": 1, "degeneracy": 2}])",
     "vibrations: degeneracies add up to 2, expected 1 (3N-5 for 2 atoms)"},
    {R"("vibrations":)", "vibrations: degeneracies add up to 0, expected 1 (3N-5 for 2 atoms)"},
    {R"("vibrations": [{"degeneracy": 32767}, {"degeneracy": 32767}])",
     "vibrations: degeneracies add up to 65534, expected 1 (3N-5 for 2 atoms)"},
    {R"("vibrations": [{"wavenumber": 1, "degeneracy": 0.5}])",
     "vibration 1: degeneracy: " + kWhole},
    {R"("electronic_levels": [{"degeneracy": 0}])", "electronic level 0: degeneracy: " + kWhole},
    {R"("electronic_levels": [{"energy": 5}, {"energy": 10}])",
     "electronic level 0: energy: the ground level must be at 0"},
    {R"("electronic_levels": [])", "electronic_levels: expected at least the ground level"},
    {"\"electronic_levels\": " + List(32768, "{}"), "electronic_levels: more than 32767 levels"},
    {"\"vibrations\": " + List(32768, "{}"), "vibrations: more than 32767 rows"},
    // What the window itself refuses: its own messages, in its own order.
    {R"({"atoms": 1, "molar_mass": 4})", "molecule 1: Molecule must be named"},
    {R"({"name": "", "atoms": 1, "molar_mass": "abc"})", "molecule 1: Molecule must be named"},
    {R"("molar_mass":)", "No molar mass entered"},
    {R"("molar_mass": "abc")", "Invalid molar mass"},
    {R"("molar_mass": 1e400)", "Invalid molar mass"},
    {R"("electronic_levels": [{"energy": "zero"}])", "Invalid electronic energy"},
    {Hcl({R"("rotational_constants": [-1])", R"("electronic_levels": [{}, {"energy": -5}])"}),
     "HCl: Invalid electronic energy"},
    {Hcl({R"("rotational_constants": ["x"])", R"("vibrations": [{"wavenumber": -1}])"}),
     "HCl: Invalid rotational constant"},
    {R"("vibrations": [{}])", "Invalid vibrational frequency"},
    {R"("vibrations": [{"wavenumber": -1e999}])", "Invalid vibrational frequency"}};

TEST(MoleculeMessages, OneLineNamingTheMoleculeAndTheField) {
    for (const auto& [input, message] : kBrokenMolecules) {
        const bool change = input[0] == '"';
        EXPECT_EQ(
            RunInProcess({"-"}, change ? Hcl({input}) : input),
            (RunResult{1, "", "moltherm-cli: " + (change ? "HCl: " + message : message) + "\n"}));
    }
}

TEST(MoleculeMessages, NumbersGivenAsTextsComputeAsNumbersDo) {
    const RunResult texts = RunInProcess({"-", "--format", "json"},
                                         Hcl({R"("molar_mass": " 36.461")", R"("atoms": "2")",
                                              R"("rotational_constants": ["10.59"])",
                                              R"("vibrations": [{"wavenumber": "2990.95 "}])"}));
    EXPECT_EQ(texts.exitCode, 0);
    EXPECT_EQ(texts, RunInProcess({"-", "--format", "json"}, Hcl()));
}

}  // namespace
}  // namespace moltherm::cli::testing
